#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "map/BspReader.h"
#include "tests/map/TestMaps.h"
#include "tests/map/ZipArchive.h"
#include "tests/support/TempDir.h"
#include "tools/bspinfo/MapReport.h"

namespace {

struct ToolRun {
  int status = -1;  // the exit status; -1 when the tool did not exit by itself
  std::string out, err;
};

// Runs the tool in the temporary folder on the given arguments (each quoted for the shell).
ToolRun RunBspInfo(const TempDir& dir, const std::vector<std::string>& args) {
  std::string line = std::string("exec '") + BSPINFO_PATH + "'";
  for (const std::string& arg : args) line += " '" + arg + "'";
  line += " >'" + (dir / "out.txt") + "' 2>'" + (dir / "err.txt") + "'";
  int raw = std::system(line.c_str());
  ToolRun run;
  if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  run.out = TempDir::Read(dir / "out.txt");
  run.err = TempDir::Read(dir / "err.txt");
  return run;
}

std::string WriteMap(const TempDir& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  TempDir::Write(dir / name, std::string(bytes.begin(), bytes.end()));
  return dir / name;
}

// What the game's own loader says of the bytes: empty when it accepts them.
std::string LoaderMessage(const std::vector<uint8_t>& bytes) {
  BspData map;
  try {
    BspReader::Parse(bytes, map);
  } catch (const BspError& e) {
    return std::string(e.what()) + ": " + e.detail();
  }
  return "";
}

TEST(BspInfo, ReportsTheLumpsClassesClustersAndTexturesTheLoaderRead) {
  BspFileContents contents = MinimalMap();
  contents.entityText += "{\n\"classname\" \"PlayerStart\"\n}\n{\n\"classname\" \"PlayerStart\"\n}\n{\n}\n";
  BspData map;
  BspReader::Parse(WriteBsp(contents), map);
  std::ostringstream out;
  WriteMapReport(map, out);
  EXPECT_EQ(out.str(),
            "Lumps:\n"
            "  entities                     4\n"
            "  textures                     1\n"
            "  planes                       2\n"
            "  nodes                        2\n"
            "  leaves                       3\n"
            "  leaf faces                   1\n"
            "  leaf brushes                 1\n"
            "  models                       1\n"
            "  brushes                      1\n"
            "  brush sides                  1\n"
            "  vertices                     3\n"
            "  mesh vertices                3\n"
            "  effects                      1\n"
            "  faces                        1\n"
            "  lightmaps                    1\n"
            "  light volumes                2\n"
            "  visibility                   2\n"
            "Entity classes:\n"
            "  (no classname)               1\n"
            "  PlayerStart                  2\n"
            "  worldspawn                   1\n"
            "Clusters: 2\n"
            "Textures:\n"
            "  textures/museum/floor_wood\n");
}

TEST(BspInfo, AcceptsTheDemoMaps) {
  TempDir dir;
  std::vector<std::string> paths;
  for (const char* name : {"lobby.bsp", "gallery.bsp", "vault.bsp"})
    paths.push_back(std::string(VR_GENERATED_DIR) + "/Maps/" + name);
  // Names are looked up as the game looks them up: in any letter case, with Windows slashes.
  paths.push_back(std::string(VR_GENERATED_DIR) + "\\MAPS\\Lobby.BSP");
  ToolRun run = RunBspInfo(dir, paths);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const std::string& path : paths) EXPECT_NE(run.out.find(path + "\nLumps:\n"), std::string::npos) << path;
  EXPECT_NE(run.out.find("  PlayerStart "), std::string::npos);
}

TEST(BspInfo, AcceptsTheFiftyThirdPartyMaps) {
  std::string package = ThirdPartyMapPackage();
  if (package.empty()) GTEST_SKIP() << "third-party map package not installed";
  TempDir dir;
  ZipArchive zip(package);
  std::vector<std::string> paths;
  for (const ZipArchive::Entry& entry : zip.entries()) {
    if (!entry.name.ends_with(".bsp")) continue;
    paths.push_back(WriteMap(dir, std::filesystem::path(entry.name).filename().string(), zip.Extract(entry)));
  }
  ASSERT_EQ(paths.size(), 50u);
  ToolRun run = RunBspInfo(dir, paths);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const std::string& path : paths) {
    size_t at = run.out.find(path + "\nLumps:\n");
    ASSERT_NE(at, std::string::npos) << path;
    EXPECT_NE(run.out.find("  worldspawn ", at), std::string::npos) << path;
  }
}

// Every refusal is the loader's own message with its reason, the status is 1 and never a
// signal, and the maps beside a refused one are still checked.
TEST(BspInfo, RefusesWhatTheGameRefusesWithTheLoadersMessage) {
  TempDir dir;
  const std::vector<uint8_t> good = DemoMapBytes("gallery.bsp");
  ASSERT_GT(good.size(), 1000u);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> damaged;
  for (size_t size : {size_t(0), size_t(4), size_t(143), size_t(144), size_t(1000), good.size() / 2, good.size() - 1})
    damaged.emplace_back("cut" + std::to_string(size) + ".bsp", std::vector<uint8_t>(good.begin(), good.begin() + long(size)));
  std::vector<uint8_t> lumpPastEnd = good;
  lumpPastEnd[8 + 8 * kLumpFaces + 4] = 0xFF;  // the faces' length, far past the file's end
  damaged.emplace_back("faces.bsp", lumpPastEnd);
  std::vector<uint8_t> version = good;
  version[4] = 47;
  damaged.emplace_back("version.bsp", version);
  const std::string text = "<?xml version=\"1.0\"?>\n<var></var>\n";
  damaged.emplace_back("notabsp.bsp", std::vector<uint8_t>(text.begin(), text.end()));

  for (const auto& [name, bytes] : damaged) {
    std::string expected = LoaderMessage(bytes);
    ASSERT_NE(expected, "") << name << " was meant to be refused";
    std::string path = WriteMap(dir, name, bytes);
    ToolRun run = RunBspInfo(dir, {path, std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp"});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_EQ(run.err, path + ": " + expected + "\n") << name;
    EXPECT_NE(run.out.find("/Maps/lobby.bsp\nLumps:"), std::string::npos) << name;
  }
  EXPECT_NE(LoaderMessage(damaged[0].second).find("Not a valid BSP file"), std::string::npos);

  std::filesystem::create_directory(dir / "folder.bsp");
  for (const std::string& path : {dir / "folder.bsp", dir / "missing.bsp"}) {
    ToolRun run = RunBspInfo(dir, {path});
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_EQ(run.err, path + ": Could not open file\n");
    EXPECT_EQ(run.out, "");
  }
  ToolRun usage = RunBspInfo(dir, {});
  EXPECT_EQ(usage.status, 2);
  EXPECT_NE(usage.err.find("usage: bspinfo"), std::string::npos);
}

}  // namespace
