#include "map/MapEntityClasses.h"

#include <set>

namespace {
// Like the class tables' indices, whether a class may stand in a map is a property of the
// class for the life of the process.
std::set<std::string, std::less<>>& MapClasses() {
  static std::set<std::string, std::less<>> classes;
  return classes;
}
}  // namespace

void AllowInMaps(const std::string& className) { MapClasses().insert(className); }

bool IsMapEntityClass(const std::string& className) { return MapClasses().count(className) != 0; }
