#include "entity/AtomicFile.h"

#include <cstdio>

#include "entity/SerException.h"
#include "platform/core/Files.h"

namespace {

// The target as it is spelled on disk. A file that does not exist yet keeps the caller's name,
// but its folder may still differ in case from what the data says.
std::string ResolveTarget(const std::string& path) {
  std::string resolved = platform::ResolvePath(path);
  size_t slash = resolved.rfind('/');
  if (slash == std::string::npos || slash == 0) return resolved;
  return platform::ResolvePath(resolved.substr(0, slash)) + resolved.substr(slash);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Open(const std::string& path) {
  Discard();
  target_ = ResolveTarget(path);
  temp_ = target_ + ".tmp";
  // A save killed before its rename leaves its temporary file, perhaps spelled as another
  // caller spelled the target: this save replaces it.
  if (const std::string leftover = platform::ResolvePath(temp_); leftover != temp_)
    std::remove(leftover.c_str());
  out_.open(temp_, std::ios::binary | std::ios::trunc);
  if (!out_.is_open()) {
    temp_.clear();
    throw SerException("could not open file", SerException::kCouldNotOpen);
  }
}

void AtomicFile::Write(std::string_view bytes) {
  if (out_.is_open()) out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void AtomicFile::Commit() {
  if (!out_.is_open()) return;
  out_.close();
  // The data reaches the disk before the rename and the rename after it, so that a power cut
  // leaves either the old file or the new one, never an empty or partial one.
  bool written = !out_.fail() && platform::SyncToDisk(temp_) &&
                 std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!written) {
    Discard();
    throw SerException("could not write file", SerException::kBadData);
  }
  temp_.clear();
  platform::SyncToDisk(FolderOf(target_));
}

void AtomicFile::Discard() {
  if (out_.is_open()) out_.close();
  if (!temp_.empty()) std::remove(temp_.c_str());
  temp_.clear();
}
