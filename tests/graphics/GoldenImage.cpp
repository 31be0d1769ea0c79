#include "tests/graphics/GoldenImage.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/core/Files.h"
#include "platform/render/ImageData.h"
#include "platform/render/PngFile.h"
#include "platform/render/RenderDevice.h"

bool MatchesGolden(platform::RenderDevice& device, const std::string& name, int tolerance, double share,
                   std::string* message) {
  device.SetRenderTarget(nullptr);
  const int width = device.BackBufferWidth(), height = device.BackBufferHeight();
  const std::vector<uint8_t> actual = device.ReadPixels({0, 0, width, height});
  const std::string reference = std::string(VR_SOURCE_DIR) + "/tests/graphics/golden/" + name + ".png";
  platform::ImageData expected;
  std::string error;
  const std::optional<std::vector<uint8_t>> file = platform::ReadFileBytes(reference);
  size_t alike = 0;
  if (file && platform::DecodeImage(*file, &expected, &error) && expected.levels[0].bytes.size() == actual.size()) {
    const std::vector<uint8_t>& want = expected.levels[0].bytes;
    for (size_t i = 0; i < actual.size(); i += 4) {
      bool close = true;
      for (size_t c = 0; c < 3; ++c) close = close && std::abs(int(actual[i + c]) - int(want[i + c])) <= tolerance;
      alike += close;
    }
  }
  const double found = double(alike) / double(actual.size() / 4);
  if (found >= share) return true;
  const std::string saved = std::string(VR_GENERATED_DIR) + "/../" + name + "_actual.png";
  platform::WritePng(saved, width, height, actual, false);
  *message = "the frame differs from " + reference + " (" + std::to_string(found * 100) + "% alike); it is in " + saved;
  return false;
}
