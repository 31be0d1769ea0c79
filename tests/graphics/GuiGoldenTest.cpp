#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/render/ImageData.h"
#include "platform/render/PngFile.h"
#include "tests/graphics/GuiTestSupport.h"

namespace {

// The share of pixels whose channels all lie within `tolerance` of the reference image's.
double Alike(const std::vector<uint8_t>& actual, const platform::ImageData& golden, int tolerance) {
  const std::vector<uint8_t>& expected = golden.levels[0].bytes;
  if (expected.size() != actual.size()) return 0.0;
  size_t same = 0;
  for (size_t i = 0; i < actual.size(); i += 4) {
    bool close = true;
    for (size_t c = 0; c < 3; ++c) close = close && std::abs(int(actual[i + c]) - int(expected[i + c])) <= tolerance;
    same += close;
  }
  return double(same) / double(actual.size() / 4);
}

TEST_F(GuiTest, TheMainMenuMatchesItsReferenceImage) {
  StartGui();
  graphics->ChangeGUIScreen("MainMenu", 0);
  PointAt(600, 360);  // over the quick-start button, which lights
  UpdateAndRender();
  UpdateAndRender();
  platform::RenderDevice* device = graphics->GetDevice();
  device->SetRenderTarget(nullptr);
  const std::vector<uint8_t> pixels = device->ReadPixels({0, 0, 1024, 768});

  const std::string goldenPath = std::string(VR_SOURCE_DIR) + "/tests/graphics/golden/gui_mainmenu.png";
  std::ifstream in(goldenPath, std::ios::binary);
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
  platform::ImageData golden;
  std::string error;
  const bool read = platform::DecodeImage(file, &golden, &error);
  const double alike = read ? Alike(pixels, golden, 8) : 0.0;
  if (alike < 0.99) {
    const std::string actualPath = std::string(VR_GENERATED_DIR) + "/../gui_mainmenu_actual.png";
    platform::WritePng(actualPath, 1024, 768, pixels, false);
    ADD_FAILURE() << "the main menu differs from " << goldenPath << " (" << alike * 100 << "% alike" << error
                  << "); the frame is in " << actualPath;
  }
}

}  // namespace
