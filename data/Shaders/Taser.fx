// The taser's dart and wire: cel-shaded blue that flashes white while it discharges.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float4 diffuseMaterial = 0.3 0.5 1 1
@param float flash = 0
@technique CelShade0Lights
@pass vertex=TaserVS fragment=TaserFS cull=none blend=true srcblend=srcalpha destblend=one
@shader TaserVS
void main() { gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection; }
@shader TaserFS
void main() { fragColor = vec4(mix(diffuseMaterial.rgb, vec3(1.0), flash), diffuseMaterial.a); }
