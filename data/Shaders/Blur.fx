// Softens the scene: each pixel takes a share (strength, half unless set) of a 3 x 3 tent blur
// around it, which rounds off the hard steps of the cel shading without smearing detail. At
// strength 0 the frame leaves this pass out.
@param texture baseTex filter=point address=clamp
@param float strength = 0.5
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@technique Blur
@pass fragment=BlurFS cull=none zenable=false zwrite=false blend=false
@shader BlurFS
in vec2 vTexCoord;
void main() {
  vec2 texel = 1.0 / vec2(textureSize(baseTex, 0));
  vec4 centre = texture(baseTex, vTexCoord);
  vec4 sum = centre * 4.0;
  sum += 2.0 * (texture(baseTex, vTexCoord + vec2(texel.x, 0.0)) + texture(baseTex, vTexCoord - vec2(texel.x, 0.0)) +
                texture(baseTex, vTexCoord + vec2(0.0, texel.y)) + texture(baseTex, vTexCoord - vec2(0.0, texel.y)));
  sum += texture(baseTex, vTexCoord + texel) + texture(baseTex, vTexCoord - texel) +
         texture(baseTex, vTexCoord + vec2(texel.x, -texel.y)) + texture(baseTex, vTexCoord + vec2(-texel.x, texel.y));
  fragColor = vec4(mix(centre.rgb, sum.rgb / 16.0, strength), 1.0);
}
