#pragma once
#include <string>

#include "tests/support/ScratchFolder.h"

// A fresh temporary folder that is also the working folder while the object lives; the game
// writes its logs and settings into the working folder. Removed with its contents afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return folder_.Path(); }
  std::string operator/(const std::string& name) const { return folder_ / name; }

  // Small file helpers for fixtures.
  static void Write(const std::string& path, const std::string& contents);
  static std::string Read(const std::string& path);
  static bool Exists(const std::string& path);

 private:
  std::string previous_;
  ScratchFolder folder_;  // removed after the working folder has moved back out of it
};
