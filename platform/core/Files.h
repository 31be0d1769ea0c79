#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Data trees come from Windows: names differ in case from what the data says, and paths use
// backslashes. Every file the game opens goes through ResolvePath first.
namespace platform {

// Turns backslashes into slashes and finds each component case-insensitively. Returns the path
// as it exists on disk, or the slash-converted path unchanged when some component is missing
// (so that creating a new file keeps the name the caller gave).
std::string ResolvePath(const std::string& path);

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path);

// Asks the system to put what was written to the file or folder at `path` on the disk, so that it
// survives a power cut. False when it cannot.
bool SyncToDisk(const std::string& path);

// Writes to a temporary file beside the target and renames it into place, so that a failed
// write never leaves a truncated file where a good one stood. Returns false on any failure.
bool WriteFileAtomic(const std::string& path, const std::string& contents);

}  // namespace platform
