// The white fade: transitionTime 1 is all white, 0 the picture itself.
@param texture baseTex filter=linear address=clamp
@param float transitionTime = 0
@technique FadeWhite
@pass fragment=FadeFS cull=none zenable=false zwrite=false blend=false
@shader FadeFS
in vec2 vTexCoord;
void main() {
  fragColor = vec4(mix(texture(baseTex, vTexCoord).rgb, vec3(1.0), clamp(transitionTime, 0.0, 1.0)), 1.0);
}
