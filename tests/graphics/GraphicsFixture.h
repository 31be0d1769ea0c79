#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Graphics.h"
#include "tests/support/EngineFixture.h"

// The engine with the real graphics system on the offscreen video driver, in a working folder
// that holds a copy of the demo's graphics data (settings, lists, effects, textures); the other
// systems only record.
class GraphicsFixture : public EngineFixture {
 protected:
  GraphicsFixture();
  ~GraphicsFixture() override;

  // Starts the engine; the graphics system is then Engine::Get()->GetGraphics().
  Graphics* StartGraphics();
  // Runs the graphics update and a frame.
  void UpdateAndRender();
  // Runs the graphics update and a frame, and reads the back buffer back (RGBA, top row first).
  std::vector<uint8_t> RenderedPixels();
  // Shuts the engine down (the window goes with it, so the next start may size it anew).
  void Stop();

  static std::string DataFile(const std::string& name) { return "Data/" + name; }
  // The console lines printed so far, and how many equal `text`.
  static std::vector<std::string> ConsoleLines();
  static int CountConsoleLines(const std::string& text);
  static int CountLines(const std::string& fileText, const std::string& line);

  // RGBA of the back buffer's pixel, as 0xRRGGBBAA.
  uint32_t BackBufferPixel(int x, int y);

  Graphics* graphics = nullptr;
};
