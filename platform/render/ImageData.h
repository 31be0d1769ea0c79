#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Decoded texture images, before they reach the GPU. Rows run top first.
namespace platform {

enum class PixelFormat { Rgba8, Dxt1, Dxt3, Dxt5 };

struct ImageLevel {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;  // RGBA rows, or compressed 4x4 blocks
};

struct ImageData {
  PixelFormat format = PixelFormat::Rgba8;
  std::vector<ImageLevel> levels;  // level 0 first, each half the size of the one before
  int Width() const { return levels.empty() ? 0 : levels[0].width; }
  int Height() const { return levels.empty() ? 0 : levels[0].height; }
};

// The largest side a texture may have; bigger sizes are refused as damaged files.
constexpr int kMaxTextureSize = 16384;

// Reads a .dds file: uncompressed RGB, RGBA, luminance and alpha layouts of 8 to 32 bits, and
// DXT1/3/5, with their mip levels. False with a reason for anything else or damaged data.
bool ReadDds(std::span<const uint8_t> file, ImageData* out, std::string* error);

// Reads png, jpg, tga, bmp (by content) or dds (by its magic number) into `out`.
bool DecodeImage(std::span<const uint8_t> file, ImageData* out, std::string* error);

// Byte size of one level of `format`.
size_t LevelSize(PixelFormat format, int width, int height);

// Decodes DXT blocks to RGBA; `blocks` must hold LevelSize(format, width, height) bytes.
std::vector<uint8_t> DecodeDxt(PixelFormat format, int width, int height,
                               std::span<const uint8_t> blocks);

// Turns every level into RGBA.
void DecompressImage(ImageData& image);

// Scales level 0 (decoded first when compressed) to a new size, keeping one level.
void ResizeImage(ImageData& image, int width, int height);

}  // namespace platform
