// The teleport transition: the picture swirls into the loading picture as transitionTime
// rises from 0 to 1 and back out as it falls.
@param texture baseTex filter=linear address=clamp
@param texture loadingTex filter=linear address=clamp
@param float transitionTime = 0
@technique Transition
@pass fragment=TransitionFS cull=none zenable=false zwrite=false blend=false
@shader TransitionFS
in vec2 vTexCoord;
void main() {
  float t = clamp(transitionTime, 0.0, 1.0);
  vec2 d = vTexCoord - 0.5;
  float angle = t * 6.0 * (1.0 - length(d));
  vec2 swirl = vec2(d.x * cos(angle) - d.y * sin(angle), d.x * sin(angle) + d.y * cos(angle)) + 0.5;
  vec3 scene = texture(baseTex, swirl).rgb;
  vec3 loading = texture(loadingTex, vTexCoord).rgb;
  fragColor = vec4(mix(scene, loading, t * t), 1.0);
}
