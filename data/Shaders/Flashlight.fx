// The guards' flashlight beams: a pale yellow cone, faint at its edge and far end.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float4 diffuseMaterial = 1 1 0.8 0.25
@technique Flashlight
@pass vertex=BeamVS fragment=BeamFS cull=none zwrite=false blend=true srcblend=srcalpha destblend=one
@shader BeamVS
out vec2 vTexCoord;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vTexCoord = inTexCoord0;
}
@shader BeamFS
in vec2 vTexCoord;
void main() {
  float edge = 1.0 - abs(vTexCoord.x * 2.0 - 1.0);
  fragColor = vec4(diffuseMaterial.rgb, diffuseMaterial.a * edge * (1.0 - vTexCoord.y));
}
