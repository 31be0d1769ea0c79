#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Why the image decoder we use must not be given `file`, or empty when it may. It is handed
// some damaged files it cannot cope with safely, and pads others silently:
// - a JPEG Huffman table listing more than 256 codes makes it write past the table, and a scan
//   using a table never defined makes it decode with leftover memory;
// - a PNG whose first data chunk is empty makes it copy from a null buffer;
// - a BMP or uncompressed TGA cut short is filled out with black instead of being refused.
std::string UnsafeImageReason(std::span<const uint8_t> file);

}  // namespace platform
