#pragma once
#include <fstream>
#include <string>
#include <string_view>

// An output file that replaces its target only once it has been written completely: the bytes
// go to a temporary file beside the target, renamed over it by Commit. A save that fails half
// way (full disk, an exception in the caller) leaves the previous file as it was.
class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Throws SerException "could not open file" (code 0) when the file cannot be created, for
  // example because its folder is missing. Names are matched case-insensitively on disk.
  void Open(const std::string& path);
  // Does nothing unless open; errors are collected and reported by Commit.
  void Write(std::string_view bytes);
  // Puts the written file in place of the target. Throws SerException "could not write file"
  // (code 1) when writing or renaming failed; the target then keeps its previous contents.
  // Does nothing when not open.
  void Commit();

 private:
  void Discard();

  std::ofstream out_;
  std::string target_;
  std::string temp_;
};
