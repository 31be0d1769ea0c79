#include "tests/graphics/GraphicsFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/ConsoleWindow.h"
#include "engine/MainWindow.h"

namespace fs = std::filesystem;

GraphicsFixture::GraphicsFixture() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
  setenv("ALSOFT_DRIVERS", "null", 0);
  fs::create_directories("Data");
  for (const char* name : {"GraphicsConfig", "Shaders", "FontList", "TextureInfo", "MeshInfo", "MapChangeInfo",
                           "TextureSwapInfo", "Transition"}) {
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / (std::string(name) + ".xml"), DataFile(std::string(name) + ".xml"));
  }
  fs::copy(fs::path(VR_DATA_DIR) / "Shaders", "Shaders", fs::copy_options::recursive);
  // No GUI screens, so that a frame shows only what its test puts there.
  std::ofstream(DataFile("GUIList.xml")) << "<?xml version=\"1.0\"?>\n<var><list name=\"GUIList\"></list></var>";
  fs::copy(fs::path(VR_GENERATED_DIR) / "textures", "textures", fs::copy_options::recursive);
}

GraphicsFixture::~GraphicsFixture() { Stop(); }

Graphics* GraphicsFixture::StartGraphics() {
  SystemFactories systems = RecordingSystems();
  systems.graphics = [] { return new Graphics(); };
  Engine::Instance()->Init(systems);
  graphics = Engine::Get()->GetGraphics();
  return graphics;
}

void GraphicsFixture::UpdateAndRender() {
  graphics->Update();
  graphics->Render();
}

std::vector<uint8_t> GraphicsFixture::RenderedPixels() {
  UpdateAndRender();
  platform::RenderDevice* device = graphics->GetDevice();
  device->SetRenderTarget(nullptr);
  return device->ReadPixels({0, 0, device->BackBufferWidth(), device->BackBufferHeight()});
}

void GraphicsFixture::Stop() {
  if (Engine::Current()) Engine::Current()->Shutdown();
  graphics = nullptr;
  MainWindow::Destroy();
}

std::vector<std::string> GraphicsFixture::ConsoleLines() {
  std::vector<std::string> lines;
  Console* console = Engine::Get()->GetConsole();
  if (console->GetWindow()) {
    for (const auto& [text, colour] : console->GetWindow()->Lines()) lines.push_back(text);
  } else {
    for (const auto& [text, colour] : console->PendingLines()) lines.push_back(text);
  }
  return lines;
}

int GraphicsFixture::CountConsoleLines(const std::string& text) {
  int count = 0;
  for (const std::string& line : ConsoleLines()) count += line == text;
  return count;
}

int GraphicsFixture::CountLines(const std::string& fileText, const std::string& line) {
  std::istringstream in(fileText);
  int count = 0;
  for (std::string l; std::getline(in, l);) count += l == line;
  return count;
}

uint32_t GraphicsFixture::BackBufferPixel(int x, int y) {
  platform::RenderDevice* device = graphics->GetDevice();
  device->SetRenderTarget(nullptr);
  const std::vector<uint8_t> p = device->ReadPixels({x, y, x + 1, y + 1});
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
