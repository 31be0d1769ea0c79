// Inks the outlines of the cel look: a Sobel filter on brightness darkens the pixels where
// the picture changes sharply.
@param texture baseTex filter=point address=clamp
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float edgeStrength = 2.5
@technique Edge
@pass fragment=EdgeFS cull=none zenable=false zwrite=false blend=false
@shader EdgeFS
in vec2 vTexCoord;
float Lum(vec2 offset) {
  vec2 texel = 1.0 / vec2(textureSize(baseTex, 0));
  return dot(texture(baseTex, vTexCoord + offset * texel).rgb, vec3(0.299, 0.587, 0.114));
}
void main() {
  float gx = -Lum(vec2(-1, -1)) - 2.0 * Lum(vec2(-1, 0)) - Lum(vec2(-1, 1)) +
             Lum(vec2(1, -1)) + 2.0 * Lum(vec2(1, 0)) + Lum(vec2(1, 1));
  float gy = -Lum(vec2(-1, -1)) - 2.0 * Lum(vec2(0, -1)) - Lum(vec2(1, -1)) +
             Lum(vec2(-1, 1)) + 2.0 * Lum(vec2(0, 1)) + Lum(vec2(1, 1));
  float edge = clamp(length(vec2(gx, gy)) * edgeStrength - 0.2, 0.0, 1.0);
  fragColor = vec4(texture(baseTex, vTexCoord).rgb * (1.0 - edge), 1.0);
}
