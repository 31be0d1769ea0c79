#include "platform/core/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/Random.h"
#include "tests/support/TempDir.h"

TEST(ResolvePath, FindsNamesIgnoringCaseAndBackslashes) {
  TempDir dir;
  TempDir::Write("Data/Menus/Main.XML", "x");
  EXPECT_EQ(platform::ResolvePath("data\\menus\\main.xml"), "Data/Menus/Main.XML");
  EXPECT_EQ(platform::ResolvePath("DATA/MENUS/MAIN.xml"), "Data/Menus/Main.XML");
  // A missing file keeps the caller's name, so that a new file gets created under it.
  EXPECT_EQ(platform::ResolvePath("data\\new.xml"), "data/new.xml");
  EXPECT_EQ(platform::ResolvePath(dir / "DATA/menus/main.xml"), dir / "Data/Menus/Main.XML");
}

TEST(WriteFileAtomic, ReplacesWholeOrNotAtAll) {
  TempDir dir;
  ASSERT_TRUE(platform::WriteFileAtomic("a.txt", "first"));
  ASSERT_TRUE(platform::WriteFileAtomic("a.txt", "second"));
  EXPECT_EQ(TempDir::Read("a.txt"), "second");
  // A folder that cannot be written keeps the good file as it was.
  ::mkdir("ro", 0755);
  TempDir::Write("ro/b.txt", "good");
  ::chmod("ro", 0555);
  if (::geteuid() != 0) {
    EXPECT_FALSE(platform::WriteFileAtomic("ro/b.txt", "bad"));
    EXPECT_EQ(TempDir::Read("ro/b.txt"), "good");
  }
  EXPECT_FALSE(platform::WriteFileAtomic("missing/dir/c.txt", "x"));
  auto bytes = platform::ReadFileBytes("A.TXT");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "second");
  EXPECT_FALSE(platform::ReadFileBytes("nothing.bin").has_value());
  ::mkdir("folder", 0755);
  EXPECT_FALSE(platform::ReadFileBytes("folder").has_value());
  TempDir::Write("empty.bin", "");
  EXPECT_TRUE(platform::ReadFileBytes("empty.bin")->empty());
}

// A save killed before its rename left "lobby.bsp.path.tmp22093" for good. The next save of the
// same file removes what gone processes left, and only that.
TEST(WriteFileAtomic, RemovesTheTemporaryFilesKilledSavesOfTheSameFileLeft) {
  TempDir dir;
  ::mkdir("Maps", 0755);
  // Process ids are below this on Linux, so no process has it.
  const std::string gone = std::to_string(1 << 23);
  const std::string running = std::to_string(::getppid());
  for (const std::string& name : {"lobby.bsp.path.tmp" + gone, "lobby.bsp.path.tmp" + running,
                                  "vault.bsp.path.tmp" + gone, "lobby.bsp.path.tmpx" + gone}) {
    TempDir::Write("Maps/" + name, "half");
  }
  ASSERT_TRUE(platform::WriteFileAtomic("Maps/lobby.bsp.path", "whole"));
  EXPECT_EQ(TempDir::Read("Maps/lobby.bsp.path"), "whole");
  EXPECT_FALSE(TempDir::Exists("Maps/lobby.bsp.path.tmp" + gone));
  EXPECT_TRUE(TempDir::Exists("Maps/lobby.bsp.path.tmp" + running)) << "a running process may be writing it";
  EXPECT_TRUE(TempDir::Exists("Maps/vault.bsp.path.tmp" + gone)) << "another file's";
  EXPECT_TRUE(TempDir::Exists("Maps/lobby.bsp.path.tmpx" + gone)) << "not a temporary file of ours";
}

TEST(Random, HasTheClassicRangeAndRepeatsPerSeed) {
  platform::SeedRandom(7);
  int first[5];
  for (int& v : first) v = platform::Random();
  platform::SeedRandom(7);
  for (int v : first) EXPECT_EQ(platform::Random(), v);
  int lo = platform::kRandMax, hi = 0;
  for (int i = 0; i < 100000; ++i) {
    int v = platform::Random();
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, platform::kRandMax);
}
