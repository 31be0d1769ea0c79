// The map faces: the surface texture lit by its baked lightmap plus the ambient light.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float4 ambientLight = 0.4 0.4 0.4 1
@param float3 viewVector = 0 0 1
@param texture baseTex filter=linear address=wrap
@param texture lightmapTex filter=linear address=clamp
@param bool useLightmap = true
@technique LightMap0Lights
@pass vertex=MapVS fragment=MapFS cull=ccw
@shader MapVS
out vec2 vTexCoord;
out vec2 vLightCoord;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vTexCoord = inTexCoord0;
  vLightCoord = inTexCoord1;
}
@shader MapFS
in vec2 vTexCoord;
in vec2 vLightCoord;
void main() {
  vec4 base = texture(baseTex, vTexCoord);
  vec3 light = useLightmap ? texture(lightmapTex, vLightCoord).rgb * 2.0 : vec3(1.0);
  // Quantised a little so the walls share the cel look of the models.
  light = floor((light + ambientLight.rgb * 0.5) * 6.0 + 0.5) / 6.0;
  fragColor = vec4(base.rgb * light, base.a);
}
