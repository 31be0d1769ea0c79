#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/layers/SourceTree.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kRoot = VR_SOURCE_DIR;
const std::string kAllowList = kRoot + "/tests/layers/allowed_back_edges.txt";

std::string Lines(const std::vector<IncludeEdge>& edges) {
  std::string text;
  for (const IncludeEdge& e : edges) text += "  " + e.file + " -> " + e.included + "\n";
  return text;
}

// What the CMake dependencies miss: "folder file -> include (library lacks dependency)".
std::vector<std::string> MissingDependencies(const std::string& root) {
  const Libraries libraries = ReadLibraries(root);
  std::vector<std::string> missing;
  for (const IncludeEdge& e : ReadIncludes(root)) {
    const std::string from = LibraryFolderOf(e.file), to = LibraryFolderOf(e.included);
    auto user = libraries.byFolder.find(from), used = libraries.byFolder.find(to);
    if (from == to || user == libraries.byFolder.end() || used == libraries.byFolder.end()) continue;
    auto deps = libraries.deps.find(user->second);
    if (deps == libraries.deps.end() || !deps->second.count(used->second))
      missing.push_back(e.file + " -> " + e.included + " (" + user->second + " lacks " + used->second + ")");
  }
  return missing;
}

}  // namespace

TEST(LayerRule, NoIncludePointsToAHigherLayerUnlessAllowed) {
  const std::set<IncludeEdge> allowed = ReadAllowList(kAllowList);
  std::vector<IncludeEdge> unexpected;
  for (const IncludeEdge& e : BackEdges(ReadIncludes(kRoot)))
    if (!allowed.count(e)) unexpected.push_back(e);
  EXPECT_TRUE(unexpected.empty()) << "includes from a lower layer to a higher one; declare a seam low and "
                                     "implement it high instead:\n"
                                  << Lines(unexpected);
}

TEST(LayerRule, TheNavigationCoreIncludesOnlyThePlatformEntitiesMapsAndItself) {
  const std::vector<IncludeEdge> breaches = ConfinementBreaches(ReadIncludes(kRoot));
  EXPECT_TRUE(breaches.empty()) << "includes of the navigation core beyond the platform, entity and map folders; "
                                   "hand in what it needs from its owner instead:\n"
                                << Lines(breaches);
}

TEST(LayerRule, TheAllowListOnlyShrinks) {
  const std::vector<IncludeEdge> back = BackEdges(ReadIncludes(kRoot));
  std::vector<IncludeEdge> stale;
  for (const IncludeEdge& e : ReadAllowList(kAllowList))
    if (std::find(back.begin(), back.end(), e) == back.end()) stale.push_back(e);
  EXPECT_TRUE(stale.empty()) << "allowed back-edges that no longer exist; delete their lines from "
                             << kAllowList << ":\n"
                             << Lines(stale);
}

TEST(LayerRule, EveryLibraryDependsOnTheLibrariesItIncludes) {
  const std::vector<std::string> missing = MissingDependencies(kRoot);
  std::string text;
  for (const std::string& line : missing) text += "  " + line + "\n";
  EXPECT_TRUE(missing.empty()) << "includes whose library is not in the DEPS of the including library:\n" << text;
}

TEST(LayerRule, NoLibrariesDependOnEachOtherRoundACircleButTheEngineAndTheEntities) {
  const std::vector<std::set<std::string>> allowed{{"vr_engine", "vr_entity"}};
  std::string text;
  for (const std::set<std::string>& cycle : LibraryCycles(ReadLibraries(kRoot))) {
    if (std::find(allowed.begin(), allowed.end(), cycle) != allowed.end()) continue;
    text += " ";
    for (const std::string& library : cycle) text += " " + library;
    text += "\n";
  }
  EXPECT_TRUE(text.empty()) << "libraries that depend on each other round a circle; declare a seam in the lower one:\n"
                            << text;
}

