#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Just enough of the zip format to take the third-party maps out of their package: stored and
// deflated entries, read through the central directory.
class ZipArchive {
 public:
  struct Entry {
    std::string name;
    uint16_t method = 0;
    uint32_t compressedSize = 0;
    uint32_t size = 0;
    uint32_t localHeader = 0;
  };

  // Empty when the file cannot be read or is not a zip.
  explicit ZipArchive(const std::string& path);

  const std::vector<Entry>& entries() const { return entries_; }
  // Throws std::runtime_error when the entry cannot be inflated.
  std::vector<uint8_t> Extract(const Entry& entry) const;

 private:
  std::vector<uint8_t> bytes_;
  std::vector<Entry> entries_;
};

// The path of the third-party map package, or empty when it is not installed.
std::string ThirdPartyMapPackage();
