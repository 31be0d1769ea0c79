#include "platform/sound/System.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/sound/Frame.h"
#include "platform/sound/SystemImpl.h"

namespace platform::sound {
namespace {

constexpr int kMaxVoices = 256;
constexpr float kSpeedOfSoundMetres = 343.3f;

float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Scaled(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }

// Unit length, or false for a vector too short to have a direction.
bool Normalise(Vec3* v) {
  float length = std::sqrt(Dot(*v, *v));
  if (!(length > 1e-6f)) return false;
  *v = Scaled(*v, 1.0f / length);
  return true;
}

// Systems running now. A fatal error may end the program from anywhere with exit(); the
// systems still running are stopped then, so that their devices are closed as the sound
// library expects of every device.
std::vector<System::Impl*>& RunningSystems() {
  static std::vector<System::Impl*> running;
  return running;
}

void StopRunningSystems() {
  while (!RunningSystems().empty()) RunningSystems().back()->Stop();
}

void Remember(System::Impl* system) {
  // The list is made before the exit hook is registered, so that it outlives the hook's run.
  std::vector<System::Impl*>& running = RunningSystems();
  static const bool hooked = std::atexit(StopRunningSystems) == 0;
  (void)hooked;
  running.push_back(system);
}

void Forget(System::Impl* system) {
  std::vector<System::Impl*>& running = RunningSystems();
  running.erase(std::remove(running.begin(), running.end(), system), running.end());
}

}  // namespace

bool System::Impl::Enter(Result* result) const {
  if (!device.IsOpen()) {
    *result = Result::kNotRunning;
    return false;
  }
  device.MakeCurrent();
  return true;
}

Result System::Impl::Start(Result opened, int maxVoices) {
  if (opened != Result::kOk) return opened;
  for (int i = 0; i < maxVoices; ++i) {
    Voice voice;
    alGetError();
    alGenSources(1, &voice.source);
    if (alGetError() != AL_NO_ERROR) break;
    voices.push_back(voice);
  }
  if (voices.empty()) {
    lastError = "the sound device gave no voices";
    device.Close();
    return Result::kNoDevice;
  }
  masterVolume = 1.0f;
  rolloffScale = 1.0f;
  Remember(this);
  return Result::kOk;
}

void System::Impl::Stop() {
  Forget(this);
  Result result;
  if (!Enter(&result)) return;
  for (uint32_t i = 0; i < sounds.size(); ++i) {
    if (sounds[i].generation != 0) ReleaseSound(i);
  }
  for (Voice& voice : voices) alDeleteSources(1, &voice.source);
  voices.clear();
  device.Close();
}

Result System::Impl::Update() {
  Result result = Result::kOk;
  if (!Enter(&result)) return result;
  for (Voice& voice : voices) {
    if (voice.generation != 0) Poll(voice);
  }
  return result;
}

System::System() : impl_(std::make_unique<Impl>()) {}

System::~System() { Close(); }

Result System::Init(const InitSettings& settings) {
  Close();
  int voices = std::clamp(settings.maxVoices, 1, kMaxVoices);
  return impl_->Start(impl_->device.Open(settings.deviceName, voices, &impl_->lastError), voices);
}

Result System::InitLoopback(int maxVoices, int sampleRate) {
  Close();
  int voices = std::clamp(maxVoices, 1, kMaxVoices);
  return impl_->Start(impl_->device.OpenLoopback(sampleRate, voices, &impl_->lastError), voices);
}

Result System::RenderLoopback(float* out, int frames) {
  Result result;
  if (!impl_->Enter(&result)) return result;
  return impl_->device.Render(out, frames) ? Result::kOk : Result::kInvalidParam;
}

void System::Close() { impl_->Stop(); }

bool System::IsRunning() const { return impl_->device.IsOpen(); }

Result System::Set3DSettings(float dopplerScale, float distanceFactor, float rolloffScale) {
  Result result = Result::kOk;
  if (!impl_->Enter(&result)) return result;
  if (!(dopplerScale >= 0.0f) || !(distanceFactor > 0.0f) || !(rolloffScale >= 0.0f)) {
    return Result::kInvalidParam;
  }
  alDopplerFactor(dopplerScale);
  // The distance factor is world units per metre; the library wants the speed in world units.
  alSpeedOfSound(kSpeedOfSoundMetres * distanceFactor);
  impl_->rolloffScale = rolloffScale;
  for (const Voice& voice : impl_->voices) {
    if (voice.generation != 0) impl_->ApplyRolloff(voice);
  }
  return result;
}

Result System::CreateSample(const std::string& path, Dim dim, Sound* sound) {
  return Create(path, dim, false, sound);
}

Result System::CreateStream(const std::string& path, Dim dim, Sound* sound) {
  return Create(path, dim, true, sound);
}

Result System::Create(const std::string& path, Dim dim, bool stream, Sound* sound) {
  if (!sound) return Result::kInvalidParam;
  *sound = Sound();
  uint32_t index = 0;
  Result result = impl_->CreateSound(path, dim, stream, &index);
  if (result == Result::kOk) *sound = Sound(this, index, impl_->sounds[index].generation);
  return result;
}

Result System::PlaySound(const Sound& sound, bool paused, Channel* channel) {
  if (channel) *channel = Channel();
  if (sound.system_ != this) return Result::kInvalidHandle;
  Result result = Result::kOk;
  if (!impl_->FindSound(sound.index_, sound.generation_, &result)) return result;
  uint32_t voice = 0;
  result = impl_->Play(sound.index_, paused, &voice);
  if (result == Result::kOk && channel) {
    *channel = Channel(this, voice, impl_->voices[voice].generation);
  }
  return result;
}

ChannelGroup System::GetMasterChannelGroup() { return ChannelGroup(this); }

Result System::Set3DListenerAttributes(const Vec3& position, const Vec3& forward, const Vec3& up) {
  Result result = Result::kOk;
  if (!impl_->Enter(&result)) return result;
  auto p = ToLibraryFrame(position);
  alListener3f(AL_POSITION, p[0], p[1], p[2]);
  // The library wants facing and up at right angles: keep the facing, straighten the up.
  Vec3 f = forward;
  if (!Normalise(&f)) return Result::kInvalidParam;
  Vec3 u = up;
  float along = Dot(u, f);
  u = {u.x - f.x * along, u.y - f.y * along, u.z - f.z * along};
  if (!Normalise(&u)) return Result::kInvalidParam;
  auto at = ToLibraryFrame(f);
  auto top = ToLibraryFrame(u);
  const float orientation[6] = {at[0], at[1], at[2], top[0], top[1], top[2]};
  alListenerfv(AL_ORIENTATION, orientation);
  return result;
}

Result System::Update() { return impl_->Update(); }

const std::string& System::LastError() const { return impl_->lastError; }

}  // namespace platform::sound
