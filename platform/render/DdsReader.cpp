#include <algorithm>
#include <cstring>

#include "platform/render/ImageData.h"

namespace platform {
namespace {

// Header fields, as offsets from the start of the file (after the 4-byte magic).
constexpr size_t kHeaderEnd = 4 + 124;
constexpr uint32_t kFlagMipCount = 0x20000;
constexpr uint32_t kPixelAlphaPixels = 0x1;
constexpr uint32_t kPixelAlphaOnly = 0x2;
constexpr uint32_t kPixelFourCC = 0x4;
constexpr uint32_t kPixelRgb = 0x40;
constexpr uint32_t kPixelLuminance = 0x20000;
constexpr uint32_t kCaps2CubeOrVolume = 0x200 | 0x200000;

uint32_t Read32(std::span<const uint8_t> f, size_t at) {
  return uint32_t(f[at]) | uint32_t(f[at + 1]) << 8 | uint32_t(f[at + 2]) << 16 |
         uint32_t(f[at + 3]) << 24;
}

uint32_t FourCC(const char* s) {
  return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 | uint32_t(uint8_t(s[2])) << 16 |
         uint32_t(uint8_t(s[3])) << 24;
}

// One channel of a masked pixel layout, widened to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (!mask) return;
    while (!((mask >> shift) & 1)) ++shift;
    max = mask >> shift;
  }
  uint8_t Get(uint32_t pixel, uint8_t absent) const {
    if (!mask) return absent;
    return static_cast<uint8_t>((((pixel & mask) >> shift) * 255 + max / 2) / max);
  }
};

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

}  // namespace

size_t LevelSize(PixelFormat format, int width, int height) {
  if (format == PixelFormat::Rgba8) return size_t(width) * size_t(height) * 4;
  const size_t blocks = size_t((width + 3) / 4) * size_t((height + 3) / 4);
  return blocks * (format == PixelFormat::Dxt1 ? 8 : 16);
}

bool ReadDds(std::span<const uint8_t> file, ImageData* out, std::string* error) {
  if (file.size() < kHeaderEnd || std::memcmp(file.data(), "DDS ", 4) != 0)
    return Fail(error, "not a DDS file or header cut short");
  if (Read32(file, 4) != 124 || Read32(file, 4 + 72) != 32)
    return Fail(error, "DDS header has the wrong size");
  const uint32_t flags = Read32(file, 8);
  const uint32_t height = Read32(file, 12);
  const uint32_t width = Read32(file, 16);
  const uint32_t mipCount = (flags & kFlagMipCount) ? Read32(file, 28) : 1;
  const uint32_t pixelFlags = Read32(file, 80);
  const uint32_t fourCC = Read32(file, 84);
  const uint32_t bits = Read32(file, 88);
  const uint32_t masks[4] = {Read32(file, 92), Read32(file, 96), Read32(file, 100),
                             Read32(file, 104)};
  const uint32_t caps2 = Read32(file, 112);

  if (width == 0 || height == 0 || width > kMaxTextureSize || height > kMaxTextureSize)
    return Fail(error, "DDS has an impossible size " + std::to_string(width) + "x" +
                           std::to_string(height));
  if (caps2 & kCaps2CubeOrVolume) return Fail(error, "DDS cube and volume textures are not supported");

  PixelFormat format = PixelFormat::Rgba8;
  if (pixelFlags & kPixelFourCC) {
    if (fourCC == FourCC("DXT1")) format = PixelFormat::Dxt1;
    else if (fourCC == FourCC("DXT2") || fourCC == FourCC("DXT3")) format = PixelFormat::Dxt3;
    else if (fourCC == FourCC("DXT4") || fourCC == FourCC("DXT5")) format = PixelFormat::Dxt5;
    else return Fail(error, "DDS pixel format is not supported");
  } else if (!(pixelFlags & (kPixelRgb | kPixelLuminance | kPixelAlphaOnly)) ||
             (bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
    return Fail(error, "DDS pixel format is not supported");
  }

  // A chain may not be longer than halving down to 1x1.
  uint32_t fullChain = 1;
  for (uint32_t s = width > height ? width : height; s > 1; s >>= 1) ++fullChain;
  const uint32_t levels = mipCount == 0 ? 1 : (mipCount < fullChain ? mipCount : fullChain);

  // Luminance repeats in red, green and blue; alpha-only layouts read as black.
  const bool luminance = pixelFlags & kPixelLuminance;
  const Channel red(masks[0]);
  const Channel green(luminance ? masks[0] : masks[1]);
  const Channel blue(luminance ? masks[0] : masks[2]);
  const Channel alpha((pixelFlags & (kPixelAlphaPixels | kPixelAlphaOnly)) ? masks[3] : 0);
  const size_t bytesPerPixel = bits / 8;

  ImageData image;
  image.format = format;
  size_t at = kHeaderEnd;
  for (uint32_t i = 0; i < levels; ++i) {
    ImageLevel level;
    level.width = std::max(1, int(width >> i));
    level.height = std::max(1, int(height >> i));
    const size_t pixels = size_t(level.width) * level.height;
    const size_t stored = format == PixelFormat::Rgba8 ? pixels * bytesPerPixel
                                                        : LevelSize(format, level.width, level.height);
    if (stored > file.size() - at)
      return Fail(error, "DDS data cut short in mip level " + std::to_string(i));
    if (format != PixelFormat::Rgba8) {
      level.bytes.assign(file.begin() + at, file.begin() + at + stored);
    } else {
      level.bytes.resize(pixels * 4);
      for (size_t p = 0; p < pixels; ++p) {
        uint32_t v = 0;
        for (size_t b = 0; b < bytesPerPixel; ++b) v |= uint32_t(file[at + p * bytesPerPixel + b]) << (8 * b);
        uint8_t* o = &level.bytes[p * 4];
        o[0] = red.Get(v, 0);
        o[1] = green.Get(v, 0);
        o[2] = blue.Get(v, 0);
        o[3] = alpha.Get(v, 255);
      }
    }
    at += stored;
    image.levels.push_back(std::move(level));
  }
  *out = std::move(image);
  return true;
}

}  // namespace platform
