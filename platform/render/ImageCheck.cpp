#include "platform/render/ImageCheck.h"

#include <cstring>

namespace platform {
namespace {

constexpr uint8_t kHuffmanTable = 0xC4;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;

// Huffman tables by class (0 DC, 1 AC) and slot (0..3), one bit each.
int TableBit(int tableClass, int slot) { return 1 << (tableClass * 4 + slot); }

// Every Huffman table of a DHT segment must list at most 256 codes and fit the segment. Adds
// the tables it defines to `defined`.
bool HuffmanSegmentIsSafe(std::span<const uint8_t> segment, int& defined) {
  size_t at = 0;
  while (at < segment.size()) {
    if (segment.size() - at < 17) return false;
    size_t codes = 0;
    for (size_t i = 1; i <= 16; ++i) codes += segment[at + i];
    if (codes > 256 || codes > segment.size() - at - 17) return false;
    if ((segment[at] >> 4) <= 1 && (segment[at] & 15) <= 3)
      defined |= TableBit(segment[at] >> 4, segment[at] & 15);
    at += 17 + codes;
  }
  return true;
}

// The decoder does not clear its tables, so a scan decoding with one that no DHT segment has
// filled reads leftover memory as code lengths and jumps anywhere. A scan covering the DC
// coefficient (first pass) needs the DC tables, one covering any AC coefficient the AC tables.
// Slots above 3 the decoder refuses by itself.
bool ScanTablesAreDefined(std::span<const uint8_t> segment, int defined) {
  if (segment.empty()) return true;
  const size_t components = segment[0];
  if (segment.size() < 1 + 2 * components + 3) return true;
  const uint8_t spectralStart = segment[1 + 2 * components];
  const uint8_t spectralEnd = segment[2 + 2 * components];
  const uint8_t approximationHigh = segment[3 + 2 * components] >> 4;
  for (size_t c = 0; c < components; ++c) {
    const int dc = segment[2 + 2 * c] >> 4, ac = segment[2 + 2 * c] & 15;
    if (spectralStart == 0 && approximationHigh == 0 && dc <= 3 && !(defined & TableBit(0, dc)))
      return false;
    if (spectralEnd > 0 && ac <= 3 && !(defined & TableBit(1, ac))) return false;
  }
  return true;
}

bool JpegTablesAreSafe(std::span<const uint8_t> file) {
  int defined = 0;
  size_t at = 2;  // after the start-of-image marker
  while (at + 1 < file.size()) {
    if (file[at] != 0xFF) {
      ++at;  // entropy-coded data between scans
      continue;
    }
    const uint8_t marker = file[at + 1];
    if (marker == 0xFF || marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += marker == 0xFF ? 1 : 2;  // fill byte, stuffed zero or restart marker
      continue;
    }
    if (marker == kEndOfImage) return true;
    if (file.size() - at < 4) return true;  // cut short: the decoder refuses it by itself
    const size_t length = size_t(file[at + 2]) << 8 | file[at + 3];
    // The decoder reads a table cut off by the file's end as far as it goes, counts included.
    if (marker == kHuffmanTable && length > file.size() - at - 2) return false;
    if (length < 2 || length > file.size() - at - 2) return true;
    const std::span<const uint8_t> segment = file.subspan(at + 4, length - 2);
    if (marker == kHuffmanTable && !HuffmanSegmentIsSafe(segment, defined)) return false;
    if (marker == kStartOfScan && !ScanTablesAreDefined(segment, defined)) return false;
    at += 2 + length;
  }
  return true;
}

uint32_t Little16(std::span<const uint8_t> f, size_t at) { return f[at] | uint32_t(f[at + 1]) << 8; }
uint32_t Little32(std::span<const uint8_t> f, size_t at) {
  return Little16(f, at) | Little16(f, at + 2) << 16;
}
uint32_t Big32(std::span<const uint8_t> f, size_t at) {
  return uint32_t(f[at]) << 24 | uint32_t(f[at + 1]) << 16 | uint32_t(f[at + 2]) << 8 | f[at + 3];
}

// Walks the chunks up to the first data chunk. An empty one there leaves the decoder's buffer
// unallocated when it copies the chunk's zero bytes into it. Other damage it refuses itself.
bool PngFirstDataChunkHasData(std::span<const uint8_t> file) {
  size_t at = 8;  // after the signature
  while (file.size() - at >= 8) {
    const uint32_t length = Big32(file, at);
    if (std::memcmp(&file[at + 4], "IDAT", 4) == 0) return length > 0;
    if (file.size() - at < 12 + uint64_t(length)) return true;
    at += 12 + size_t(length);
  }
  return true;
}

// Header sizes too small to name the layout are left for the decoder to refuse.
bool BmpHoldsItsPixels(std::span<const uint8_t> file) {
  if (file.size() < 30) return true;
  const uint64_t offset = Little32(file, 10);
  const bool core = Little32(file, 14) == 12;  // the old header with 16-bit sizes
  if (!core && file.size() < 34) return true;
  const uint64_t width = core ? Little16(file, 18) : Little32(file, 18);
  const int64_t height = core ? int16_t(Little16(file, 20)) : int32_t(Little32(file, 22));
  const uint64_t bits = Little16(file, core ? 24 : 28);
  const uint32_t compression = core ? 0 : Little32(file, 30);
  if (compression != 0 && compression != 3) return true;  // run-length data the decoder refuses
  const uint64_t rowBytes = (width * bits + 31) / 32 * 4;
  const uint64_t rows = height < 0 ? uint64_t(-height) : uint64_t(height);
  // Sizes this large are refused by the decoder; the product below must not wrap.
  if (width > (1u << 24) || rows > (1u << 24)) return true;
  return offset + rowBytes * rows <= file.size();
}

// Only the plain (not run-length) types have a size known before decoding.
bool TgaHoldsItsPixels(std::span<const uint8_t> file) {
  constexpr size_t kHeader = 18;
  if (file.size() < kHeader) return true;
  const uint8_t type = file[2];
  if (type != 1 && type != 2 && type != 3) return true;
  const uint64_t paletteBytes = file[1] ? Little16(file, 5) * uint64_t((file[7] + 7) / 8) : 0;
  const uint64_t pixels = uint64_t(Little16(file, 12)) * Little16(file, 14);
  const uint64_t pixelBytes = pixels * ((file[16] + 7) / 8);
  return kHeader + file[0] + paletteBytes + pixelBytes <= file.size();
}

bool IsTga(std::span<const uint8_t> file) {
  // The format has no magic number: a colour-map flag of 0 or 1 and a known image type.
  return file.size() >= 18 && file[1] <= 1 && (file[2] <= 3 || (file[2] >= 9 && file[2] <= 11));
}

}  // namespace

std::string UnsafeImageReason(std::span<const uint8_t> file) {
  if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xD8)
    return JpegTablesAreSafe(file) ? "" : "damaged or missing JPEG Huffman table";
  if (file.size() >= 8 && std::memcmp(file.data(), "\x89PNG\r\n\x1a\n", 8) == 0)
    return PngFirstDataChunkHasData(file) ? "" : "damaged PNG: its first data chunk is empty";
  if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M')
    return BmpHoldsItsPixels(file) ? "" : "BMP pixel data cut short";
  if (IsTga(file) && !TgaHoldsItsPixels(file)) return "TGA pixel data cut short";
  return "";
}

}  // namespace platform
