#pragma once
#include <string>
#include <vector>

// The museum's map-list file: a "list" of "string" elements, one map file name under "Maps/"
// each, in load order. Failures are logged on "LogicLog"; a file that cannot be opened is
// written back with the names read (none), and names read before a failure stay.
std::vector<std::string> ReadMapList(const std::string& path);
