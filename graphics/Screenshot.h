#pragma once
#include <string>

namespace platform {
class RenderDevice;
}

// A screenshot asked for by a key: the key arrives while the frame is still being built, so the
// request waits and the next finished frame is saved whole, just before it is shown.
class Screenshot {
 public:
  // A later request in the same frame replaces an earlier one.
  void Request(const std::string& path) { path_ = path; }
  bool IsRequested() const { return !path_.empty(); }
  // Saves the back buffer when a shot was asked for. A file that cannot be written is logged
  // with its name on "GraphicsLog" (which also shows it on the console); an older file of the
  // same name stays as it was.
  void SaveIfRequested(platform::RenderDevice& device);

 private:
  std::string path_;
};
