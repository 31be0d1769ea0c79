// Blob shadows: a soft dark disc laid on the floor under each model.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param texture shadowTex filter=linear address=clamp
@technique Shadow
@pass vertex=ShadowVS fragment=ShadowFS cull=none zwrite=false blend=true srcblend=srcalpha destblend=invsrcalpha
@shader ShadowVS
out vec2 vTexCoord;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vTexCoord = inTexCoord0;
}
@shader ShadowFS
in vec2 vTexCoord;
void main() {
  vec4 t = texture(shadowTex, vTexCoord);
  fragColor = vec4(0.0, 0.0, 0.0, 0.6 * t.a * (1.0 - t.r));
}
