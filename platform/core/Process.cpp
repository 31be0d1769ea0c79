#include "platform/core/Process.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace platform {

bool OpenInDesktopApp(const std::string& path) {
  // A shell puts the opener in the background and exits at once; waiting for the shell reaps
  // it, and the opener is adopted by init, so no child is left to reap later.
  const char* argv[] = {"sh", "-c", "xdg-open \"$1\" >/dev/null 2>&1 &", "sh", path.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return false;
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform
