// The teleport emblem. Its first technique is the plain closing pass of the post chain (the
// picture as it is, read point-wise: every read lands on a texel centre, where a filtered read
// gives the same and costs the software rasteriser about half as much again); the model
// technique draws the spinning emblem with a golden rim.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float4 diffuseMaterial = 1 0.85 0.3 1
@param float3 viewVector = 0 0 1
@param texture baseTex filter=point address=clamp
@technique Emblem
@pass fragment=CopyFS cull=none zenable=false zwrite=false blend=false
@technique CelShade0Lights
@pass vertex=EmblemVS fragment=EmblemFS cull=ccw blend=true srcblend=srcalpha destblend=invsrcalpha
@shader CopyFS
in vec2 vTexCoord;
void main() { fragColor = vec4(texture(baseTex, vTexCoord).rgb, 1.0); }
@shader EmblemVS
out vec3 vNormal;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vNormal = normalize((vec4(inNormal, 0.0) * matWorld).xyz);
}
@shader EmblemFS
in vec3 vNormal;
void main() {
  float rim = 1.0 - abs(dot(normalize(vNormal), normalize(viewVector)));
  fragColor = vec4(diffuseMaterial.rgb * (0.6 + 0.8 * rim), diffuseMaterial.a);
}
