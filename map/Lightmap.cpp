#include "map/Lightmap.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
// Lightmaps are baked dark; the game draws them seven times brighter.
constexpr float kLightmapBrightness = 7.0f;

// Each channel scaled on its own: c x factor / 255, for every byte value.
class ScaledChannels {
 public:
  explicit ScaledChannels(float factor) {
    for (int c = 0; c < 256; ++c) scaled_[c] = float(c) * factor / 255.0f;
  }
  float operator[](uint8_t c) const { return scaled_[c]; }

 private:
  std::array<float, 256> scaled_;
};

void Brighten(const ScaledChannels& scaled, const uint8_t rgb[3], uint8_t out[3]) {
  const float s[3] = {scaled[rgb[0]], scaled[rgb[1]], scaled[rgb[2]]};
  const float scale = 255.0f / std::max({1.0f, s[0], s[1], s[2]});
  for (int c = 0; c < 3; ++c) out[c] = uint8_t(scale * s[c]);
}

// A brightened channel depends only on its own value and on the texel's brightest channel
// (scaling keeps the order of the channels), so one table row per brightest value gives every
// texel exactly what Brighten computes, at three look-ups a texel.
class BrightenTable {
 public:
  explicit BrightenTable(float factor) {
    const ScaledChannels scaled(factor);
    for (int brightest = 0; brightest < 256; ++brightest) {
      const float scale = 255.0f / std::max(1.0f, scaled[uint8_t(brightest)]);
      for (int c = 0; c <= brightest; ++c) rows_[brightest][c] = uint8_t(scale * scaled[uint8_t(c)]);
    }
  }
  const std::array<uint8_t, 256>& Row(uint8_t brightest) const { return rows_[brightest]; }

 private:
  std::array<std::array<uint8_t, 256>, 256> rows_{};
};

const BrightenTable& Table() {
  static const BrightenTable table(kLightmapBrightness);
  return table;
}

void BrightenByTable(const BrightenTable& table, const uint8_t* rgb, uint8_t* rgba) {
  const std::array<uint8_t, 256>& row = table.Row(std::max({rgb[0], rgb[1], rgb[2]}));
  const uint8_t pixel[4] = {row[rgb[0]], row[rgb[1]], row[rgb[2]], 255};
  std::memcpy(rgba, pixel, 4);
}

// Texels whose channels are all at most this come out of the brightening exactly seven times
// brighter: their brightest channel stays within full brightness.
constexpr uint8_t kDarkest = 36;

#if defined(__x86_64__)
// Eight texels at a time, two lanes of four. Dark runs are multiplied by seven a byte at a time;
// the others take the texel rule's own float steps in the same order, each of which gives the
// same bits eight wide as one at a time. Leaves the last eight texels (whose second load would
// read past them) and returns how many it brightened.
#define VR_AVX2 __attribute__((target("avx2")))
// Byte `first` of each of a lane's four texels, as four 32-bit numbers.
VR_AVX2 __m256i Channel(__m256i texels, int first) {
  const __m128i pick = _mm_setr_epi8(char(first), -1, -1, -1, char(first + 3), -1, -1, -1, char(first + 6), -1, -1, -1,
                                     char(first + 9), -1, -1, -1);
  return _mm256_shuffle_epi8(texels, _mm256_broadcastsi128_si256(pick));
}

// c x factor / 255, as the texel rule scales a channel.
VR_AVX2 __m256 Scaled(__m256i channel) {
  return _mm256_div_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(channel), _mm256_set1_ps(kLightmapBrightness)),
                       _mm256_set1_ps(255.0f));
}

