#include <AL/al.h>
#include <AL/alext.h>

#include "platform/sound/Frame.h"
#include "platform/sound/SystemImpl.h"

// The voice pool: starting plays, retiring finished ones, stealing, and the Channel handle.
namespace platform::sound {
namespace {

ALint SourceState(unsigned source) {
  ALint state = AL_STOPPED;
  alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state;
}

}  // namespace

Voice* System::Impl::TakeVoice() {
  auto findFree = [this]() -> Voice* {
    for (Voice& voice : voices) {
      if (voice.generation == 0) return &voice;
    }
    return nullptr;
  };
  if (Voice* voice = findFree()) return voice;
  Update();  // plays that ended since the last frame give their voices back
  if (Voice* voice = findFree()) return voice;
  // Steal the play that has run longest among those nobody will resume or keep going: paused
  // and looping plays belong to owners that expect them back.
  Voice* oldest = nullptr;
  for (Voice& voice : voices) {
    if (!voice.paused && !voice.loop && (!oldest || voice.started < oldest->started)) {
      oldest = &voice;
    }
  }
  if (oldest) Free(*oldest);
  return oldest;
}

Result System::Impl::Play(uint32_t soundIndex, bool paused, uint32_t* voiceIndex) {
  SoundSlot& slot = sounds[soundIndex];
  if (slot.stream && slot.streamVoice >= 0) Free(voices[slot.streamVoice]);
  Voice* voice = TakeVoice();
  if (!voice) return Result::kNoFreeVoice;
  voice->generation = nextGeneration++;
  voice->sound = soundIndex;
  voice->paused = paused;
  voice->loop = slot.loop;
  voice->volume = slot.volume;
  voice->started = ++plays;
  const unsigned source = voice->source;
  const bool threeD = slot.dim == Dim::k3D;
  // 2D plays sit on the listener's head; 3D plays start at the world origin until placed.
  alSourcei(source, AL_SOURCE_RELATIVE, threeD ? AL_FALSE : AL_TRUE);
  alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
  if (device.HasDirectChannels()) {
    alSourcei(source, AL_DIRECT_CHANNELS_SOFT, slot.stereo ? AL_TRUE : AL_FALSE);
  }
  ApplyGain(*voice);
  ApplyRolloff(*voice);
  ApplyDistances(*voice, slot.minDistance, slot.maxDistance);
  if (slot.stream) {
    alSourcei(source, AL_LOOPING, AL_FALSE);
    if (!slot.stream->Start(source, 0, voice->loop)) {
      Free(*voice);
      lastError = slot.path + ": no sound data";
      return Result::kBadFile;
    }
    slot.streamVoice = static_cast<int>(voice - voices.data());
  } else {
    alSourcei(source, AL_BUFFER, static_cast<ALint>(slot.buffer));
    alSourcei(source, AL_LOOPING, voice->loop ? AL_TRUE : AL_FALSE);
  }
  if (!paused) alSourcePlay(source);
  *voiceIndex = static_cast<uint32_t>(voice - voices.data());
  return Result::kOk;
}

Voice* System::Impl::FindVoice(uint32_t index, uint32_t generation, Result* result) {
  if (!Enter(result)) return nullptr;
  if (generation == 0 || index >= voices.size() || voices[index].generation != generation ||
      !Poll(voices[index])) {
    *result = Result::kInvalidHandle;
    return nullptr;
  }
  return &voices[index];
}

bool System::Impl::Poll(Voice& voice) {
  SoundSlot& slot = sounds[voice.sound];
  const ALint state = SourceState(voice.source);
  if (!slot.stream) {
    // A stopped sample is over, paused or not: resuming it would start it again.
    if (state != AL_STOPPED) return true;
    Free(voice);
    return false;
  }
  if (!slot.stream->Service(voice.source, voice.loop)) {
    Free(voice);
    return false;
  }
  // The source ran dry before this refill (a long frame): carry on, or wait at the queue's
  // head when paused.
  if (state == AL_STOPPED) {
    if (voice.paused) {
      alSourceRewind(voice.source);
    } else {
      alSourcePlay(voice.source);
    }
  }
  return true;
}

void System::Impl::Free(Voice& voice) {
  SoundSlot& slot = sounds[voice.sound];
  if (slot.stream) {
    slot.stream->Detach(voice.source);
    slot.streamVoice = -1;
  } else {
    alSourceStop(voice.source);
    alSourcei(voice.source, AL_BUFFER, 0);
  }
  // A stopped source would look finished to its next play before that play began.
  alSourceRewind(voice.source);
  voice.generation = 0;
}

void System::Impl::ApplyGain(const Voice& voice) const {
  alSourcef(voice.source, AL_GAIN, voice.volume * masterVolume);
}

void System::Impl::ApplyRolloff(const Voice& voice) const {
  const bool threeD = sounds[voice.sound].dim == Dim::k3D;
  alSourcef(voice.source, AL_ROLLOFF_FACTOR, threeD ? rolloffScale : 0.0f);
}

void System::Impl::ApplyDistances(const Voice& voice, float minimum, float maximum) const {
  alSourcef(voice.source, AL_REFERENCE_DISTANCE, minimum);
  alSourcef(voice.source, AL_MAX_DISTANCE, maximum);
}

Result System::Impl::SeekVoice(Voice& voice, uint32_t ms) {
  const SoundSlot& slot = sounds[voice.sound];
  const int64_t frame = static_cast<int64_t>(ms) * slot.rate / 1000;
  if (frame >= slot.frames) return Result::kInvalidParam;
  if (!slot.stream) {
    alSourcei(voice.source, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
    return Result::kOk;
  }
  if (!slot.stream->Start(voice.source, frame, voice.loop)) {
    Free(voice);
    return Result::kInvalidHandle;
  }
  if (!voice.paused) alSourcePlay(voice.source);
  return Result::kOk;
}

uint32_t System::Impl::VoicePositionMs(const Voice& voice) const {
  const SoundSlot& slot = sounds[voice.sound];
  int64_t frame = 0;
  if (slot.stream) {
    frame = slot.stream->Position(voice.source);
  } else {
    ALint offset = 0;
    alGetSourcei(voice.source, AL_SAMPLE_OFFSET, &offset);
    frame = offset;
  }
  return static_cast<uint32_t>(frame * 1000 / slot.rate);
}

bool Channel::IsPlaying() const {
  return HandleAccess::WithVoice(system_, index_, generation_, [](System::Impl&, Voice&) {
           return Result::kOk;
         }) == Result::kOk;
}

Result Channel::Stop() {
  return HandleAccess::WithVoice(system_, index_, generation_, [](System::Impl& impl, Voice& voice) {
    impl.Free(voice);
    return Result::kOk;
  });
}

Result Channel::SetPaused(bool paused) {
  return HandleAccess::WithVoice(system_, index_, generation_, [paused](System::Impl&, Voice& voice) {
    voice.paused = paused;
    const ALint state = SourceState(voice.source);
    if (paused && state == AL_PLAYING) alSourcePause(voice.source);
    // Playing a playing source would restart it; an unstarted one starts, a paused one resumes.
    if (!paused && (state == AL_PAUSED || state == AL_INITIAL)) alSourcePlay(voice.source);
    return Result::kOk;
  });
}

Result Channel::GetPaused(bool* paused) const {
  if (!paused) return Result::kInvalidParam;
  return HandleAccess::WithVoice(system_, index_, generation_, [paused](System::Impl&, Voice& voice) {
    *paused = voice.paused;
    return Result::kOk;
  });
}

Result Channel::SetVolume(float volume) {
  return HandleAccess::WithVoice(system_, index_, generation_, [volume](System::Impl& impl, Voice& voice) {
    voice.volume = ClampVolume(volume);
    impl.ApplyGain(voice);
    return Result::kOk;
  });
}

Result Channel::SetLoop(bool loop) {
  return HandleAccess::WithVoice(system_, index_, generation_, [loop](System::Impl& impl, Voice& voice) {
    voice.loop = loop;
    // A stream loops by seeking its decoder as it refills.
    if (!impl.sounds[voice.sound].stream) alSourcei(voice.source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    return Result::kOk;
  });
}

Result Channel::Set3DAttributes(const Vec3& position) {
  return HandleAccess::WithVoice(system_, index_, generation_, [&position](System::Impl& impl, Voice& voice) {
    if (impl.sounds[voice.sound].dim == Dim::k3D) {
      auto p = ToLibraryFrame(position);
      alSource3f(voice.source, AL_POSITION, p[0], p[1], p[2]);
    }
    return Result::kOk;
  });
}

Result Channel::Set3DMinMaxDistance(float minimum, float maximum) {
  return HandleAccess::WithVoice(system_, index_, generation_, [=](System::Impl& impl, Voice& voice) {
    float lo = 1.0f, hi = 1.0f;
    ClampDistances(minimum, maximum, &lo, &hi);
    impl.ApplyDistances(voice, lo, hi);
    return Result::kOk;
  });
}

Result Channel::SetPositionMs(uint32_t ms) {
  return HandleAccess::WithVoice(system_, index_, generation_, [ms](System::Impl& impl, Voice& voice) {
    return impl.SeekVoice(voice, ms);
  });
}

Result Channel::GetPositionMs(uint32_t* ms) const {
  if (!ms) return Result::kInvalidParam;
  return HandleAccess::WithVoice(system_, index_, generation_, [ms](System::Impl& impl, Voice& voice) {
    *ms = impl.VoicePositionMs(voice);
    return Result::kOk;
  });
}

Result ChannelGroup::SetVolume(float volume) {
  System::Impl* impl = HandleAccess::Of(system_);
  if (!impl) return Result::kInvalidHandle;
  Result result = Result::kOk;
  if (!impl->Enter(&result)) return result;
  impl->masterVolume = ClampVolume(volume);
  for (const Voice& voice : impl->voices) {
    if (voice.generation != 0) impl->ApplyGain(voice);
  }
  return result;
}

Result ChannelGroup::GetVolume(float* volume) const {
  if (!volume) return Result::kInvalidParam;
  System::Impl* impl = HandleAccess::Of(system_);
  if (!impl) return Result::kInvalidHandle;
  Result result = Result::kOk;
  if (impl->Enter(&result)) *volume = impl->masterVolume;
  return result;
}

}  // namespace platform::sound
