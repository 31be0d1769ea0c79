// The post-processing chain: how the blur and edge passes look over a picture, and that an empty
// scene (no camera) skips the chain without changing what the frame shows.
#include <gtest/gtest.h>

#include "graphics/Camera.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

constexpr uint32_t kOpaqueBlack = 0x000000FF;
constexpr uint32_t kScribble = 0xFF12ABCD;

class PostChainTest : public GraphicsFixture {
 protected:
  // Paints `target` with a colour the frame never draws.
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

}  // namespace
