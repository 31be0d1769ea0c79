#include "platform/render/JpegCheck.h"

namespace platform {
namespace {

constexpr uint8_t kHuffmanTable = 0xC4;
constexpr uint8_t kEndOfImage = 0xD9;

// Every Huffman table of a DHT segment must list at most 256 codes and fit the segment.
bool HuffmanSegmentIsSafe(std::span<const uint8_t> segment) {
  size_t at = 0;
  while (at < segment.size()) {
    if (segment.size() - at < 17) return false;
    size_t codes = 0;
    for (size_t i = 1; i <= 16; ++i) codes += segment[at + i];
    if (codes > 256 || codes > segment.size() - at - 17) return false;
    at += 17 + codes;
  }
  return true;
}

}  // namespace

bool JpegTablesAreSafe(std::span<const uint8_t> file) {
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
    if (length < 2 || length > file.size() - at - 2) return true;
    if (marker == kHuffmanTable && !HuffmanSegmentIsSafe(file.subspan(at + 4, length - 2)))
      return false;
    at += 2 + length;
  }
  return true;
}

}  // namespace platform
