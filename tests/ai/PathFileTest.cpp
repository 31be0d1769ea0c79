#include <gtest/gtest.h>

#include "ai/PathFile.h"

// The path file: the written bytes, and what a damaged file drops.
namespace {

AIRoute Route(std::vector<int32_t> ids, int32_t useCount = 0, float length = 0.0f) {
  AIRoute route;
  route.nodeIds = std::move(ids);
  route.useCount = useCount;
  route.length = length;
  return route;
}

TEST(PathFileTest, ARouteIsTwoLinesOfTabbedFieldsAndReadsBackWhole) {
  const std::string text = PathFileEntry(Route({4, 9, 17}, 3), "foyer2.bsp");
  EXPECT_EQ(text, "foyer2.bsp\t0.000000\t3\t3\n4\t9\t17\t\n");
  EXPECT_EQ(PathFileName("foyer2.bsp"), "Maps/foyer2.bsp.path");
  const PathFileParse read = ParsePathFile(text + PathFileEntry(Route({1, 2}, 0, 12.5f), "foyer2.bsp"), "foyer2.bsp", 4);
  ASSERT_EQ(read.routes.size(), 2u);
  EXPECT_EQ(read.dropped, 0u);
  EXPECT_EQ(read.routes[0].nodeIds, (std::vector<int32_t>{4, 9, 17}));
  EXPECT_EQ(read.routes[0].mapIndex, 4);
  EXPECT_EQ(read.routes[0].name, "foyer2.bsp");
  // A loaded route keeps its use count and length.
  EXPECT_EQ(read.routes[0].useCount, 3);
  EXPECT_FLOAT_EQ(read.routes[1].length, 12.5f);
}

TEST(PathFileTest, BadCountsOtherMapsAndCutLinesAreDroppedAndCounted) {
  const std::string good = PathFileEntry(Route({1, 2}), "lobby.bsp");
  struct Case {
    std::string text;
    size_t routes, dropped;
  };
  const std::vector<Case> cases = {
      {good + "gallery.bsp\t0\t0\t2\n5\t6\t\n" + good, 2, 1},  // another map's route between two of ours
      {good + "lobby.bsp\t0\t0\t0\n\n" + good, 2, 0},          // a count of 0 names no route
      {good + "lobby.bsp\t0\t0\t-3\n1\t\n", 1, 1},
      {good + "lobby.bsp\t0\t0\t2000000000\n1\t\n", 1, 1},
      {good + "lobby.bsp\t0\t0\t3\n1\t2\t", 1, 1},  // the last line cut
      {good + "lobby.bsp\t0\t0", 1, 1},
      {good + "lobby.bsp\tx\t0\t1\n1\n", 1, 1},
      {"\r\n" + good + "\r\n", 1, 0},
  };
  for (const Case& c : cases) {
    const PathFileParse read = ParsePathFile(c.text, "lobby.bsp", 0);
    EXPECT_EQ(read.routes.size(), c.routes) << c.text;
    EXPECT_EQ(read.dropped, c.dropped) << c.text;
  }
}

TEST(PathFileTest, AMapNameWithABlankReadsBack) {
  const std::string text = PathFileEntry(Route({7, 8}), "old wing.bsp") + PathFileEntry(Route({3}), "wing.bsp");
  const PathFileParse read = ParsePathFile(text, "old wing.bsp", 1);
  ASSERT_EQ(read.routes.size(), 1u);
  EXPECT_EQ(read.routes[0].nodeIds, (std::vector<int32_t>{7, 8}));
  EXPECT_EQ(read.dropped, 1u);
}

}  // namespace
