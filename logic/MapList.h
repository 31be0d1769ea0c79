#pragma once
#include <string>
#include <vector>

// The museum's map-list file: a "list" of "string" elements, one map file name under "Maps/"
// each, in load order. Failures are logged on "LogicLog" and names read before a failure stay.
// The list is content: a missing one is named on every start, not written back empty.
std::vector<std::string> ReadMapList(const std::string& path);
