#include "platform/sound/CutShortCheck.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace platform::sound {
namespace {

// The largest Ogg page: 27-byte header, 255 lacing values of up to 255 bytes each.
constexpr size_t kMaxOggPage = 27 + 255 + 255 * 255;
// A WAV with more chunks than this before its data is not worth reading further here.
constexpr int kMaxWavChunks = 64;
constexpr const char* kCutPage = "the file is cut short: its last Ogg page is incomplete";

uint32_t Little32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::vector<uint8_t> ReadAt(std::ifstream& in, uint64_t at, size_t count) {
  std::vector<uint8_t> bytes(count);
  in.clear();
  in.seekg(std::streamoff(at));
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(count));
  bytes.resize(size_t(in.gcount()));
  return bytes;
}

std::string WavReason(std::ifstream& in, uint64_t size) {
  uint64_t at = 12;
  for (int chunk = 0; chunk < kMaxWavChunks && at + 8 <= size; ++chunk) {
    const std::vector<uint8_t> header = ReadAt(in, at, 8);
    if (header.size() < 8) return "";
    const uint64_t length = Little32(&header[4]);
    at += 8;
    if (std::memcmp(header.data(), "data", 4) == 0) {
      // Writers that stream their output leave the size unset (0 or all ones): no promise.
      if (length == 0 || length == 0xFFFFFFFF || length <= size - at) return "";
      return "the file is cut short: its sound data holds " + std::to_string(size - at) + " of " +
             std::to_string(length) + " bytes";
    }
    at += length + (length & 1);  // chunks are padded to even sizes
  }
  return "";
}

// Finds the last page start and checks that the whole page is there. A stray "OggS" inside
// the sound data could mislead it, at odds of one in four billion per byte.
std::string OggReason(std::ifstream& in, uint64_t size) {
  const uint64_t start = size > kMaxOggPage ? size - kMaxOggPage : 0;
  const std::vector<uint8_t> tail = ReadAt(in, start, size_t(size - start));
  for (size_t at = tail.size() >= 4 ? tail.size() - 3 : 0; at-- > 0;) {
    if (std::memcmp(&tail[at], "OggS", 4) != 0) continue;
    const size_t left = tail.size() - at;
    if (left < 27 || left < 27 + size_t(tail[at + 26])) return kCutPage;
    const size_t segments = tail[at + 26];
    size_t page = 27 + segments;
    for (size_t s = 0; s < segments; ++s) page += tail[at + 27 + s];
    return page <= left ? "" : kCutPage;
  }
  return "";
}

}  // namespace

bool IsOggFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[4] = {};
  return in.read(magic, 4) && std::memcmp(magic, "OggS", 4) == 0;
}

std::string CutShortReason(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return "";
  const uint64_t size = uint64_t(in.tellg());
  const std::vector<uint8_t> head = ReadAt(in, 0, 12);
  if (head.size() < 12) return "";
  if (std::memcmp(head.data(), "RIFF", 4) == 0 && std::memcmp(&head[8], "WAVE", 4) == 0)
    return WavReason(in, size);
  if (std::memcmp(head.data(), "OggS", 4) == 0) return OggReason(in, size);
  return "";
}

}  // namespace platform::sound
