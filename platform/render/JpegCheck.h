#pragma once
#include <cstdint>
#include <span>

namespace platform {

// False when a JPEG's Huffman tables list more codes than a table can hold. The image decoder
// we use writes past its table on such files, so they are refused before it sees them.
bool JpegTablesAreSafe(std::span<const uint8_t> file);

}  // namespace platform
