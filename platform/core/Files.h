#pragma once
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Data trees come from Windows: names differ in case from what the data says, and paths use
// backslashes. Every file the game opens goes through ResolvePath first.
namespace platform {

// Turns backslashes into slashes and finds each component case-insensitively. Returns the path
// as it exists on disk, or the slash-converted path unchanged when some component is missing
// (so that creating a new file keeps the name the caller gave).
std::string ResolvePath(const std::string& path);

// A whole file's bytes in a buffer that the read fills without zeroing it first: map files run
// to megabytes, and zeroing them costs about half of what reading them does.
class FileBytes {
 public:
  FileBytes() = default;
  // A copy of bytes already in memory.
  explicit FileBytes(std::span<const uint8_t> bytes);

  uint8_t* data() { return bytes_.get(); }
  const uint8_t* data() const { return bytes_.get(); }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const uint8_t* begin() const { return data(); }
  const uint8_t* end() const { return data() + size_; }
  operator std::span<uint8_t>() { return {data(), size_}; }

 private:
  friend std::optional<FileBytes> ReadWholeFile(const std::string& path);
  struct Free {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  // Room for `size` bytes, keeping the first `keep`; false when memory runs out.
  bool Resize(size_t size, size_t keep);

  std::unique_ptr<uint8_t, Free> bytes_;
  size_t size_ = 0;
};

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<FileBytes> ReadWholeFile(const std::string& path);
// The same in a vector, for readers that keep one.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path);

// Asks the system to put what was written to the file or folder at `path` on the disk, so that it
// survives a power cut. False when it cannot.
bool SyncToDisk(const std::string& path);

// Writes to a temporary file beside the target and renames it into place, so that a failed
// write never leaves a truncated file where a good one stood. Returns false on any failure.
bool WriteFileAtomic(const std::string& path, const std::string& contents);

}  // namespace platform
