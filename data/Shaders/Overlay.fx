// Dims the scene behind an overlay screen (pause, end of round).
@param texture baseTex filter=point address=clamp
@technique Overlay
@pass fragment=OverlayFS cull=none zenable=false zwrite=false blend=false
@shader OverlayFS
in vec2 vTexCoord;
void main() {
  vec3 c = texture(baseTex, vTexCoord).rgb;
  float grey = dot(c, vec3(0.299, 0.587, 0.114));
  fragColor = vec4(mix(c, vec3(grey), 0.6) * 0.5, 1.0);
}
