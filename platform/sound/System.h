#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/sound/SoundTypes.h"

// The game's sound library: a system that owns the output device, sounds (samples and
// streams), channels (one play of a sound each), the master channel group and the 3D listener.
//
// Sound, Channel and ChannelGroup are small handles: copy them freely. A handle whose sound was
// released, or whose play finished, was stopped or was stolen, is dead: every call on it does
// nothing and answers kInvalidHandle, so a caller can tell that it must start a new play. After
// System::Close every call answers kNotRunning. Handles must not outlive their System object.
namespace platform::sound {

class System;

// What a Sound or Channel handle holds: its system, and a table slot with the generation the
// slot had when the handle was made.
class Handle {
 protected:
  Handle() = default;
  Handle(System* system, uint32_t index, uint32_t generation)
      : system_(system), index_(index), generation_(generation) {}
  System* system_ = nullptr;
  uint32_t index_ = 0, generation_ = 0;
};

// A loaded sound file. A sample is decoded whole when it is created and may play on any number
// of channels at once. A stream is decoded while it plays, a few buffers ahead, and plays on one
// channel at a time: playing it again stops its earlier play.
class Sound : private Handle {
 public:
  Sound() = default;
  bool IsValid() const;
  // Stops every play of the sound and frees it.
  Result Release();
  // Settings that plays started afterwards begin with (defaults: no loop, volume 1, minimum
  // distance 1, maximum distance 10000). Each file always plays at its own sample rate.
  Result SetLoop(bool loop);
  Result SetDefaultVolume(float volume);                  // clamped to 0..1
  Result Set3DMinMaxDistance(float minimum, float maximum);  // see Channel

 private:
  friend class System;
  using Handle::Handle;
};

// One play of a sound on one voice of the fixed voice pool.
class Channel : private Handle {
 public:
  Channel() = default;
  // True while the play holds its voice, paused or not; false once it is dead.
  bool IsPlaying() const;
  // Ends the play at once and gives its voice back; the handle is dead afterwards.
  Result Stop();
  Result SetPaused(bool paused);  // resuming continues where the pause left off
  Result GetPaused(bool* paused) const;
  Result SetVolume(float volume);  // clamped to 0..1; multiplied by the master group's volume
  Result SetLoop(bool loop);
  // World position of a 3D play (ignored for 2D plays).
  Result Set3DAttributes(const Vec3& position);
  // Inverse-distance roll-off: full volume up to the minimum distance, then minimum / distance,
  // held from the maximum distance on. The minimum is raised to at least 1 and the maximum to
  // at least the minimum.
  Result Set3DMinMaxDistance(float minimum, float maximum);
  // Play position in milliseconds from the start of the file.
  Result SetPositionMs(uint32_t ms);
  Result GetPositionMs(uint32_t* ms) const;

 private:
  friend class System;
  using Handle::Handle;
};

// The master channel group: one volume over every channel.
class ChannelGroup {
 public:
  ChannelGroup() = default;
  Result SetVolume(float volume);  // clamped to 0..1
  Result GetVolume(float* volume) const;

 private:
  friend class System;
  explicit ChannelGroup(System* system) : system_(system) {}
  System* system_ = nullptr;
};

struct InitSettings {
  int maxVoices = 100;     // size of the voice pool, 1..256
  std::string deviceName;  // empty: the system's default output device
};

class System {
 public:
  System();
  ~System();
  System(const System&) = delete;
  System& operator=(const System&) = delete;

  // Opens the output device. kNoDevice when there is none: the system then stays silent and
  // every later call is a quiet no-op answering kNotRunning.
  Result Init(const InitSettings& settings);
  // Mixes into memory instead of a device, only when RenderLoopback asks: output that can be
  // inspected, the same on every run. Stereo, 32-bit float at the given rate.
  Result InitLoopback(int maxVoices, int sampleRate);
  // Mixes the next `frames` frames of a loopback system into `out` (2 floats per frame).
  Result RenderLoopback(float* out, int frames);
  // Stops everything, frees every sound and closes the device.
  void Close();
  bool IsRunning() const;

  // Roll-off scale multiplies every 3D play's roll-off (1: the plain inverse distance law);
  // the Doppler scale and distance factor only matter for moving sounds.
  Result Set3DSettings(float dopplerScale, float distanceFactor, float rolloffScale);

  // Opens a sound file (WAV, OGG Vorbis, FLAC and whatever else the decoder reads). The path is
  // looked up case-insensitively, with '\' as a separator. On failure LastError() holds a line
  // naming the file and the fault.
  Result CreateSample(const std::string& path, Dim dim, Sound* sound);
  Result CreateStream(const std::string& path, Dim dim, Sound* sound);

  // Starts a play on a free voice. When every voice is busy the oldest play that is neither
  // paused nor looping is stopped to make room (its handle dies); when there is none,
  // kNoFreeVoice. `channel` may be null for a play nobody needs to touch again.
  Result PlaySound(const Sound& sound, bool paused, Channel* channel);

  ChannelGroup GetMasterChannelGroup();

  // The ear: position, facing and up, in the game's frame. Forward and up need not be unit or
  // exactly perpendicular; when they are parallel or zero the facing is kept and kInvalidParam
  // returned (the position is still taken).
  Result Set3DListenerAttributes(const Vec3& position, const Vec3& forward, const Vec3& up);

  // Once per frame: refills streams and retires finished plays. Streams hold 0.4 s of sound, so
  // frames up to 0.3 s apart play without a gap.
  Result Update();

  // The last failure of Init or of opening a sound, as one line naming the device or file.
  const std::string& LastError() const;

  struct Impl;

 private:
  friend struct HandleAccess;
  Result Create(const std::string& path, Dim dim, bool stream, Sound* sound);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::sound
