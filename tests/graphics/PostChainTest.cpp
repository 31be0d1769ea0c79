// The post-processing chain: how the blur and edge passes look over a picture, and that an empty
// scene (no camera) skips the chain without changing what the frame shows.
#include <gtest/gtest.h>

#include "engine/EngineSettings.h"
#include "graphics/Camera.h"
#include "graphics/gui/HUDAnimation.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"
#include "tests/support/TempDir.h"

namespace {

constexpr uint32_t kOpaqueBlack = 0x000000FF;
// A colour the frame never draws, as the device takes it (ARGB) and reads it back (RGBA).
constexpr uint32_t kScribble = 0xFF12ABCD;
constexpr uint32_t kScribbleRead = 0x12ABCDFF;

class PostChainTest : public GraphicsFixture {
 protected:
  // Paints `target` with the scribble colour.
  void Scribble(platform::RenderTarget* target) {
    platform::RenderDevice* device = graphics->GetDevice();
    device->SetRenderTarget(target);
    device->Clear(platform::ClearTarget, kScribble, 1.0f, 0);
  }

  // RGBA of a pixel of `target` (null: the back buffer), as 0xRRGGBBAA.
  uint32_t PixelOf(platform::RenderTarget* target, int x, int y) {
    platform::RenderDevice* device = graphics->GetDevice();
    device->SetRenderTarget(target);
    const std::vector<uint8_t> p = device->ReadPixels({x, y, x + 1, y + 1});
    device->SetRenderTarget(nullptr);
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
  }
};

// A picture with hard steps, soft gradients and small text: the demo's menu background with a
// button and a line of text laid over it.
void PaintPicture(Graphics& graphics) {
  platform::RenderDevice& device = *graphics.GetDevice();
  device.SetRenderTarget(graphics.GetSceneTarget());
  device.Clear(platform::ClearTarget | platform::ClearDepth, 0xFF000000, 1.0f, 0);
  platform::SpriteBatch& sprite = *graphics.GetSprite();
  TextureManager& textures = *graphics.GetTextureManager();
  sprite.Begin(platform::SpriteAlphaBlend);
  sprite.Draw(*textures.GetOrLoad("gui/background.png"), nullptr, nullptr, nullptr, 0xFFFFFFFF);
  const platform::Float3 at{380, 300, 0};
  sprite.Draw(*textures.GetOrLoad("gui/button.png"), nullptr, nullptr, &at, 0xFFFFFFFF);
  sprite.End();
  graphics.DrawConsoleText("Blur and edges over a picture 0123456789", 40, 600, 0xFFFFFF40);
}

TEST_F(PostChainTest, BlurThenEdgeOverAPictureMatchesItsReferenceImage) {
  StartGraphics();
  PaintPicture(*graphics);
  graphics->PostProcessPass("Blur", graphics->GetPostTarget(), graphics->GetSceneTarget()->GetTexture());
  graphics->PostProcessPass("Edge", nullptr, graphics->GetPostTarget()->GetTexture());
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "post_chain", 8, 0.998, &message)) << message;
}

// Without the outlines the closing pass shows the picture as it is, pixel for pixel.
TEST_F(PostChainTest, ThePlainClosingPassCopiesThePictureExactly) {
  StartGraphics();
  PaintPicture(*graphics);
  platform::RenderDevice& device = *graphics->GetDevice();
  const platform::IntRect whole{0, 0, device.BackBufferWidth(), device.BackBufferHeight()};
  device.SetRenderTarget(graphics->GetSceneTarget());
  std::vector<uint8_t> picture = device.ReadPixels(whole);
  graphics->PostProcessPass("Emblem", nullptr, graphics->GetSceneTarget()->GetTexture());
  std::vector<uint8_t> shown = device.ReadPixels(whole);
  ASSERT_EQ(shown.size(), picture.size());
  // The back buffer has no alpha of its own.
  for (size_t i = 3; i < picture.size(); i += 4) picture[i] = shown[i] = 255;
  EXPECT_TRUE(shown == picture);
}

TEST_F(PostChainTest, AFrameWithoutCameraSkipsTheChainAndStillShowsBlack) {
  StartGraphics();
  Scribble(graphics->GetPostTarget());
  Scribble(nullptr);
  UpdateAndRender();
  EXPECT_EQ(PixelOf(graphics->GetPostTarget(), 5, 5), kScribbleRead) << "the blur pass did not run";
  for (auto [x, y] : {std::pair{0, 0}, {512, 384}, {1023, 767}}) EXPECT_EQ(PixelOf(nullptr, x, y), kOpaqueBlack);

  // Seen from a camera, the chain runs: the blur fills texture B.
  Camera camera;
  graphics->SetActiveCamera(&camera);
  UpdateAndRender();
  graphics->SetActiveCamera(nullptr);
  EXPECT_EQ(PixelOf(graphics->GetPostTarget(), 5, 5), kOpaqueBlack);
}

