#pragma once
#include <string>

namespace platform {

// The font file for a face name: a file in `folder` whose family name (or file name without
// extension) matches, in the bold style when asked for and present; else DejaVu Sans.
std::string FindFontFile(const std::string& face, bool bold, const std::string& folder);

}  // namespace platform