// The checker itself, on a small tree of its own: it must see what it is there to see.
TEST(LayerRule, FindsBackEdgesMissingDependenciesAndCirclesInATree) {
  TempDir dir;
  TempDir::Write("CMakeLists.txt", "");
  std::filesystem::create_directories("map/sub");
  std::filesystem::create_directories("platform/math");
  std::filesystem::create_directories("engine");
  TempDir::Write("map/CMakeLists.txt", "vr_library(vr_map DEPS vr_engine # platform_math\n  SOURCES a.cpp)\n");
  TempDir::Write("engine/CMakeLists.txt", "vr_library(vr_engine)\ntarget_link_libraries(vr_engine PUBLIC vr_map)\n");
  TempDir::Write("platform/math/CMakeLists.txt", "vr_library(platform_math)\n");
  TempDir::Write("map/sub/Walk.cpp", "#include \"map/sub/Walk.h\"\n  #  include \"platform/math/Plane.h\"\r\n");
  TempDir::Write("engine/Engine.h", "#include <map/Not.h>\n#include \"map/BspMap.h\"\n#include \"tests/x.h\"\n");

  const std::vector<IncludeEdge> includes = ReadIncludes(dir.Path());
  EXPECT_EQ(includes.size(), 3u) << Lines(includes);
  EXPECT_EQ(BackEdges(includes), (std::vector<IncludeEdge>{{"engine/Engine.h", "map/BspMap.h"}}));
  EXPECT_EQ(MissingDependencies(dir.Path()),
            (std::vector<std::string>{"map/sub/Walk.cpp -> platform/math/Plane.h (vr_map lacks platform_math)"}));
  EXPECT_EQ(LibraryCycles(ReadLibraries(dir.Path())), (std::vector<std::set<std::string>>{{"vr_engine", "vr_map"}}));
  TempDir::Write("physics/CMakeLists.txt", "vr_library(vr_physics DEPS vr_engine)\n");
  TempDir::Write("map/CMakeLists.txt", "vr_library(vr_map DEPS vr_physics)\n");
  EXPECT_EQ(LibraryCycles(ReadLibraries(dir.Path())),
            (std::vector<std::set<std::string>>{{"vr_engine", "vr_map", "vr_physics"}}))
      << "one circle through three libraries";

  TempDir::Write("allowed.txt", "# comment\n\nengine/Engine.h -> map/BspMap.h\r\nnonsense\n");
  const std::set<IncludeEdge> allowed = ReadAllowList(dir / "allowed.txt");
  EXPECT_EQ(allowed.size(), 2u);
  EXPECT_TRUE(allowed.count({"engine/Engine.h", "map/BspMap.h"}));
}

TEST(LayerRule, FindsTheNavigationCoreReachingOutOfItsFolder) {
  TempDir dir;
  std::filesystem::create_directories("ai/nav");
  TempDir::Write("ai/CMakeLists.txt", "vr_library(vr_ai DEPS vr_ai_nav)\nadd_subdirectory(nav)\n");
  TempDir::Write("ai/nav/CMakeLists.txt", "vr_library(vr_ai_nav DEPS vr_map)\n");
  TempDir::Write("ai/nav/Route.cpp",
                 "#include \"ai/nav/Route.h\"\n#include \"map/BspData.h\"\n#include \"engine/Engine.h\"\n"
                 "#include \"ai/AI.h\"\n#include \"graphics/Graphics.h\"\n");
  TempDir::Write("ai/Brain.cpp", "#include \"ai/nav/Route.h\"\n#include \"graphics/Graphics.h\"\n");
  std::filesystem::create_directories("input");
  TempDir::Write("input/Keys.cpp", "#include \"ai/nav/Route.h\"\n");

  const std::vector<IncludeEdge> includes = ReadIncludes(dir.Path());
  EXPECT_EQ(includes.size(), 8u) << "each file read once, under its own folder:\n" << Lines(includes);
  EXPECT_EQ(ConfinementBreaches(includes), (std::vector<IncludeEdge>{{"ai/nav/Route.cpp", "ai/AI.h"},
                                                                      {"ai/nav/Route.cpp", "engine/Engine.h"},
                                                                      {"ai/nav/Route.cpp", "graphics/Graphics.h"}}));
  EXPECT_EQ(BackEdges(includes), (std::vector<IncludeEdge>{{"ai/nav/Route.cpp", "ai/AI.h"},
                                                           {"input/Keys.cpp", "ai/nav/Route.h"}}))
      << "the core lies above graphics, sound and input, below the rest of the AI";
  EXPECT_EQ(LibraryFolderOf("ai/nav/Route.h"), "ai/nav");
  EXPECT_EQ(ReadLibraries(dir.Path()).byFolder.at("ai/nav"), "vr_ai_nav");
  EXPECT_EQ(MissingDependencies(dir.Path()),
            (std::vector<std::string>{"ai/nav/Route.cpp -> ai/AI.h (vr_ai_nav lacks vr_ai)"}))
      << "the AI's include of the core is in its DEPS; graphics, input, engine and map make no library here";
}
