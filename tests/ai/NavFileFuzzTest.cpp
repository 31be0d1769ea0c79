#include <gtest/gtest.h>

#include "ai/NodeGraphFile.h"
#include "ai/PathFile.h"
#include "platform/core/Random.h"
#include "tests/support/Mutator.h"
#include "tests/support/TempDir.h"

// Seeded mutants of the demo museum's graph files and of a path file: each is read or refused,
// never a crash, a hang or an id outside the graph.
namespace {

constexpr int kMutants = 10000;

const MutationLimits kLimits{6, 16, 64, {"-1", "1000000000", "2147483648", "nan", "inf", " ", "\r\n", "\t", "0", "-"}};

TEST(NavFileFuzzTest, MutatedGraphFilesAreReadWithinBoundsOrRefused) {
  for (const char* map : {"lobby", "gallery", "vault"}) {
    const std::string original = TempDir::Read(std::string(VR_GENERATED_DIR) + "/Maps/" + map + ".ngd");
    ASSERT_FALSE(original.empty()) << map;
    platform::SeedRandom(19);
    for (int i = 0; i < kMutants / 3; ++i) {
      const std::string mutant = Mutate(original, kLimits);
      const NodeGraphParse read = ParseNodeGraph(mutant, 0);
      if (!read.error.empty()) continue;
      for (const AINode& node : read.nodes) {
        for (int32_t link : node.neighbours) ASSERT_TRUE(link >= 0 && size_t(link) < read.nodes.size());
      }
    }
  }
}

TEST(NavFileFuzzTest, MutatedPathFilesKeepOnlyWholeRoutesOfTheirMap) {
  AIRoute route;
  std::string original;
  for (int32_t r = 0; r < 40; ++r) {
    route.nodeIds.clear();
    for (int32_t k = 0; k < 4 + r % 9; ++k) route.nodeIds.push_back((r * 7 + k * 3) % 75);
    route.useCount = r % 5;
    original += PathFileEntry(route, r % 7 ? "lobby.bsp" : "vault.bsp");
  }
  platform::SeedRandom(19);
  for (int i = 0; i < kMutants; ++i) {
    const PathFileParse read = ParsePathFile(Mutate(original, kLimits), "lobby.bsp", 0);
    for (const AIRoute& kept : read.routes) {
      ASSERT_FALSE(kept.nodeIds.empty());
      ASSERT_EQ(kept.name, "lobby.bsp");
    }
  }
}

}  // namespace
