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

}  // namespace

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Open(const std::string& path) {
  Discard();
  target_ = ResolveTarget(path);
  temp_ = target_ + ".tmp";
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
  bool written = !out_.fail() && std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!written) {
    Discard();
    throw SerException("could not write file", SerException::kBadData);
  }
  temp_.clear();
}

void AtomicFile::Discard() {
  if (out_.is_open()) out_.close();
  if (!temp_.empty()) std::remove(temp_.c_str());
  temp_.clear();
}
