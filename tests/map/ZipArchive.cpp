#include "tests/map/ZipArchive.h"

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  uint32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) {
  uint16_t v;
  std::memcpy(&v, b.data() + at, 2);
  return v;
}

}  // namespace

ZipArchive::ZipArchive(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (bytes_.size() < 22) return;
  size_t end = bytes_.size() - 22;
  while (end > 0 && Read32(bytes_, end) != 0x06054b50) --end;
  if (Read32(bytes_, end) != 0x06054b50) return;
  uint16_t count = Read16(bytes_, end + 10);
  size_t at = Read32(bytes_, end + 16);
  for (uint16_t i = 0; i < count && at + 46 <= bytes_.size(); ++i) {
    if (Read32(bytes_, at) != 0x02014b50) break;
    Entry e;
    e.method = Read16(bytes_, at + 10);
    e.compressedSize = Read32(bytes_, at + 20);
    e.size = Read32(bytes_, at + 24);
    uint16_t nameLength = Read16(bytes_, at + 28);
    uint16_t extra = Read16(bytes_, at + 30), comment = Read16(bytes_, at + 32);
    e.localHeader = Read32(bytes_, at + 42);
    e.name.assign(reinterpret_cast<const char*>(bytes_.data() + at + 46), nameLength);
    entries_.push_back(e);
    at += 46 + nameLength + extra + comment;
  }
}

std::vector<uint8_t> ZipArchive::Extract(const Entry& e) const {
  size_t at = e.localHeader;
  if (at + 30 > bytes_.size() || Read32(bytes_, at) != 0x04034b50)
    throw std::runtime_error("bad local header: " + e.name);
  size_t data = at + 30 + Read16(bytes_, at + 26) + Read16(bytes_, at + 28);
  if (data + e.compressedSize > bytes_.size()) throw std::runtime_error("truncated: " + e.name);
  std::vector<uint8_t> out(e.size);
  if (e.method == 0) {
    std::memcpy(out.data(), bytes_.data() + data, e.size);
    return out;
  }
  z_stream z{};
  if (e.method != 8 || inflateInit2(&z, -MAX_WBITS) != Z_OK)
    throw std::runtime_error("unsupported entry: " + e.name);
  z.next_in = const_cast<Bytef*>(bytes_.data() + data);
  z.avail_in = e.compressedSize;
  z.next_out = out.data();
  z.avail_out = e.size;
  int result = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (result != Z_STREAM_END || z.total_out != e.size)
    throw std::runtime_error("inflate failed: " + e.name);
  return out;
}

std::string ThirdPartyMapPackage() {
  const char* path = "/usr/share/games/openarena/baseoa/pak1-maps.pk3";
  return std::ifstream(path).good() ? path : "";
}
