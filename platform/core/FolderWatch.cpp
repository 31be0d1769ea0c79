#include "platform/core/FolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/Files.h"

namespace platform {

FolderWatch::~FolderWatch() {
  if (fd_ >= 0) close(fd_);
}

bool FolderWatch::Start(const char* folder) {
  if (fd_ >= 0) close(fd_);
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return false;
  const uint32_t events = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                          IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;
  if (inotify_add_watch(fd_, ResolvePath(folder).c_str(), events) < 0) {
    close(fd_);
    fd_ = -1;
    return false;
  }
  return true;
}

bool FolderWatch::Poll() {
  if (fd_ < 0) return false;
  alignas(inotify_event) char buffer[4096];
  bool changed = false;
  for (;;) {
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got > 0) {
      changed = true;
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    return changed;
  }
}

}  // namespace platform
