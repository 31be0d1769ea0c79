#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

// One `#include "folder/..."` line of a product file, paths relative to the project root.
struct IncludeEdge {
  std::string file;      // e.g. "engine/Engine.cpp"
  std::string included;  // e.g. "entity/Entity.h"
  bool operator<(const IncludeEdge& o) const { return file != o.file ? file < o.file : included < o.included; }
  bool operator==(const IncludeEdge&) const = default;
};

// The layers of the game, low to high (the navigation core "ai/nav" sits below graphics, sound
// and input, which share one level; the AI sits below the thieves, which sit below the level's
// entities); an include may point down or along its level, never up.
int LayerOf(const std::string& folder);  // -1 for a folder outside the table
const std::vector<std::string>& ProductFolders();
// The folder of the table that holds a file or include path: "ai/nav/AINode.h" gives "ai/nav",
// "ai/agents/GuardBrain.h" gives "ai".
std::string LayerFolderOf(const std::string& path);

// Every project include of the product folders under `root` (files .h, .hpp and .cpp).
std::vector<IncludeEdge> ReadIncludes(const std::string& root);
// The includes that point from a lower layer to a higher one.
std::vector<IncludeEdge> BackEdges(const std::vector<IncludeEdge>& includes);
// The includes of a folder held to a narrower rule than its layer (the navigation core includes
// only the platform, entity and map folders and itself) that reach outside what it may include.
std::vector<IncludeEdge> ConfinementBreaches(const std::vector<IncludeEdge>& includes);

// "file -> include" lines; blank lines and lines starting with # are skipped.
std::set<IncludeEdge> ReadAllowList(const std::string& path);

// The library each folder builds (vr_library or add_executable in its CMakeLists.txt, for the
// platform the library of each of its subfolders), keyed by folder ("graphics",
// "platform/render"), and the libraries each library names as DEPS or links.
struct Libraries {
  std::map<std::string, std::string> byFolder;
  std::map<std::string, std::set<std::string>> deps;
};
Libraries ReadLibraries(const std::string& root);
// The groups of libraries that depend on each other round a circle, each group sorted.
std::vector<std::set<std::string>> LibraryCycles(const Libraries& libraries);
// The folder whose library holds a file or include path: "platform/render/X.h" gives
// "platform/render", "graphics/gui/Y.h" gives "graphics", "ai/nav/Z.h" gives "ai/nav".
std::string LibraryFolderOf(const std::string& path);
