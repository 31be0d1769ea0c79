#include "platform/sound/VorbisSource.h"

#include <vorbis/vorbisfile.h>

#include <climits>

namespace platform::sound {
namespace {

// A damaged stream may report a hole at every packet; past this many in a row it is given up.
constexpr int kMaxHolesInARow = 64;

const char* Reason(int code) {
  switch (code) {
    case OV_ENOTVORBIS: return "not an Ogg Vorbis file";
    case OV_EBADHEADER: return "damaged Vorbis header";
    case OV_EVERSION: return "unsupported Vorbis version";
    case OV_EREAD: return "read error";
    default: return "damaged Ogg Vorbis file";
  }
}

}  // namespace

struct VorbisSource::File {
  OggVorbis_File vf{};
};

std::unique_ptr<SoundSource> VorbisSource::Open(const std::string& path, std::string* why) {
  auto file = std::make_unique<File>();
  // ov_fopen closes the file and frees the decoder's set-up itself when it refuses.
  if (const int code = ov_fopen(path.c_str(), &file->vf); code != 0) {
    *why = code == -1 ? "cannot be read" : Reason(code);
    return nullptr;
  }
  const vorbis_info* info = ov_info(&file->vf, 0);
  const ogg_int64_t total = ov_pcm_total(&file->vf, 0);
  const int channels = info ? info->channels : 0;
  const int rate = info && info->rate > 0 && info->rate <= INT_MAX ? int(info->rate) : 0;
  return std::unique_ptr<SoundSource>(new VorbisSource(std::move(file), channels, rate, total < 0 ? -1 : total));
}

VorbisSource::VorbisSource(std::unique_ptr<File> file, int channels, int rate, int64_t frames)
    : SoundSource(channels, rate, frames), file_(std::move(file)) {}

VorbisSource::~VorbisSource() { ov_clear(&file_->vf); }

int64_t VorbisSource::Read(int16_t* out, int64_t frames) {
  const int64_t frameBytes = 2 * int64_t(Channels());
  char* bytes = reinterpret_cast<char*>(out);
  int64_t got = 0;
  int holes = 0;
  while (!failed_ && got < frames * frameBytes && holes < kMaxHolesInARow) {
    int section = 0;
    const int64_t want = frames * frameBytes - got;
    const long n = ov_read(&file_->vf, bytes + got, int(want > INT_MAX ? INT_MAX : want), 0, 2, 1, &section);
    if (n == 0) break;
    if (n == OV_HOLE) {
      ++holes;
      continue;
    }
    if (n < 0) {
      failed_ = true;
      break;
    }
    // A chained stream may change its channel count; its later links are not ours to mix.
    if (section != 0) break;
    holes = 0;
    got += n;
  }
  return got / frameBytes;
}

// libvorbis divides by zero when asked to seek in a stream whose decoding has failed.
bool VorbisSource::Seek(int64_t frame) { return !failed_ && ov_pcm_seek(&file_->vf, frame) == 0; }

}  // namespace platform::sound
