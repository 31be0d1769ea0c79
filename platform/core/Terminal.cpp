#include "platform/core/Terminal.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>

namespace platform {
namespace {

// Lines longer than this are cut into pieces rather than held without bound.
constexpr size_t kMaxLine = 1 << 20;

std::string pending;
bool ended = false;

}  // namespace

bool PollTerminalLine(std::string& line) {
  for (;;) {
    size_t eol = pending.find('\n');
    if (eol != std::string::npos || pending.size() >= kMaxLine) {
      size_t cut = eol != std::string::npos ? eol : kMaxLine;
      line = pending.substr(0, cut);
      pending.erase(0, eol != std::string::npos ? cut + 1 : cut);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    if (ended) {
      if (pending.empty()) return false;
      line.swap(pending);
      pending.clear();
      return true;
    }
    pollfd p{STDIN_FILENO, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0 || !(p.revents & (POLLIN | POLLHUP))) return false;
    char buf[4096];
    ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n <= 0) {
      ended = true;
      continue;
    }
    pending.append(buf, static_cast<size_t>(n));
  }
}

void PrintTerminalLine(const std::string& text, TerminalColour colour) {
  static const bool tty = ::isatty(STDOUT_FILENO) == 1;
  static const char* const codes[] = {"\033[0m", "\033[31m", "\033[35m", "\033[32m", "\033[33m"};
  if (tty)
    std::printf("%s%s\033[0m\n", codes[static_cast<int>(colour)], text.c_str());
  else
    std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

}  // namespace platform
