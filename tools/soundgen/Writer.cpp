#include "tools/soundgen/Writer.h"

#include <sndfile.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace soundgen {
namespace {

bool Write(const std::string& path, const Clip& clip, int format, double quality) {
  SF_INFO info{};
  info.samplerate = clip.rate;
  info.channels = clip.channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  if (quality >= 0.0) sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof(quality));
  sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
  const sf_count_t frames = static_cast<sf_count_t>(clip.Frames());
  bool ok = sf_writef_float(file, clip.samples.data(), frames) == frames;
  return sf_close(file) == 0 && ok;
}

// The page checksum of the OGG container: CRC-32, polynomial 0x04c11db7, not reflected.
uint32_t OggCrc(const uint8_t* data, size_t size) {
  uint32_t crc = 0;
  for (size_t i = 0; i < size; ++i) {
    crc ^= static_cast<uint32_t>(data[i]) << 24;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
  }
  return crc;
}

void PutLe32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The encoder picks a serial number from the clock; replace it in every page and re-sum.
bool FixSerial(const std::string& path, uint32_t serial) {
  std::vector<uint8_t> bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  constexpr size_t kHeader = 27;
  for (size_t page = 0; page < bytes.size();) {
    if (bytes.size() - page < kHeader || std::string(bytes.begin() + page, bytes.begin() + page + 4) != "OggS") {
      return false;
    }
    const size_t segments = bytes[page + 26];
    if (bytes.size() - page < kHeader + segments) return false;
    size_t size = kHeader + segments;
    for (size_t s = 0; s < segments; ++s) size += bytes[page + kHeader + s];
    if (bytes.size() - page < size) return false;
    PutLe32(&bytes[page + 14], serial);
    PutLe32(&bytes[page + 22], 0);
    PutLe32(&bytes[page + 22], OggCrc(&bytes[page], size));
    page += size;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

bool WriteWav(const std::string& path, const Clip& clip) {
  return Write(path, clip, SF_FORMAT_WAV | SF_FORMAT_PCM_16, -1.0);
}

bool WriteOgg(const std::string& path, const Clip& clip, double quality) {
  return Write(path, clip, SF_FORMAT_OGG | SF_FORMAT_VORBIS, quality) && FixSerial(path, 0x56520001u);
}

}  // namespace soundgen
