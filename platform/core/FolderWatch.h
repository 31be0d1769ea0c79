#pragma once

// Tells, without waiting, whether files in one folder (not its subfolders) were written,
// touched, created, renamed or deleted since the last poll: the game's change notification on
// its effect folder.
namespace platform {

class FolderWatch {
 public:
  FolderWatch() = default;
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Starts watching (the name is looked up case-insensitively); false when the folder cannot
  // be watched, after which Poll always says nothing changed.
  bool Start(const char* folder);
  // True when something changed since the last call; every change waiting is taken at once,
  // so one save that touches a file several times reports once. Allocates nothing.
  bool Poll();

 private:
  int fd_ = -1;
};

}  // namespace platform
