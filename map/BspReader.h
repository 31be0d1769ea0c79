#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "map/BspData.h"
#include "map/BspError.h"

// Reads one BSP version 46 file into a BspData. The whole file is checked once here: the
// header, every lump's place in the file, and every count and index inside the records
// (BspValidate.h). A file that fails any check is refused with a BspError and `out` is left
// empty; a file that passes can be walked without further bounds checks.
class BspReader {
 public:
  // Reads the file at `path` (looked up case-insensitively). Throws BspError with
  // "Could not open file", "Not a valid BSP file" or "Unsupported version".
  static void Read(const std::string& path, BspData& out);

  // The same from bytes already in memory: a copy of them, or them taken over.
  static void Parse(std::span<const uint8_t> file, BspData& out);
  static void Parse(platform::FileBytes&& file, BspData& out);
};

// The name the reader's messages give a lump ("entities", "leaf faces", ...).
const char* BspLumpName(int lump);
