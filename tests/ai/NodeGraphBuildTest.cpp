#include <gtest/gtest.h>

#include <chrono>

#include "ai/NodeGraphFile.h"
#include "tests/ai/NavTestSupport.h"

namespace {

using NodeGraphBuildTest = NavTest;

TEST_F(NodeGraphBuildTest, EachDemoMapGetsAGraphWrittenBesideIt) {
  const auto begin = std::chrono::steady_clock::now();
  StartGame();
  std::cerr << "start took " << std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() << " s\n";
  ASSERT_EQ(Ai()->GetMapCount(), 3u);
  for (int32_t i = 0; i < 3; ++i) {
    std::cerr << Map(i).MapName() << ": " << Map(i).nodes.size() << " nodes, own " << Map(i).ownNodeCount << "\n";
    EXPECT_GT(Map(i).ownNodeCount, 10u);
    EXPECT_TRUE(std::filesystem::exists(*NodeGraphFileName(Map(i).MapName())));
  }
  std::cerr << LogOf("AI Log");
}

}  // namespace
