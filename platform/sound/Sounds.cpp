#include <AL/al.h>

#include <algorithm>

#include "platform/sound/SystemImpl.h"

// The sound table: opening files as samples or streams, finding and releasing them, and the
// Sound handle.
namespace platform::sound {
namespace {

// A sample is decoded whole into memory: at most 64 MB of it (six minutes of CD-quality
// stereo), whatever a compressed file might expand to. Anything longer should be a stream.
constexpr size_t kMaxSampleValues = size_t{32} << 20;

}  // namespace

Result System::Impl::CreateSound(const std::string& path, Dim dim, bool stream, uint32_t* index) {
  Result result = Result::kOk;
  if (!Enter(&result)) return result;
  std::unique_ptr<Decoder> decoder = Decoder::Open(path, dim == Dim::k3D, &result, &lastError);
  if (!decoder) return result;
  SoundSlot slot;
  slot.path = path;
  slot.dim = dim;
  slot.stereo = decoder->Channels() == 2;
  slot.rate = decoder->Rate();
  if (stream) {
    slot.frames = decoder->Frames();
    slot.stream = std::make_unique<StreamQueue>(std::move(decoder));
  } else {
    std::vector<int16_t> pcm;
    if (!decoder->ReadAll(kMaxSampleValues / decoder->Channels(), &pcm)) {
      lastError = path + ": too long to decode whole; open it as a stream";
      return Result::kBadFile;
    }
    slot.frames = static_cast<int64_t>(pcm.size() / decoder->Channels());
    if (slot.frames == 0) {
      lastError = path + ": no sound data";
      return Result::kBadFile;
    }
    alGetError();
    alGenBuffers(1, &slot.buffer);
    alBufferData(slot.buffer, slot.stereo ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm.data(),
                 static_cast<ALsizei>(pcm.size() * sizeof(int16_t)), slot.rate);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteBuffers(1, &slot.buffer);
      lastError = path + ": the sound library refused the decoded sound";
      return Result::kBadFile;
    }
  }
  auto free = std::find_if(sounds.begin(), sounds.end(),
                           [](const SoundSlot& s) { return s.generation == 0; });
  if (free == sounds.end()) free = sounds.insert(sounds.end(), SoundSlot());
  slot.generation = nextGeneration++;
  *free = std::move(slot);
  *index = static_cast<uint32_t>(free - sounds.begin());
  return Result::kOk;
}

SoundSlot* System::Impl::FindSound(uint32_t index, uint32_t generation, Result* result) {
  if (!Enter(result)) return nullptr;
  if (generation == 0 || index >= sounds.size() || sounds[index].generation != generation) {
    *result = Result::kInvalidHandle;
    return nullptr;
  }
  return &sounds[index];
}

void System::Impl::ReleaseSound(uint32_t index) {
  for (Voice& voice : voices) {
    if (voice.generation != 0 && voice.sound == index) Free(voice);
  }
  SoundSlot& slot = sounds[index];
  if (slot.buffer != 0) alDeleteBuffers(1, &slot.buffer);
  slot = SoundSlot();
}

bool Sound::IsValid() const {
  return HandleAccess::WithSound(system_, index_, generation_,
                                 [](System::Impl&, SoundSlot&) {}) == Result::kOk;
}

Result Sound::Release() {
  return HandleAccess::WithSound(system_, index_, generation_,
                                 [this](System::Impl& impl, SoundSlot&) { impl.ReleaseSound(index_); });
}

Result Sound::SetLoop(bool loop) {
  return HandleAccess::WithSound(system_, index_, generation_,
                                 [loop](System::Impl&, SoundSlot& slot) { slot.loop = loop; });
}

Result Sound::SetDefaultVolume(float volume) {
  return HandleAccess::WithSound(system_, index_, generation_, [volume](System::Impl&, SoundSlot& slot) {
    slot.volume = ClampVolume(volume);
  });
}

Result Sound::Set3DMinMaxDistance(float minimum, float maximum) {
  return HandleAccess::WithSound(system_, index_, generation_, [=](System::Impl&, SoundSlot& slot) {
    ClampDistances(minimum, maximum, &slot.minDistance, &slot.maxDistance);
  });
}

}  // namespace platform::sound
