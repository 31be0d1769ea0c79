#include "platform/sound/Device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <vector>

namespace platform::sound {
namespace {

ALCdevice* AsDevice(void* p) { return static_cast<ALCdevice*>(p); }
ALCcontext* AsContext(void* p) { return static_cast<ALCcontext*>(p); }

// Which context is current, so that switching is skipped when nothing changes (one process may
// hold several systems, e.g. in tests, but the library has one current context).
const void* g_current = nullptr;

// Attributes every context gets: a source per voice and no effect sends.
std::vector<int> BaseAttributes(int voices) {
  return {ALC_MONO_SOURCES, voices, ALC_STEREO_SOURCES, 0, ALC_MAX_AUXILIARY_SENDS, 0};
}

}  // namespace

Result Device::Open(const std::string& name, int voices, std::string* error) {
  Close();
  device_ = alcOpenDevice(name.empty() ? nullptr : name.c_str());
  if (!device_) {
    *error = name.empty() ? "no sound device could be opened"
                          : "sound device \"" + name + "\" could not be opened";
    return Result::kNoDevice;
  }
  std::vector<int> attributes = BaseAttributes(voices);
  attributes.push_back(0);
  return CreateContext(attributes.data(), error);
}

Result Device::OpenLoopback(int sampleRate, int voices, std::string* error) {
  Close();
  auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
      alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") || !openLoopback ||
      !(device_ = openLoopback(nullptr))) {
    *error = "the sound library cannot mix into memory";
    return Result::kNoDevice;
  }
  loopback_ = true;
  // Loopback output is compared sample by sample: no head-related filtering and no limiter,
  // whatever the user's configuration says.
  std::vector<int> attributes = BaseAttributes(voices);
  attributes.insert(attributes.end(),
                    {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                     ALC_FREQUENCY, sampleRate, ALC_HRTF_SOFT, ALC_FALSE,
                     ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0});
  return CreateContext(attributes.data(), error);
}

Result Device::CreateContext(const int* attributes, std::string* error) {
  context_ = alcCreateContext(AsDevice(device_), attributes);
  if (!context_) {
    *error = "the sound device refused a mixing context";
    Close();
    return Result::kNoDevice;
  }
  MakeCurrent();
  // The distance law every 3D play follows; per-source settings give its parameters.
  alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
  directChannels_ = alIsExtensionPresent("AL_SOFT_direct_channels");
  return Result::kOk;
}

void Device::Close() {
  if (context_) {
    if (g_current == context_) {
      alcMakeContextCurrent(nullptr);
      g_current = nullptr;
    }
    alcDestroyContext(AsContext(context_));
    context_ = nullptr;
  }
  if (device_) {
    alcCloseDevice(AsDevice(device_));
    device_ = nullptr;
  }
  loopback_ = false;
  directChannels_ = false;
}

void Device::MakeCurrent() const {
  if (g_current == context_) return;
  alcMakeContextCurrent(AsContext(context_));
  g_current = context_;
}

bool Device::Render(float* out, int frames) const {
  if (!loopback_ || !context_ || frames < 0) return false;
  static auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
      alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
  if (!render) return false;
  render(AsDevice(device_), out, frames);
  return true;
}

}  // namespace platform::sound
