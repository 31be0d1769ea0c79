#include <gtest/gtest.h>

#include <filesystem>

#include "ai/nav/AIPathSet.h"
#include "ai/nav/PathFile.h"
#include "tests/support/TempDir.h"

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
  EXPECT_EQ(read.Dropped(), 0u);
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
      {good + "lobby.bsp\t0\t0\t0\n\n" + good, 2, 1},          // a count of 0 names no route
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
    EXPECT_EQ(read.Dropped(), c.dropped) << c.text;
  }
}

TEST(PathFileTest, AMapNameWithABlankReadsBack) {
  const std::string text = PathFileEntry(Route({7, 8}), "old wing.bsp") + PathFileEntry(Route({3}), "wing.bsp");
  const PathFileParse read = ParsePathFile(text, "old wing.bsp", 1);
  ASSERT_EQ(read.routes.size(), 1u);
  EXPECT_EQ(read.routes[0].nodeIds, (std::vector<int32_t>{7, 8}));
  EXPECT_EQ(read.Dropped(), 1u);
}

// One bad entry used to end the reading, and the write-back at exit lost every route after it.
const std::string kA = PathFileEntry(Route({0, 1}, 2, 10.0f), "lobby.bsp");
const std::string kC = PathFileEntry(Route({2, 3}, 1, 20.0f), "lobby.bsp");
const std::string kG = PathFileEntry(Route({4, 5, 6}, 0, 30.0f), "lobby.bsp");
const std::string kDamaged = kA + "lobby.bsp\tnan\t0\t2\n7\t8\t\n" + kC + "lobby.bsp\t-1.000000\t0\t1\n9\t\n" +
                             "lobby.bsp\t1.000000\t-4\t1\n9\t\n" + "lobby.bsp\t1.000000\t0\t3\n4\tx\t6\t\n" + kG;

TEST(PathFileTest, ABadEntryIsSkippedAndReadingGoesOnWithTheNext) {
  const PathFileParse read = ParsePathFile(kDamaged, "lobby.bsp", 0);
  ASSERT_EQ(read.routes.size(), 3u);
  EXPECT_EQ(read.routes[0].nodeIds, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(read.routes[1].nodeIds, (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(read.routes[2].nodeIds, (std::vector<int32_t>{4, 5, 6}));
  EXPECT_EQ(read.skipped, (std::vector<std::string>{
                              "entry 2 (line 3): its length is not a finite number",
                              "entry 4 (line 7): its length is negative",
                              "entry 5 (line 9): its use count is negative",
                              "entry 6 (line 11): its node ids are cut short or not numbers",
                          }));
}

class PathSetFileTest : public ::testing::Test {
 protected:
  PathSetFileTest() { std::filesystem::create_directory("Maps"); }

  // The lines the set logs, one a line.
  NavLog Log() {
    return [this](const std::string& text, unsigned) { log += text + "\n"; };
  }

  TempDir dir;
  std::string log;
};

TEST_F(PathSetFileTest, SkippedEntriesAreLoggedAndTheWriteBackKeepsEverySoundOne) {
  TempDir::Write("Maps/lobby.bsp.path", kDamaged);
  AIPathSet set;
  set.Load("lobby.bsp", 0, Log());
  EXPECT_EQ(set.database.size(), 3u);
  EXPECT_NE(log.find("Maps/lobby.bsp.path: entry 2 (line 3): its length is not a finite number: skipped"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("Maps/lobby.bsp.path: entry 6 (line 11): its node ids are cut short or not numbers: skipped"),
            std::string::npos);
  set.Save("lobby.bsp", 0, 10, Log());
  EXPECT_EQ(TempDir::Read("Maps/lobby.bsp.path"), kA + kC + kG) << "most used first";
}

}  // namespace
