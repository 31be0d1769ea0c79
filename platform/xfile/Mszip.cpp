#include "platform/xfile/Mszip.h"

#include <zlib.h>

#include <memory>

namespace platform::xfile {
namespace {

constexpr size_t kBlockSize = 32768;
constexpr size_t kHeaderSize = 16;

uint32_t Read16(std::span<const uint8_t> d, size_t at) { return d[at] | (d[at + 1] << 8); }

struct Inflater {
  z_stream stream{};
  bool ready = false;
  Inflater() { ready = inflateInit2(&stream, -MAX_WBITS) == Z_OK; }
  ~Inflater() {
    if (ready) inflateEnd(&stream);
  }
};

}  // namespace

bool UnpackMszip(std::span<const uint8_t> data, std::vector<uint8_t>& out, std::string& error) {
  out.clear();
  if (data.size() < 4) {
    error = "compressed data too short";
    return false;
  }
  const uint32_t total = data[0] | (data[1] << 8) | (data[2] << 16) | (uint32_t(data[3]) << 24);
  if (total < kHeaderSize || total - kHeaderSize > kMaxUnpackedSize) {
    error = "compressed data declares an impossible size " + std::to_string(total);
    return false;
  }
  const size_t expected = total - kHeaderSize;
  Inflater inflater;
  if (!inflater.ready) {
    error = "cannot start decompression";
    return false;
  }
  size_t at = 4;
  size_t previousBlock = 0;  // where the last unpacked block starts in out
  while (out.size() < expected) {
    if (data.size() - at < 6) {
      error = "compressed data ends before its declared size";
      return false;
    }
    const size_t unpacked = Read16(data, at);
    const size_t packed = Read16(data, at + 2);
    at += 4;
    if (packed < 2 || packed > data.size() - at || data[at] != 'C' || data[at + 1] != 'K') {
      error = "damaged compressed block";
      return false;
    }
    if (unpacked == 0 || unpacked > kBlockSize || unpacked > expected - out.size()) {
      error = "compressed block has a wrong size";
      return false;
    }
    z_stream& s = inflater.stream;
    inflateReset(&s);
    if (!out.empty() &&
        inflateSetDictionary(&s, out.data() + previousBlock,
                             static_cast<uInt>(out.size() - previousBlock)) != Z_OK) {
      error = "damaged compressed block";
      return false;
    }
    const size_t start = out.size();
    out.resize(start + unpacked);
    s.next_in = const_cast<Bytef*>(data.data() + at + 2);
    s.avail_in = static_cast<uInt>(packed - 2);
    s.next_out = out.data() + start;
    s.avail_out = static_cast<uInt>(unpacked);
    const int rc = inflate(&s, Z_FINISH);
    if ((rc != Z_STREAM_END && rc != Z_BUF_ERROR && rc != Z_OK) || s.avail_out != 0) {
      error = "damaged compressed block";
      out.clear();
      return false;
    }
    previousBlock = start;
    at += packed;
  }
  return true;
}

}  // namespace platform::xfile
