#include <gtest/gtest.h>

#include "map/BspReader.h"
#include "map/LeafFinder.h"
#include "map/MapGeometry.h"
#include "tests/map/ZipArchive.h"

namespace {

TEST(ThirdPartyMaps, AllFiftyLoad) {
  std::string package = ThirdPartyMapPackage();
  if (package.empty()) GTEST_SKIP() << "third-party map package not installed";
  ZipArchive zip(package);
  int maps = 0, withPatches = 0, withoutLightmaps = 0;
  for (const ZipArchive::Entry& entry : zip.entries()) {
    if (entry.name.size() < 4 || entry.name.substr(entry.name.size() - 4) != ".bsp") continue;
    ++maps;
    BspData map;
    try {
      BspReader::Parse(zip.Extract(entry), map);
    } catch (const BspError& e) {
      ADD_FAILURE() << entry.name << ": " << e.what() << ": " << e.detail();
      continue;
    }
    EXPECT_TRUE(map.entityProblems.empty()) << entry.name;
    EXPECT_FALSE(map.entityKeyValues.empty()) << entry.name;
    EXPECT_EQ(map.entityKeyValues[0].at("classname"), "worldspawn") << entry.name;
    bool patches = false;
    for (const BspFace& f : map.faces) patches |= f.type == kFacePatch;
    withPatches += patches;
    withoutLightmaps += map.lightmaps.empty();
    ConvertToWorldFrame(map);
    LeafFinder finder(map);
    for (const KeyValueMap& e : map.entityKeyValues) {
      auto origin = e.find("origin");
      if (origin == e.end()) continue;
      float p[3];
      ReadVectorKey(origin->second, p);
      p[1] = -p[1];
      EXPECT_GE(finder.FindLeafIndex(p), 0) << entry.name;
    }
  }
  EXPECT_EQ(maps, 50);
  EXPECT_EQ(withPatches, 25);
  EXPECT_EQ(withoutLightmaps, 1);
}

}  // namespace
