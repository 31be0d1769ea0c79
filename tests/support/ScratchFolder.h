#pragma once
#include <string>

// A fresh folder of its own under the system's temporary folder, removed with everything in it
// when the object goes: two runs at once never share a file, and nothing stays behind.
class ScratchFolder {
 public:
  // `prefix` starts the folder's name, to tell whose folder it is.
  explicit ScratchFolder(const std::string& prefix = "vrtest");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
