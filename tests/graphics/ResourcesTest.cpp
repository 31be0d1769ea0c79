#include <filesystem>

#include "tests/graphics/GraphicsFixture.h"

namespace fs = std::filesystem;

namespace {

using ResourcesTest = GraphicsFixture;

TEST_F(ResourcesTest, ATextureIsLoadedOnceWhateverTheCaseOrSlashesOfItsName) {
  StartGraphics();
  TextureManager* textures = graphics->GetTextureManager();
  platform::Texture* first = textures->GetOrLoad("Museum/Floor_Wood.PNG");
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, graphics->GetDefaultTexture());
  EXPECT_EQ(textures->GetOrLoad("museum/floor_wood.png"), first);
  EXPECT_EQ(textures->GetOrLoad("museum\\FLOOR_WOOD.png"), first);
  EXPECT_EQ(CountLines(LogOf("AssetsLoaded"), "Loaded textures/museum/floor_wood.png"), 1);
  EXPECT_EQ(textures->UseCount("museum/floor_wood.png"), 3);
}

TEST_F(ResourcesTest, StartUpTexturesAreLoadedFromTheDataTree) {
  StartGraphics();
  const std::string loaded = LogOf("AssetsLoaded");
  for (const char* path : {"textures/default.png", "textures/none.bmp", "textures/celshading/shade.bmp",
                           "textures/celshading/shadeblack.bmp", "textures/laser.bmp", "textures/laserpixel.bmp",
                           "textures/shadow.bmp", "textures/gui/loading.dds"}) {
    EXPECT_EQ(CountLines(loaded, std::string("Loaded ") + path), 1) << path;
  }
  const std::string log = LogOf("GraphicsLog");
  for (const char* name : {"default.png", "none.bmp", "shade", "laser", "shadow.bmp", "loading.dds"}) {
    EXPECT_EQ(log.find(name), std::string::npos) << log;
  }
}

TEST_F(ResourcesTest, ReleasingTheLastUseDestroysATextureAndExtraReleasesAreIgnored) {
  StartGraphics();
  TextureManager* textures = graphics->GetTextureManager();
  platform::Texture* tile = nullptr;
  for (int i = 0; i < 3; ++i) tile = textures->GetOrLoad("museum/floor_tile.png");
  const size_t held = textures->Size();
  textures->Release(tile);
  textures->Release(tile);
  EXPECT_EQ(textures->UseCount("museum/floor_tile.png"), 1);
  textures->Release(tile);
  EXPECT_EQ(textures->Size(), held - 1);
  textures->Release(tile);
  EXPECT_EQ(textures->Size(), held - 1);
}

// A texture's file is decoded once per run: released to the last use and asked for again (the
// next game), it comes back from the kept image, even with its file gone; the load is still
// logged each time.
TEST_F(ResourcesTest, AReleasedTextureComesBackWithoutItsFileBeingReadAgain) {
  StartGraphics();
  TextureManager* textures = graphics->GetTextureManager();
  platform::Texture* tile = textures->GetOrLoad("museum/floor_tile.png");
  ASSERT_NE(tile, graphics->GetDefaultTexture());
  const int width = tile->Width(), height = tile->Height();
  textures->Release(tile);
  ASSERT_EQ(textures->UseCount("museum/floor_tile.png"), 0);
  fs::remove("textures/museum/floor_tile.png");
  platform::Texture* again = textures->GetOrLoad("museum/floor_tile.png");
  ASSERT_NE(again, graphics->GetDefaultTexture());
  EXPECT_EQ(again->Width(), width);
  EXPECT_EQ(again->Height(), height);
  EXPECT_EQ(CountLines(LogOf("AssetsLoaded"), "Loaded textures/museum/floor_tile.png"), 2);
}

// Files that are no texture: each gives the default texture, and is reported once.
class BadTextureTest : public GraphicsFixture, public ::testing::WithParamInterface<std::pair<const char*, std::string>> {};

std::string DdsWithSize(uint32_t width, uint32_t height) {
  std::string dds = "DDS ";
  auto put = [&](uint32_t v) { dds.append({char(v), char(v >> 8), char(v >> 16), char(v >> 24)}); };
  put(124);
  put(0x100F);
  put(height);
  put(width);
  put(width * 4);
  for (int i = 0; i < 13; ++i) put(0);
  for (uint32_t v : {32u, 0x41u, 0u, 32u, 0xFF0000u, 0xFF00u, 0xFFu, 0xFF000000u, 0x1000u, 0u, 0u, 0u, 0u}) put(v);
  return dds + std::string(64, '\x7f');
}

TEST_P(BadTextureTest, TheDefaultTextureStandsInAndTheFailureIsLoggedOnce) {
  const auto& [name, contents] = GetParam();
  if (!contents.empty()) TempDir::Write(std::string("textures/") + name, contents);
  StartGraphics();
  TextureManager* textures = graphics->GetTextureManager();
  EXPECT_EQ(textures->GetOrLoad(name), graphics->GetDefaultTexture());
  EXPECT_EQ(textures->GetOrLoad(name), graphics->GetDefaultTexture());
  const std::string log = LogOf("GraphicsLog");
  const std::string failure = std::string("Failed to load texture textures/") + name;
  EXPECT_NE(log.find(failure), std::string::npos) << log;
  EXPECT_EQ(log.find(failure), log.rfind(failure)) << log;
  EXPECT_EQ(LogOf("AssetsLoaded").find(name), std::string::npos);
  textures->Release(graphics->GetDefaultTexture());
  EXPECT_GT(textures->UseCount(graphics->GetConfig().DefaultTexture), 0) << "a stand-in use is counted";
}

std::string TruncatedPng() {
  const std::string png = TempDir::Read("textures/museum/ceiling.png");
  return png.substr(0, png.size() / 3);
}

INSTANTIATE_TEST_SUITE_P(BadFiles, BadTextureTest,
                         ::testing::Values(std::make_pair("missing.png", std::string()),
                                           std::make_pair("truncated.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
                                           std::make_pair("notes.tga", std::string("just some text, not a picture")),
                                           std::make_pair("huge.dds", DdsWithSize(0x7FFFFFFF, 0x7FFFFFFF)),
                                           std::make_pair("zero.dds", DdsWithSize(0, 0))));

TEST_F(ResourcesTest, ATextureCutShortGivesTheDefaultTexture) {
  TempDir::Write("textures/cut.png", TruncatedPng());
  StartGraphics();
  EXPECT_EQ(graphics->GetTextureManager()->GetOrLoad("cut.png"), graphics->GetDefaultTexture());
}

TEST_F(ResourcesTest, AMissingDefaultTextureLeavesTheCheckerStandingIn) {
  fs::remove("textures/default.png");
  StartGraphics();
  EXPECT_EQ(graphics->GetDefaultTexture(), &graphics->GetTextureManager()->Checker());
  EXPECT_EQ(graphics->GetTextureManager()->GetOrLoad("missing.png"), &graphics->GetTextureManager()->Checker());
}

TEST_F(ResourcesTest, ListedFontsAreRegisteredByName) {
  StartGraphics();
  FontManager* fonts = graphics->GetFontManager();
  ASSERT_NE(fonts->Get("hud"), nullptr);
  EXPECT_EQ(fonts->Get("HUD")->Height(), 32);
  EXPECT_EQ(fonts->Get("NoSuchFont"), nullptr);
}

}  // namespace
