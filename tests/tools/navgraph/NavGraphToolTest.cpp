#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/TempDir.h"

// The graph tool run as the build runs it: on the demo tree it passes; a graph the game would
// refuse, or one that leaves a place without a node, fails with the reason.
namespace {

struct ToolRun {
  int status = -1;
  std::string err;
};

class NavGraphToolTest : public ::testing::Test {
 protected:
  NavGraphToolTest() { std::filesystem::copy(NAVGRAPH_TREE, dir / "tree", std::filesystem::copy_options::recursive); }

  ToolRun Check() {
    const std::string line = std::string("exec '") + NAVGRAPH_PATH + "' check '" + (dir / "tree") + "' >/dev/null 2>'" +
                             (dir / "err.txt") + "'";
    const int raw = std::system(line.c_str());
    ToolRun run;
    if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    run.err = TempDir::Read(dir / "err.txt");
    return run;
  }

  TempDir dir;
};

TEST_F(NavGraphToolTest, TheDemoMuseumPasses) {
  const ToolRun run = Check();
  EXPECT_EQ(run.status, 0) << run.err;
  // The check reads the tree's files and writes nothing into the tree.
  EXPECT_FALSE(std::filesystem::exists(dir / "tree/Maps/lobby.ngd.bad"));
}

TEST_F(NavGraphToolTest, AGraphTheGameRefusesFails) {
  TempDir::Write(dir / "tree/Maps/vault.ngd", "2\n0 0 0\n1 2 3\n0 1 5\n0 0 0\n1 2 3\n1 0\n");
  const ToolRun run = Check();
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Maps/vault.ngd is refused (node 0: a link is cut short or names no node of the file)"),
            std::string::npos)
      << run.err;
}

TEST_F(NavGraphToolTest, APlaceWithoutANodeInSightFails) {
  // One node in a corner of the vault's antechamber: nothing else of the vault has a node, not
  // even at the patrol markers, for the game makes no guards.
  TempDir::Write(dir / "tree/Maps/vault.ngd", "1\n0\t0\t0\n16416.000000 -32.000000 48.000000\n0\t0\t\n");
  std::string settings = TempDir::Read(dir / "tree/Data/AIConfig.xml");
  const std::string guards = "<int name=\"MaxGuards\">8</int>";
  ASSERT_NE(settings.find(guards), std::string::npos);
  settings.replace(settings.find(guards), guards.size(), "<int name=\"MaxGuards\">0</int>");
  TempDir::Write(dir / "tree/Data/AIConfig.xml", settings);
  const ToolRun run = Check();
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("vault.bsp: "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("has no node in sight within 640"), std::string::npos) << run.err;
}

}  // namespace
