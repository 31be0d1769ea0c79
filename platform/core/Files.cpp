#include "platform/core/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// The entry of `dir` whose name equals `name` ignoring case, or empty.
std::string FindEntry(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return {};
  std::string found;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, name.c_str()) == 0) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  std::string p = path;
  for (char& c : p)
    if (c == '\\') c = '/';
  if (p.empty() || Exists(p)) return p;

  std::string out;
  size_t pos = 0;
  if (p[0] == '/') {
    out = "/";
    pos = 1;
  }
  while (pos <= p.size()) {
    size_t next = p.find('/', pos);
    if (next == std::string::npos) next = p.size();
    std::string part = p.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty() || part == ".") continue;
    std::string candidate = out.empty() || out == "/" ? out + part : out + "/" + part;
    if (part != ".." && !Exists(candidate)) {
      std::string entry = FindEntry(out, part);
      if (entry.empty()) return p;
      candidate = out.empty() || out == "/" ? out + entry : out + "/" + entry;
    }
    out = candidate;
  }
  return out;
}

FileBytes::FileBytes(std::span<const uint8_t> bytes) {
  if (!Resize(bytes.size(), 0)) throw std::bad_alloc();
  if (!bytes.empty()) std::memcpy(data(), bytes.data(), bytes.size());
}

bool FileBytes::Resize(size_t size, size_t keep) {
  // One byte at least: an empty file still gets a buffer that is not null.
  auto* grown = static_cast<uint8_t*>(std::malloc(size ? size : 1));
  if (!grown) return false;
  if (keep) std::memcpy(grown, data(), keep);
  bytes_.reset(grown);
  size_ = size;
  return true;
}

std::optional<FileBytes> ReadWholeFile(const std::string& path) {
  std::string resolved = ResolvePath(path);
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st;
  FileBytes file;
  bool failed = ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !file.Resize(static_cast<size_t>(st.st_size), 0);
  // A file that grew since the stat is read to its end; one that shrank is cut to what came.
  size_t got = 0;
  uint8_t more[4096];
  while (!failed) {
    const bool full = got == file.size();
    const ssize_t n = full ? ::read(fd, more, sizeof more) : ::read(fd, file.data() + got, file.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed = n < 0;
      break;
    }
    if (full) {
      if (!file.Resize(got + static_cast<size_t>(n) + got / 2, got)) {
        failed = true;
        break;
      }
      std::memcpy(file.data() + got, more, static_cast<size_t>(n));
    }
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  if (failed) return std::nullopt;
  file.size_ = got;
  return file;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path) {
  std::optional<FileBytes> file = ReadWholeFile(path);
  if (!file) return std::nullopt;
  return std::vector<uint8_t>(file->begin(), file->end());
}

bool SyncToDisk(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

namespace {

// The process that wrote the temporary file `name` of the target whose file name is `prefix`
// less ".tmp"; none when the name is not one of its temporary files.
std::optional<pid_t> WriterOf(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  pid_t pid = 0;
  const char* digits = name.c_str() + prefix.size();
  const char* end = name.c_str() + name.size();
  const auto [stop, error] = std::from_chars(digits, end, pid);
  if (error != std::errc() || stop != end || pid <= 0) return std::nullopt;
  return pid;
}

// A save killed before its rename leaves its temporary file ("lobby.bsp.path.tmp22093", by the
// writer's process id) for good: the next save of that file removes those of processes that are
// gone (a running one may be writing it this moment).
void RemoveLeftoverTemporaries(const std::string& target) {
  namespace fs = std::filesystem;
  const fs::path path(target);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string prefix = path.filename().string() + ".tmp";
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::optional<pid_t> writer = WriterOf(it->path().filename().string(), prefix);
    if (!writer || *writer == ::getpid() || ::kill(*writer, 0) == 0 || errno == EPERM) continue;
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
}

}  // namespace

bool WriteFileAtomic(const std::string& path, const std::string& contents) {
  std::string target = ResolvePath(path);
  RemoveLeftoverTemporaries(target);
  std::string tmp = target + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out) {
      out.close();
      std::remove(tmp.c_str());
      return false;
    }
  }
  // The data reaches the disk before the rename and the rename after it, so that a power cut
  // leaves the old file or the new one, never an empty one.
  if (!SyncToDisk(tmp) || std::rename(tmp.c_str(), target.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  const std::filesystem::path folder = std::filesystem::path(target).parent_path();
  SyncToDisk(folder.empty() ? "." : folder.string());
  return true;
}

}  // namespace platform
