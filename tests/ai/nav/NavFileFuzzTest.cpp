#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ai/nav/NodeGraphFile.h"
#include "ai/nav/PathFile.h"
#include "platform/core/Random.h"
#include "tests/support/Mutator.h"
#include "tests/support/TempDir.h"

// Seeded mutants of the demo museum's graph files and of a path file: each is read or refused,
// never a crash, a hang or an id outside the graph; and what is written back after a damaged
// read keeps every entry that was sound.
namespace {

constexpr int kMutants = 10000;

const MutationLimits kLimits{6, 16, 64, {"-1", "1000000000", "2147483648", "nan", "inf", " ", "\r\n", "\t", "0", "-"}};

bool Near(float a, float b) { return std::fabs(a - b) <= 1e-6f + 1e-6f * std::fabs(a); }

// A graph taken from a file is written back by its map (its own nodes only) and must read back
// the same: the file a damaged read leads to holds every node and link that was taken.
void ExpectWrittenBackTheSame(const NodeGraphParse& read) {
  const NodeGraphParse again = ParseNodeGraph(NodeGraphText(read.nodes, 0, read.nodes.size()), 0);
  ASSERT_EQ(again.error, "");
  ASSERT_EQ(again.nodes.size(), read.nodes.size());
  for (size_t i = 0; i < read.nodes.size(); ++i) {
    const AINode& a = read.nodes[i];
    const AINode& b = again.nodes[i];
    ASSERT_EQ(a.neighbours, b.neighbours);
    ASSERT_EQ(a.teleporter, b.teleporter);
    ASSERT_EQ(a.isSuperNode, b.isSuperNode);
    ASSERT_EQ(a.reserved, b.reserved);
    ASSERT_TRUE(Near(a.position.x, b.position.x) && Near(a.position.y, b.position.y) && Near(a.position.z, b.position.z));
  }
}

TEST(NavFileFuzzTest, MutatedGraphFilesAreReadWithinBoundsOrRefusedAndWrittenBackWhole) {
  for (const char* map : {"lobby", "gallery", "vault"}) {
    const std::string original = TempDir::Read(std::string(VR_GENERATED_DIR) + "/Maps/" + map + ".ngd");
    ASSERT_FALSE(original.empty()) << map;
    platform::SeedRandom(19);
    for (int i = 0; i < kMutants / 3; ++i) {
      const std::string mutant = Mutate(original, kLimits);
      const NodeGraphParse read = ParseNodeGraph(mutant, 0);
      if (!read.error.empty()) continue;
      for (const AINode& node : read.nodes) {
        for (int32_t link : node.neighbours) ASSERT_TRUE(link >= 0 && size_t(link) < read.nodes.size() && link != node.id);
      }
      ExpectWrittenBackTheSame(read);
    }
  }
}

// The path file's entries, each with its text, of two maps.
struct PathEntry {
  AIRoute route;
  bool ours;
  std::string text;
};

std::vector<PathEntry> PathEntries() {
  std::vector<PathEntry> entries;
  for (int32_t r = 0; r < 40; ++r) {
    AIRoute route;
    for (int32_t k = 0; k < 4 + r % 9; ++k) route.nodeIds.push_back((r * 7 + k * 3) % 75);
    route.useCount = r % 5;
    route.length = float(r * 37 % 1000) / 8.0f;
    const bool ours = r % 7 != 0;
    entries.push_back({route, ours, PathFileEntry(route, ours ? "lobby.bsp" : "vault.bsp")});
  }
  return entries;
}

bool Holds(const std::vector<AIRoute>& routes, const AIRoute& route) {
  for (const AIRoute& r : routes) {
    if (r.nodeIds == route.nodeIds && r.useCount == route.useCount && r.length == route.length) return true;
  }
  return false;
}

TEST(NavFileFuzzTest, MutatedPathFilesKeepOnlyWholeRoutesOfTheirMap) {
  std::string original;
  for (const PathEntry& entry : PathEntries()) original += entry.text;
  platform::SeedRandom(19);
  for (int i = 0; i < kMutants; ++i) {
    const PathFileParse read = ParsePathFile(Mutate(original, kLimits), "lobby.bsp", 0);
    for (const AIRoute& kept : read.routes) {
      ASSERT_FALSE(kept.nodeIds.empty());
      ASSERT_EQ(kept.name, "lobby.bsp");
      ASSERT_TRUE(std::isfinite(kept.length) && kept.length >= 0.0f && kept.useCount >= 0);
    }
  }
}

// A few entries damaged, each within its own two lines: every other entry of the map is read,
// and the file written back from what was read holds them all and reads back without a fault.
TEST(NavFileFuzzTest, EntriesOfAPathFileThatWereSoundSurviveADamagedReadAndTheWriteBack) {
  const std::vector<PathEntry> entries = PathEntries();
  platform::SeedRandom(23);
  for (int i = 0; i < kMutants; ++i) {
    std::vector<bool> damaged(entries.size(), false);
    for (size_t n = 1 + PickBelow(3); n > 0; --n) damaged[PickBelow(entries.size())] = true;
    std::string mutant;
    for (size_t e = 0; e < entries.size(); ++e) {
      const std::string& text = entries[e].text;
      // The line end that closes the entry stays, so the next one still starts a line.
      mutant += damaged[e] ? Mutate(text.substr(0, text.size() - 1), kLimits) + "\n" : text;
    }
    const PathFileParse read = ParsePathFile(mutant, "lobby.bsp", 0);
    const PathFileParse back = ParsePathFile(PathFileText(read.routes, "lobby.bsp", 0, 75), "lobby.bsp", 0);
    ASSERT_TRUE(back.skipped.empty()) << back.skipped[0];
    ASSERT_EQ(back.routes.size(), size_t(std::count_if(read.routes.begin(), read.routes.end(),
                                                      [](const AIRoute& r) { return RouteFits(r, 75); })));
    for (size_t e = 0; e < entries.size(); ++e) {
      if (damaged[e] || !entries[e].ours) continue;
      ASSERT_TRUE(Holds(read.routes, entries[e].route)) << "entry " << e << " lost from\n" << mutant;
      ASSERT_TRUE(Holds(back.routes, entries[e].route)) << "entry " << e << " not written back";
    }
  }
}

}  // namespace
