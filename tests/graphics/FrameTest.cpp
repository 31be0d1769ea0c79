#include <cstdlib>

#include "engine/ConsoleWindow.h"
#include "engine/EngineSettings.h"
#include "entity/XmlWriter.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

constexpr uint32_t kOpaqueBlack = 0x000000FF;

class FrameTest : public GraphicsFixture {
 protected:
  // The brightest pixel of a band of the back buffer's left part: its red, green and blue sum,
  // and the colour as 0xRRGGBB.
  int Brightest(int top, int bottom, uint32_t* colour) {
    platform::RenderDevice* device = graphics->GetDevice();
    device->SetRenderTarget(nullptr);
    const std::vector<uint8_t> p = device->ReadPixels({0, top, 400, bottom});
    int best = 0;
    for (size_t i = 0; i + 3 < p.size(); i += 4) {
      const int sum = p[i] + p[i + 1] + p[i + 2];
      if (sum > best) {
        best = sum;
        *colour = uint32_t(p[i]) << 16 | uint32_t(p[i + 1]) << 8 | p[i + 2];
      }
    }
    return best;
  }
};

// Fills the back buffer with a colour the frame never draws, so that a pixel shows whether
// the frame has been over it.
void Scribble(platform::RenderDevice* device) {
  device->SetRenderTarget(nullptr);
  device->Clear(platform::ClearTarget, 0xFF12ABCD, 1.0f, 0);
}

TEST_F(FrameTest, AnIdleFrameWithPostProcessingIsClearedToBlack) {
  StartGraphics();
  Scribble(graphics->GetDevice());
  UpdateAndRender();
  for (auto [x, y] : {std::pair{0, 0}, {512, 384}, {1023, 767}, {100, 700}}) EXPECT_EQ(BackBufferPixel(x, y), kOpaqueBlack);
}

TEST_F(FrameTest, AnIdleFrameWithoutPostProcessingIsClearedToBlack) {
  StartGraphics();
  ASSERT_TRUE(SetVariable("BlurOn", false));
  Scribble(graphics->GetDevice());
  UpdateAndRender();
  EXPECT_EQ(BackBufferPixel(512, 384), kOpaqueBlack);
}

TEST_F(FrameTest, TheCountersReadZeroAfterAFrame) {
  StartGraphics();
  ASSERT_TRUE(SetVariable("Num Models", int32_t{5}));
  UpdateAndRender();
  int32_t models = -1;
  ASSERT_TRUE(ConsoleBinding::Get("Num Models", models));
  EXPECT_EQ(models, 0);
}

TEST_F(FrameTest, TheConsoleShowsItsLinesInTheirColoursAndTheInputLineBelow) {
  StartGraphics();
  Console* console = Engine::Get()->GetConsole();
  ConsoleWindow* window = console->GetWindow();
  while (window->Lines().size() < 30) console->Print("padding line", Console::kWhite);
  UpdateAndRender();
  uint32_t colour = 0;
  EXPECT_EQ(Brightest(0, 768, &colour), 0) << "a hidden console draws nothing";

  console->Print("WWWW red line", Console::kRed);
  console->Print("WWWW green line", Console::kGreen);
  console->ToggleVisible();
  console->OnEnter();
  for (char c : std::string("setvar x")) console->OnChar(c);
  UpdateAndRender();
  // 32 lines: the view shows lines 3 to 32, so the red line is the 29th shown, the green the 30th.
  const int redTop = 10 + 28 * 15, greenTop = redTop + 15, inputTop = greenTop + 15 + 30;
  ASSERT_GT(Brightest(redTop, redTop + 15, &colour), 100);
  EXPECT_GT(colour >> 16 & 0xFF, 4 * (colour >> 8 & 0xFF)) << std::hex << colour;
  ASSERT_GT(Brightest(greenTop, greenTop + 15, &colour), 100);
  EXPECT_GT(colour >> 8 & 0xFF, 4 * (colour >> 16 & 0xFF)) << std::hex << colour;
  EXPECT_EQ(Brightest(greenTop + 16, inputTop - 1, &colour), 0) << "the gap above the input line";
  ASSERT_GT(Brightest(inputTop, inputTop + 15, &colour), 100);
  EXPECT_GT(colour >> 8 & 0xFF, colour >> 16 & 0xFF) << "0xFF4DCC1A is mostly green";
  EXPECT_EQ(Brightest(inputTop + 16, 768, &colour), 0);
}

TEST_F(FrameTest, WideScreenTargetsAndTheScreenQuadCoverTheWholeBackBuffer) {
  EngineSettings settings;
  settings.Widescreen = true;
  SaveEngineSettingsFile(settings, kEngineConfigPath);
  StartGraphics();
  ASSERT_EQ(graphics->GetDevice()->BackBufferWidth(), 1280);
  ASSERT_EQ(graphics->GetDevice()->BackBufferHeight(), 720);
  EXPECT_EQ(graphics->GetSceneTarget()->Width(), 1280);
  EXPECT_EQ(graphics->GetPostTarget()->Height(), 720);
  Scribble(graphics->GetDevice());
  UpdateAndRender();
  EXPECT_EQ(BackBufferPixel(1279, 719), kOpaqueBlack) << "the closing pass reaches the far corner";
  EXPECT_EQ(BackBufferPixel(1100, 10), kOpaqueBlack);
}

TEST_F(FrameTest, ShutDownReleasesTheDevice) {
  StartGraphics();
  UpdateAndRender();
  graphics->Shutdown();
  EXPECT_EQ(graphics->GetDevice(), nullptr);
  graphics->Render();
}

using DeviceTest = GraphicsFixture;

TEST_F(DeviceTest, ADeviceThatCannotBeMadeEndsTheProgramWithAFailureStatus) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("SDL_VIDEODRIVER", "dummy", 1);  // a video driver without GL windows
        StartGraphics();
      },
      ::testing::ExitedWithCode(EXIT_FAILURE),
      "Fatal error!: Error creating Direct3D Device - check your video card drivers!");
}

}  // namespace
