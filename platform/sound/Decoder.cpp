#include "platform/sound/Decoder.h"

#include <sndfile.h>
#include <sys/stat.h>

#include "platform/core/Files.h"

namespace platform::sound {
namespace {

SNDFILE* AsFile(void* p) { return static_cast<SNDFILE*>(p); }

constexpr int kMaxFileChannels = 8;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;

std::unique_ptr<Decoder> Fail(Result code, const std::string& message, Result* result,
                              std::string* error) {
  *result = code;
  *error = message;
  return nullptr;
}

}  // namespace

std::unique_ptr<Decoder> Decoder::Open(const std::string& path, bool mono, Result* result,
                                       std::string* error) {
  const std::string resolved = platform::ResolvePath(path);
  struct stat st {};
  if (::stat(resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    return Fail(Result::kFileNotFound, path + ": no such sound file", result, error);
  }
  if (st.st_size == 0) return Fail(Result::kBadFile, path + ": the file is empty", result, error);
  SF_INFO info{};
  SNDFILE* file = sf_open(resolved.c_str(), SFM_READ, &info);
  if (!file) {
    return Fail(Result::kBadFile, path + ": " + sf_strerror(nullptr), result, error);
  }
  std::string fault;
  if (info.channels < 1 || info.channels > kMaxFileChannels) {
    fault = "unsupported channel count " + std::to_string(info.channels);
  } else if (info.samplerate < kMinRate || info.samplerate > kMaxRate) {
    fault = "unsupported sample rate " + std::to_string(info.samplerate);
  } else if (info.frames <= 0) {
    fault = "no sound data";
  }
  if (!fault.empty()) {
    sf_close(file);
    return Fail(Result::kBadFile, path + ": " + fault, result, error);
  }
  const int channels = (!mono && info.channels == 2) ? 2 : 1;
  *result = Result::kOk;
  return std::unique_ptr<Decoder>(new Decoder(file, info.channels, channels, info.samplerate, info.frames));
}

Decoder::Decoder(void* file, int fileChannels, int channels, int rate, int64_t frames)
    : file_(file), fileChannels_(fileChannels), channels_(channels), rate_(rate), frames_(frames) {}

Decoder::~Decoder() { sf_close(AsFile(file_)); }

size_t Decoder::Read(int16_t* out, size_t frames) {
  if (fileChannels_ == channels_) {
    sf_count_t got = sf_readf_short(AsFile(file_), out, static_cast<sf_count_t>(frames));
    return got > 0 ? static_cast<size_t>(got) : 0;
  }
  scratch_.resize(frames * fileChannels_);
  sf_count_t got = sf_readf_short(AsFile(file_), scratch_.data(), static_cast<sf_count_t>(frames));
  if (got <= 0) return 0;
  // Only mono comes out of a mix-down: the average of every channel.
  for (sf_count_t f = 0; f < got; ++f) {
    int sum = 0;
    for (int c = 0; c < fileChannels_; ++c) sum += scratch_[f * fileChannels_ + c];
    out[f] = static_cast<int16_t>(sum / fileChannels_);
  }
  return static_cast<size_t>(got);
}

bool Decoder::Seek(int64_t frame) { return sf_seek(AsFile(file_), frame, SEEK_SET) == frame; }

bool Decoder::ReadAll(size_t maxFrames, std::vector<int16_t>* out) {
  constexpr size_t kChunk = 16384;
  size_t frames = 0;
  for (;;) {
    out->resize((frames + kChunk) * channels_);
    size_t got = Read(out->data() + frames * channels_, kChunk);
    frames += got;
    if (frames > maxFrames) return false;
    if (got < kChunk) break;
  }
  out->resize(frames * channels_);
  return true;
}

}  // namespace platform::sound
