#pragma once
#include <string>

#include "platform/sound/SoundTypes.h"

// The output device and its mixing context. Either a real device (mixed by the library's own
// thread) or a loopback device that mixes only when asked, into memory.
namespace platform::sound {

class Device {
 public:
  Device() = default;
  ~Device() { Close(); }
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  // name empty: the default device. Sources are reserved for `voices` plays.
  Result Open(const std::string& name, int voices, std::string* error);
  Result OpenLoopback(int sampleRate, int voices, std::string* error);
  void Close();
  bool IsOpen() const { return context_ != nullptr; }
  bool IsLoopback() const { return loopback_; }

  // Makes this device's context the one the library's calls go to (cheap when it already is).
  void MakeCurrent() const;
  // Loopback only: mixes `frames` stereo float frames into out.
  bool Render(float* out, int frames) const;
  // Whether stereo sounds can bypass 3D panning and play their channels as recorded.
  bool HasDirectChannels() const { return directChannels_; }

 private:
  Result CreateContext(const int* attributes, std::string* error);
  void* device_ = nullptr;   // the library's device
  void* context_ = nullptr;  // the library's context
  bool loopback_ = false;
  bool directChannels_ = false;
};

}  // namespace platform::sound