VR_AVX2 int BrightenWithAvx2(const uint8_t* in, uint8_t* out, int count) {
  const __m256i spread = _mm256_broadcastsi128_si256(_mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1));
  const __m256i darkest = _mm256_set1_epi8(char(kDarkest)), opaque = _mm256_set1_epi32(int(0xFF000000u));
  const __m256 full = _mm256_set1_ps(255.0f), one = _mm256_set1_ps(1.0f);
  int i = 0;
  for (; i + 8 < count; i += 8, in += 24, out += 32) {
    const __m256i texels = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 12)), 1);
    const __m256i bytes = _mm256_shuffle_epi8(texels, spread);
    if (_mm256_testz_si256(_mm256_subs_epu8(bytes, darkest), _mm256_set1_epi8(-1))) {
      const __m256i twice = _mm256_add_epi8(bytes, bytes), four = _mm256_add_epi8(twice, twice);
      const __m256i seven = _mm256_sub_epi8(_mm256_add_epi8(four, four), bytes);
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_or_si256(seven, opaque));
      continue;
    }
    const __m256 r = Scaled(Channel(texels, 0)), g = Scaled(Channel(texels, 1)), b = Scaled(Channel(texels, 2));
    const __m256 scale = _mm256_div_ps(full, _mm256_max_ps(one, _mm256_max_ps(r, _mm256_max_ps(g, b))));
    const __m256i rr = _mm256_cvttps_epi32(_mm256_mul_ps(scale, r));
    const __m256i gg = _mm256_slli_epi32(_mm256_cvttps_epi32(_mm256_mul_ps(scale, g)), 8);
    const __m256i bb = _mm256_slli_epi32(_mm256_cvttps_epi32(_mm256_mul_ps(scale, b)), 16);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_or_si256(_mm256_or_si256(rr, gg), _mm256_or_si256(bb, opaque)));
  }
  return i;
}
#undef VR_AVX2

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

}  // namespace

void BrightenLightmapTexel(const uint8_t rgb[3], float factor, uint8_t out[3]) {
  Brighten(ScaledChannels(factor), rgb, out);
}

void BrightenLightmapTexelsPortably(const uint8_t* in, uint8_t* texel, int count) {
  static_assert(std::endian::native == std::endian::little, "texels are assembled as little-endian words");
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint32_t kOpaque = 0xFF000000u;
  const BrightenTable& table = Table();
  // Four texels (twelve bytes) at a time. Most lightmap texels are dark; a group of dark texels
  // is brightened as whole words: each byte times seven stays below 256, so one multiplication
  // scales every byte without carries. Groups with a brighter texel take the table.
  int i = 0;
  for (; i + 4 <= count; i += 4, in += 12, texel += 16) {
    uint64_t low;
    uint32_t high;
    std::memcpy(&low, in, 8);
    std::memcpy(&high, in + 8, 4);
    // A byte above kDarkest sets its top bit when (0x80 - kDarkest - 1) is added; carries into
    // the next byte can only raise false alarms, which the table handles.
    constexpr uint64_t kRaise = (0x80 - kDarkest - 1) * kOnes;
    if ((((low + kRaise) | low) & (0x80 * kOnes)) == 0 &&
        (((high + uint32_t(kRaise)) | high) & uint32_t(0x80 * kOnes)) == 0) {
      low *= 7;
      high *= 7;
      const uint32_t pixels[4] = {uint32_t(low & 0xFFFFFF) | kOpaque, uint32_t((low >> 24) & 0xFFFFFF) | kOpaque,
                                  uint32_t(((low >> 48) | (uint64_t(high) << 16)) & 0xFFFFFF) | kOpaque,
                                  (high >> 8) | kOpaque};
      std::memcpy(texel, pixels, 16);
      continue;
    }
    for (int k = 0; k < 4; ++k) BrightenByTable(table, in + 3 * k, texel + 4 * k);
  }
  for (; i < count; ++i, in += 3, texel += 4) BrightenByTable(table, in, texel);
}

void BrightenLightmapTexels(const uint8_t* rgb, uint8_t* rgba, int count) {
  int done = 0;
#if defined(__x86_64__)
  if (HasAvx2()) done = BrightenWithAvx2(rgb, rgba, count);
#endif
  BrightenLightmapTexelsPortably(rgb + 3 * done, rgba + 4 * done, count - done);
}

void BuildLightmapImage(const BspLightmap& lightmap, LightmapImage& out) {
  BrightenLightmapTexels(&lightmap.texels[0][0][0], out.data(), kLightmapSize * kLightmapSize);
}
