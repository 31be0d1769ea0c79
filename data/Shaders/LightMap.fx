// The map faces: the surface texture times its baked lightmap, plus the cones of up to two
// guard flashlights (lightPos/lightDir). One technique per number of flashlights reaching a face.
// Culling, blending and the alpha test come from the device: the map renderer sets them per pass.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float4 ambientLight = 0.4 0.4 0.4 1
@param float3 viewVector = 0 0 1
@param texture textureMap filter=linear address=wrap
@param texture lightMap filter=linear address=clamp
@param float3 lightPos1 = 0 0 0
@param float3 lightDir1 = 0 0 -1
@param float3 lightPos2 = 0 0 0
@param float3 lightDir2 = 0 0 -1
@technique LightMap0Lights
@pass vertex=MapVS fragment=Lit0FS
@technique LightMap1Light
@pass vertex=MapVS fragment=Lit1FS
@technique LightMap2Lights
@pass vertex=MapVS fragment=Lit2FS
@shader MapVS
out vec2 vTexCoord;
out vec2 vLightCoord;
out vec3 vWorldPos;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vWorldPos = (vec4(inPosition.xyz, 1.0) * matWorld).xyz;
  vTexCoord = inTexCoord0;
  vLightCoord = inTexCoord1;
}
@shader common
// A flashlight's cone: full inside about 17 degrees, gone beyond about 28, fading with distance.
vec3 Flashlight(vec3 worldPos, vec3 position, vec3 direction) {
  vec3 toFace = worldPos - position;
  float dist = length(toFace);
  float cone = smoothstep(0.88, 0.955, dot(toFace / max(dist, 0.001), normalize(direction)));
  return vec3(1.0, 0.95, 0.8) * cone * clamp(1.0 - dist / 1200.0, 0.0, 1.0);
}
@shader Lit0FS
in vec2 vTexCoord;
in vec2 vLightCoord;
in vec3 vWorldPos;
void main() {
  vec4 base = texture(textureMap, vTexCoord);
  fragColor = vec4(base.rgb * texture(lightMap, vLightCoord).rgb, base.a);
}
@shader Lit1FS
in vec2 vTexCoord;
in vec2 vLightCoord;
in vec3 vWorldPos;
void main() {
  vec4 base = texture(textureMap, vTexCoord);
  vec3 light = texture(lightMap, vLightCoord).rgb + Flashlight(vWorldPos, lightPos1, lightDir1);
  fragColor = vec4(base.rgb * min(light, vec3(1.0)), base.a);
}
@shader Lit2FS
in vec2 vTexCoord;
in vec2 vLightCoord;
in vec3 vWorldPos;
void main() {
  vec4 base = texture(textureMap, vTexCoord);
  vec3 light = texture(lightMap, vLightCoord).rgb + Flashlight(vWorldPos, lightPos1, lightDir1) +
               Flashlight(vWorldPos, lightPos2, lightDir2);
  fragColor = vec4(base.rgb * min(light, vec3(1.0)), base.a);
}
