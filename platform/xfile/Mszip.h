#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform::xfile {

// The largest body a compressed model may unpack to; the game's models are far smaller.
constexpr size_t kMaxUnpackedSize = 32u << 20;

// Unpacks the body of a compressed model (the bytes after the 16-byte header): a 32-bit total
// size (header included), then blocks of {16-bit unpacked size, 16-bit packed size, "CK",
// raw deflate data that may refer back into the previous block}. Returns false with a reason
// in error when the data is damaged or would unpack beyond the declared size.
bool UnpackMszip(std::span<const uint8_t> data, std::vector<uint8_t>& out, std::string& error);

}  // namespace platform::xfile
