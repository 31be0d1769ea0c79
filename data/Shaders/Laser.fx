// Trip-laser beams: a thin red glow along the beam, pulsing and shimmering as its two textures
// scroll (the first pair of texture coordinates for the glow, the second for the grain), added
// to the scene.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float3 viewVector = 0 0 1
@param float3 laserDirection = 1 0 0
@param texture laserTex filter=linear address=wrap
@param texture laserPixelTex filter=point address=wrap
@technique Laser
@pass vertex=LaserVS fragment=LaserFS cull=none zwrite=false blend=true srcblend=srcalpha destblend=one
@shader LaserVS
out vec2 vTexCoord;
out vec2 vPixelCoord;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vTexCoord = inTexCoord0;
  vPixelCoord = inTexCoord1;
}
@shader LaserFS
in vec2 vTexCoord;
in vec2 vPixelCoord;
void main() {
  // Seen end-on the beam is a dot; seen from the side a line: fade the side-on glow a little.
  float side = 1.0 - abs(dot(normalize(viewVector), normalize(laserDirection)));
  float glow = texture(laserTex, vTexCoord).r * texture(laserPixelTex, vPixelCoord).r;
  fragColor = vec4(1.0, 0.1, 0.05, glow * (0.5 + 0.5 * side));
}
