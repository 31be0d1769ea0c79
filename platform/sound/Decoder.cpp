#include "platform/sound/Decoder.h"

#include <sys/stat.h>

#include "platform/core/Files.h"
#include "platform/sound/CutShortCheck.h"
#include "platform/sound/SndfileSource.h"
#include "platform/sound/VorbisSource.h"

namespace platform::sound {
namespace {

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
  if (const std::string cut = CutShortReason(resolved); !cut.empty())
    return Fail(Result::kBadFile, path + ": " + cut, result, error);
  std::string why;
  std::unique_ptr<SoundSource> source =
      IsOggFile(resolved) ? VorbisSource::Open(resolved, &why) : SndfileSource::Open(resolved, &why);
  if (!source) return Fail(Result::kBadFile, path + ": " + why, result, error);
  std::string fault;
  if (source->Channels() < 1 || source->Channels() > kMaxFileChannels) {
    fault = "unsupported channel count " + std::to_string(source->Channels());
  } else if (source->Rate() < kMinRate || source->Rate() > kMaxRate) {
    fault = "unsupported sample rate " + std::to_string(source->Rate());
  } else if (source->Frames() < 0) {
    fault = "the length of the sound data is unknown";
  } else if (source->Frames() == 0) {
    fault = "no sound data";
  }
  if (!fault.empty()) return Fail(Result::kBadFile, path + ": " + fault, result, error);
  const int channels = (!mono && source->Channels() == 2) ? 2 : 1;
  *result = Result::kOk;
  return std::unique_ptr<Decoder>(new Decoder(std::move(source), channels));
}

Decoder::Decoder(std::unique_ptr<SoundSource> source, int channels)
    : source_(std::move(source)), channels_(channels) {}

Decoder::~Decoder() = default;

size_t Decoder::Read(int16_t* out, size_t frames) {
  const int fileChannels = source_->Channels();
  if (fileChannels == channels_) return size_t(source_->Read(out, int64_t(frames)));
  scratch_.resize(frames * fileChannels);
  const int64_t got = source_->Read(scratch_.data(), int64_t(frames));
  // Only mono comes out of a mix-down: the average of every channel.
  for (int64_t f = 0; f < got; ++f) {
    int sum = 0;
    for (int c = 0; c < fileChannels; ++c) sum += scratch_[f * fileChannels + c];
    out[f] = static_cast<int16_t>(sum / fileChannels);
  }
  return size_t(got);
}

bool Decoder::Seek(int64_t frame) { return source_->Seek(frame); }

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
