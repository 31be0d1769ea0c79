#include "tests/graphics/GoldenImage.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/core/Files.h"
#include "platform/render/ImageData.h"
#include "platform/render/PngFile.h"
#include "platform/render/RenderDevice.h"

double AlikeShare(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int tolerance) {
  if (a.size() != b.size() || a.empty()) return 0.0;
  size_t alike = 0;
  for (size_t i = 0; i < a.size(); i += 4) {
    bool close = true;
    for (size_t c = 0; c < 3; ++c) close = close && std::abs(int(a[i + c]) - int(b[i + c])) <= tolerance;
    alike += close;
  }
  return double(alike) / double(a.size() / 4);
}

bool MatchesGolden(platform::RenderDevice& device, const std::string& name, int tolerance, double share,
                   std::string* message) {
  device.SetRenderTarget(nullptr);
  const int width = device.BackBufferWidth(), height = device.BackBufferHeight();
  const std::vector<uint8_t> actual = device.ReadPixels({0, 0, width, height});
  const std::string reference = std::string(VR_SOURCE_DIR) + "/tests/graphics/golden/" + name + ".png";
  platform::ImageData expected;
  std::string error;
  const std::optional<std::vector<uint8_t>> file = platform::ReadFileBytes(reference);
  const bool decoded = file && platform::DecodeImage(*file, &expected, &error);
  const double found = decoded ? AlikeShare(actual, expected.levels[0].bytes, tolerance) : 0.0;
  if (found >= share) return true;
  const std::string saved = std::string(VR_GENERATED_DIR) + "/../" + name + "_actual.png";
  platform::WritePng(saved, width, height, actual, false);
  *message = "the frame differs from " + reference + " (" + std::to_string(found * 100) + "% alike); it is in " + saved;
  return false;
}

FrameChange ChangeBetween(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int width) {
  FrameChange change;
  double columns = 0, rows = 0;
  for (size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4) {
    if (a[i] == b[i] && a[i + 1] == b[i + 1] && a[i + 2] == b[i + 2]) continue;
    ++change.pixels;
    columns += double((i / 4) % size_t(width));
    rows += double((i / 4) / size_t(width));
  }
  if (change.pixels) {
    change.column = columns / double(change.pixels);
    change.row = rows / double(change.pixels);
  }
  return change;
}