TEST_F(PostChainTest, AWhiteFadeOverAnEmptySceneStartsFromBlackWhateverTextureAHeld) {
  StartGraphics();
  // Texture A still holds an old picture; the fade's overlay is composed in it.
  Scribble(graphics->GetSceneTarget());
  graphics->GetAnimationList()->AddFadeWhite();
  for (int i = 0; i < 30; ++i) UpdateAndRender();
  ASSERT_TRUE(graphics->IsWhiteFading());
  const uint32_t pixel = PixelOf(nullptr, 512, 384);
  EXPECT_EQ(pixel >> 8 & 0xFF, pixel >> 16 & 0xFF) << std::hex << pixel << ": white over black is grey";
  EXPECT_EQ(pixel >> 8 & 0xFF, pixel >> 24 & 0xFF) << std::hex << pixel;
}

// A blur that changes nothing is left out: texture B is not touched and the closing pass shows
// the scene of texture A itself.
TEST_F(PostChainTest, ABlurOfStrengthZeroIsLeftOut) {
  StartGraphics();
  Camera camera;
  graphics->SetActiveCamera(&camera);
  ASSERT_TRUE(graphics->GetEffectManager()->Get("Blur")->Program().SetFloat("strength", 0.0f));
  Scribble(graphics->GetPostTarget());
  UpdateAndRender();
  EXPECT_EQ(PixelOf(graphics->GetPostTarget(), 5, 5), kScribbleRead);
  EXPECT_EQ(PixelOf(nullptr, 512, 384), kOpaqueBlack) << "the empty scene, not texture B";

  ASSERT_TRUE(graphics->GetEffectManager()->Get("Blur")->Program().SetFloat("strength", 0.5f));
  UpdateAndRender();
  graphics->SetActiveCamera(nullptr);
  EXPECT_EQ(PixelOf(graphics->GetPostTarget(), 5, 5), kOpaqueBlack);
}

// An opaque pass covers its target whole, so nothing is cleared before it; a pass that blends
// shows what lies beneath, and that is black, never what the target held.
TEST_F(PostChainTest, APassThatBlendsIsLaidOverBlackWhateverTheTargetHeld) {
  TempDir::Write("Shaders/Veil.fx",
                 "@param texture baseTex\n@technique Veil\n"
                 "@pass fragment=VeilFS cull=none zenable=false blend=true srcblend=srcalpha destblend=invsrcalpha\n"
                 "@shader VeilFS\nvoid main() { fragColor = vec4(1.0, 1.0, 1.0, 0.5); }\n");
  std::string list = TempDir::Read("Data/Shaders.xml");
  list.insert(list.rfind("</list>"),
              "<var><string name=\"ShaderName\">Veil</string><string name=\"ShaderFile\">Veil.fx</string></var>");
  TempDir::Write("Data/Shaders.xml", list);
  StartGraphics();
  Scribble(graphics->GetPostTarget());
  graphics->PostProcessPass("Veil", graphics->GetPostTarget(), graphics->GetSceneTarget()->GetTexture());
  const uint32_t veiled = PixelOf(graphics->GetPostTarget(), 5, 5);
  EXPECT_NEAR(int(veiled >> 24), 128, 1) << std::hex << veiled;
  EXPECT_EQ(veiled >> 24, veiled >> 8 & 0xFF) << std::hex << veiled << ": white over black is grey";

  Scribble(graphics->GetPostTarget());
  graphics->PostProcessPass("Edge", graphics->GetPostTarget(), graphics->GetSceneTarget()->GetTexture());
  EXPECT_NE(PixelOf(graphics->GetPostTarget(), 5, 5), kScribbleRead);
}

TEST_F(PostChainTest, WideScreenTheClosingPassCoversTheWholeBackBuffer) {
  EngineSettings settings;
  settings.Widescreen = true;
  SaveEngineSettingsFile(settings, kEngineConfigPath);
  StartGraphics();
  Camera camera;
  graphics->SetActiveCamera(&camera);
  Scribble(nullptr);
  UpdateAndRender();
  graphics->SetActiveCamera(nullptr);
  for (auto [x, y] : {std::pair{1279, 719}, {1100, 10}, {0, 719}}) EXPECT_EQ(PixelOf(nullptr, x, y), kOpaqueBlack);
}

}  // namespace
