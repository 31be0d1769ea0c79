#pragma once
#include <string>

// The decoding libraries play a WAV or Ogg file that lost its end without a word (a WAV's
// length is quietly shortened to what is left). These checks tell from the file's structure.
namespace platform::sound {

// True when the file begins as an Ogg stream.
bool IsOggFile(const std::string& path);

// What is missing when the file at `path` is cut short: a WAV whose data chunk promises more
// than the file holds, or an Ogg file whose last page is incomplete. Empty otherwise, and for
// other formats.
std::string CutShortReason(const std::string& path);

}  // namespace platform::sound
