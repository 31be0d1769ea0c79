#include <gtest/gtest.h>

#include <filesystem>

#include "input/ScreenshotName.h"
#include "platform/core/Files.h"
#include "platform/render/ImageData.h"
#include "platform/render/RenderDevice.h"
#include "tests/input/DevTestSupport.h"

namespace {

// 1 December (2026) 09:05:03 UTC.
constexpr int64_t kDecemberFirst = 1796115903;
const char* const kShotName = "Vaultrunner 12_01 090503.png";

TEST(ScreenshotNameTest, MonthDayAndTimeInUtcWithoutTheYear) {
  EXPECT_EQ(ScreenshotFileName(kDecemberFirst), kShotName);
  EXPECT_EQ(ScreenshotFileName(0), "Vaultrunner 01_01 000000.png");
}

class ScreenshotTest : public DevToolsTest {
 protected:
  void SetUp() override {
    StartDevTools();
    clock.SetUtcSeconds(kDecemberFirst);
  }
};

// The file holds the frame that was finished after the key, whole and top row first.
TEST_F(ScreenshotTest, TheKeySavesTheNextFinishedFrame) {
  Tap("T");  // the timers' text makes the top of the frame unlike its bottom
  Tap("SysRQ");
  const std::optional<std::vector<uint8_t>> file = platform::ReadFileBytes(kShotName);
  ASSERT_TRUE(file);
  platform::ImageData image;
  std::string error;
  ASSERT_TRUE(platform::DecodeImage(*file, &image, &error)) << error;
  platform::RenderDevice* device = graphics->GetDevice();
  const int w = device->BackBufferWidth(), h = device->BackBufferHeight();
  ASSERT_EQ(image.Width(), w);
  ASSERT_EQ(image.Height(), h);
  device->SetRenderTarget(nullptr);
  const std::vector<uint8_t> frame = device->ReadPixels({0, 0, w, h});
  const std::vector<uint8_t>& saved = image.levels[0].bytes;
  size_t differing = 0;
  for (size_t i = 0; i < frame.size(); i += 4)
    differing += frame[i] != saved[i] || frame[i + 1] != saved[i + 1] || frame[i + 2] != saved[i + 2];
  EXPECT_EQ(differing, 0u);
}

TEST_F(ScreenshotTest, ASecondShotInTheSameSecondReplacesTheFirst) {
  Tap("SysRQ");
  Tap("T");
  Tap("SysRQ");
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator("."))
    files += entry.path().extension() == ".png" || entry.path().string().find(".tmp") != std::string::npos;
  EXPECT_EQ(files, 1u);
}

TEST_F(ScreenshotTest, AShotThatCannotBeWrittenIsReportedAndThePlayGoesOn) {
  std::filesystem::create_directory(kShotName);
  Tap("SysRQ");
  EXPECT_NE(LogOf("GraphicsLog").find(std::string("Could not save the screenshot ") + kShotName), std::string::npos);
  EXPECT_EQ(CountConsoleLines(std::string("Could not save the screenshot ") + kShotName), 1);
  clock.SetUtcSeconds(kDecemberFirst + 1);
  Tap("SysRQ");
  EXPECT_TRUE(std::filesystem::is_regular_file("Vaultrunner 12_01 090504.png"));
}

}  // namespace
