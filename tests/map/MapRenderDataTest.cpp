#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "map/StringList.h"
#include "tests/map/MapTestSupport.h"

namespace {

std::array<int, 3> Brighten(uint8_t r, uint8_t g, uint8_t b) {
  const uint8_t in[3] = {r, g, b};
  uint8_t out[3];
  BrightenLightmapTexel(in, 7.0f, out);
  return {out[0], out[1], out[2]};
}

TEST(Lightmaps, BrightenSevenfoldAndClampKeepingTheHue) {
  EXPECT_EQ(Brighten(100, 50, 0), (std::array<int, 3>{255, 127, 0}));
  EXPECT_EQ(Brighten(20, 10, 5), (std::array<int, 3>{140, 70, 35}));
  EXPECT_EQ(Brighten(0, 0, 0), (std::array<int, 3>{0, 0, 0}));

  auto lightmap = std::make_unique<BspLightmap>();
  std::memset(lightmap.get(), 0, sizeof(BspLightmap));
  lightmap->texels[1][2][0] = 20, lightmap->texels[1][2][1] = 10, lightmap->texels[1][2][2] = 5;
  auto image = std::make_unique<LightmapImage>();
  BuildLightmapImage(*lightmap, *image);
  const uint8_t* texel = image->data() + (1 * kLightmapSize + 2) * 4;  // rows in order
  EXPECT_EQ((std::array<int, 4>{texel[0], texel[1], texel[2], texel[3]}), (std::array<int, 4>{140, 70, 35, 255}));
  EXPECT_EQ(image->data()[3], 255);
}

// Images are built eight texels at a time where the processor allows, else four at a time, and
// from a table; every texel must still come out as the texel rule says, both ways: every pair of
// a channel and a brightest channel, dark runs (no clamp) broken by one texel just too bright
// (37), bright ones (clamped to the brightest channel) and ties.
TEST(Lightmaps, ImagesBrightenEveryTexelAsTheTexelRuleDoes) {
  constexpr int kTexels = kLightmapSize * kLightmapSize;
  std::vector<uint8_t> in(size_t(3 * 4 * kTexels));
  for (int j = 0; j < 4 * kTexels; ++j) {
    in[3 * size_t(j)] = uint8_t(j), in[3 * size_t(j) + 1] = uint8_t(j >> 8), in[3 * size_t(j) + 2] = 0;
  }
  std::mt19937 random(27);
  auto darkish = [&random] { return uint8_t(random() % 64 == 0 ? 37 + random() % 219 : random() % 38); };
  for (int j = 0; j < 2 * kTexels; ++j) in.insert(in.end(), {darkish(), darkish(), darkish()});
  const int count = int(in.size() / 3);
  std::vector<uint8_t> out(size_t(4 * count));
  for (auto brighten : {BrightenLightmapTexels, BrightenLightmapTexelsPortably}) {
    std::fill(out.begin(), out.end(), 0);
    brighten(in.data(), out.data(), count);
    for (int i = 0; i < count; ++i) {
      const uint8_t* texel = out.data() + 4 * i;
      const std::array<int, 3> want = Brighten(in[3 * size_t(i)], in[3 * size_t(i) + 1], in[3 * size_t(i) + 2]);
      ASSERT_EQ((std::array<int, 4>{texel[0], texel[1], texel[2], texel[3]}), (std::array<int, 4>{want[0], want[1], want[2], 255}))
          << "texel " << i;
    }
  }
}

TEST(MapTextures, FlagsComeFromTheListsAndTheExactClipName) {
  MapTextureLists lists;
  lists.alpha = {"textures/glass", "textures/grate"};
  lists.occluder = {"textures/glass"};
  lists.noLightmap = {"textures/sky"};
  lists.billboard = {"textures/tree"};
  TextureRenderFlags glass = FlagsForTexture("textures/glass", lists);
  EXPECT_EQ(glass.alpha + glass.occluder, 2);
  EXPECT_EQ(glass.noLightmap + glass.billboard + glass.clip, 0);
  EXPECT_EQ(FlagsForTexture("textures/sky", lists).noLightmap, 1);
  EXPECT_EQ(FlagsForTexture("textures/tree", lists).billboard, 1);
  EXPECT_EQ(FlagsForTexture("textures/Glass", lists).alpha, 0);
  EXPECT_EQ(FlagsForTexture("textures/common/clip", lists).clip, 1);
  EXPECT_EQ(FlagsForTexture("textures/common/clipx", lists).clip, 0);
  EXPECT_EQ(TextureFileCandidates("textures/a"),
            (std::array<std::string, 4>{"textures/a.dds", "textures/a.png", "textures/a.tga", "textures/a.jpg"}));
}

TEST(MapRenderData, BuildsVerticesIndicesTexturesAndLightmaps) {
  BspFileContents c = MinimalMap();
  c.vertices[2].normal[1] = 1, c.vertices[2].texCoord[0] = 0.5f, c.vertices[2].lightmapCoord[1] = 0.25f;
  BspTexture unterminated{};
  std::memset(unterminated.name, 'x', sizeof unterminated.name);
  c.textures.push_back(unterminated);
  BspData data = LoadedMinimalMap(c);
  MapRenderData render;
  ASSERT_TRUE(render.Build(data, MapTextureLists()));
  ASSERT_EQ(render.GetVertices().size(), 3u);
  const MapVertex& v = render.GetVertices()[2];
  EXPECT_EQ(v.position, (platform::Vector3{0, -20, 0}));
  EXPECT_EQ(v.normal, (platform::Vector3{0, -1, 0}));
  EXPECT_EQ(v.texCoord, (platform::Vector2{0.5f, 0}));
  EXPECT_EQ(v.lightmapCoord, (platform::Vector2{0, 0.25f}));
  EXPECT_EQ(render.GetIndices(), (std::vector<uint16_t>{0, 1, 2}));
  EXPECT_EQ(render.GetTextureNames(), (std::vector<std::string>{"textures/museum/floor_wood", std::string(64, 'x')}));
  EXPECT_EQ(render.GetTextureFlags().size(), 2u);
  EXPECT_EQ(render.GetLightmaps().size(), 1u);
  EXPECT_EQ(render.FaceQueued(), std::vector<uint8_t>{0});

  c.lightmaps.clear();
  c.faces[0].lightmap = -1;
  ASSERT_TRUE(render.Build(LoadedMinimalMap(c), MapTextureLists()));
  EXPECT_TRUE(render.GetLightmaps().empty());
  render.Clear();
  EXPECT_TRUE(render.GetVertices().empty());
  EXPECT_EQ(render.GetMap(), nullptr);
}

TEST(MapRenderData, RefusesIndicesBeyondSixteenBits) {
  BspData data = LoadedMinimalMap();
  data.meshVertices = {0, 65535, 65536, -7};
  data.faces[0].meshVertexCount = 2;
  MapRenderData render;
  ASSERT_TRUE(render.Build(data, MapTextureLists()));
  EXPECT_EQ(render.GetIndices(), (std::vector<uint16_t>{0, 65535, 0, 0}));  // unused ones: 0
  data.faces[0].meshVertexCount = 3;
  EXPECT_FALSE(render.Build(data, MapTextureLists()));
  EXPECT_TRUE(render.GetIndices().empty());
}

class LoadedRenderData : public MapFixture {};

TEST_F(LoadedRenderData, LoadingReadsTheTextureListsAndNamesMissingOnes) {
  SaveStringListXml({"textures/museum/floor_wood"}, "Data/billboardTextures.xml");
  BspMap map;
  Load(map, MinimalMap());
  EXPECT_EQ(map.GetRenderData().GetTextureFlags()[0].billboard, 1);
  EXPECT_EQ(map.GetRenderData().GetTextureFlags()[0].alpha, 0);
  const std::string missing = "Failed to load config. Data/alhpaTextures.xml: could not open file\n"
                              "Failed to load config. Data/nolightmapTextures.xml: could not open file\n"
                              "Failed to load config. Data/occluderTextures.xml: could not open file\n";
  EXPECT_EQ(LogOf("GraphicsLog"), missing);
  // A mesh vertex no face uses may hold anything; it is not drawn.
  BspFileContents c = MinimalMap();
  c.meshVertices.push_back(-1);
  Load(map, c);
  EXPECT_EQ(map.GetRenderData().GetIndices(), (std::vector<uint16_t>{0, 1, 2, 0}));
  EXPECT_EQ(LogOf("GraphicsLog"), missing) << "a missing list is named once per run, not at every map load";
  for (const char* list : {"Data/alhpaTextures.xml", "Data/nolightmapTextures.xml", "Data/occluderTextures.xml"})
    EXPECT_FALSE(TempDir::Exists(list)) << list;
}

}  // namespace
