#pragma once
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// The string-list file: an XML document whose root element holds one string per child element
// (the map's texture lists, the no-physics texture list, the sound and AI lists). Reading does
// not look at element names; writing gives the root "list" and one "string" per entry.

// Replaces `out` with the file's entries. A self-closing root leaves `out` as it is. Failures
// are logged on the channel of the system that reads the list ("Failed to load config. " + file
// + reason) and keep what was read so far. A missing list lists nothing: it is not written, and
// said once per run, however often it is read.
void LoadStringListXml(std::vector<std::string>& out, const std::string& fileName, const std::string& channel);

// Failures are logged on "GraphicsLog" ("Failed to save config. " + file + reason).
void SaveStringListXml(const std::vector<std::string>& strings, const std::string& fileName);

// The first entry equal to `text` (whole string, case-sensitive), or `last`.
inline std::vector<std::string>::const_iterator FindStringInRange(
    std::vector<std::string>::const_iterator first, std::vector<std::string>::const_iterator last,
    std::string_view text) {
  return std::find(first, last, text);
}
