#pragma once
// The engine with the real graphics system on the offscreen driver (llvmpipe), in a working
// folder holding a copy of the demo's graphics data; the other systems only record. For the
// graphics benchmarks.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/OffscreenDrivers.h"
#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "engine/VariableTable.h"
#include "graphics/Graphics.h"
#include "graphics/gui/HudSeams.h"
#include "tests/support/RecordingSystem.h"
#include "tests/support/TempDir.h"

// The demo's settings, lists, effects, generated textures and models, copied once per run.
class DemoGraphicsData {
 public:
  DemoGraphicsData() {
    UseOffscreenDrivers();
    namespace fs = std::filesystem;
    const auto copy = fs::copy_options::recursive;
    fs::copy(fs::path(VR_DATA_DIR) / "Data", "Data", copy);
    fs::copy(fs::path(VR_DATA_DIR) / "Shaders", "Shaders", copy);
    fs::copy(fs::path(VR_GENERATED_DIR) / "textures", "textures", copy);
    fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models", copy);
  }

 private:
  TempDir dir_;
};

// A round with ten minutes left and nothing in it: the HUD's clock shows, the menus'
// background does not.
class EmptyRound : public HudGame {
 public:
  bool IsInGame() const override { return true; }
  float GetRoundTimeLeft() const override { return 600.0f; }
  bool IsOverlayActive() const override { return false; }
  bool IsBusted() const override { return false; }
  Entity* GetPlayer() const override { return nullptr; }
  void AddScore(int32_t, int32_t) override {}
  void GetGuards(std::vector<GuardMark>& out) const override { out.clear(); }
  void GetTeleporters(std::vector<PlaceMark>& out) const override { out.clear(); }
  void GetDropoffs(std::vector<PlaceMark>& out) const override { out.clear(); }
};

class GraphicsRun {
 public:
  GraphicsRun() {
    auto record = [this](const char* name) { return [this, name] { return new RecordingSystem(name, &journal_); }; };
    Engine::Instance()->Init(SystemFactories{record("AI"), record("Sound"), [] { return new Graphics(); },
                                             record("Input"), record("Physics"), record("Logic")});
    graphics = Engine::Get()->GetGraphics();
    // The game logic's alarm switch, read by every frame with a camera.
    BindBoolVariable("AlarmOn", &alarmOn_);
  }
  ~GraphicsRun() {
    graphics->SetActiveCamera(nullptr);
    Engine::Get()->Shutdown();
    MainWindow::Destroy();
  }
  GraphicsRun(const GraphicsRun&) = delete;
  GraphicsRun& operator=(const GraphicsRun&) = delete;

  // The graphics update and the frame, as the main loop runs them.
  void Draw() {
    graphics->Update();
    graphics->Render();
  }
  // The offscreen driver presents nothing, so the frame's work ends where the device has
  // finished it, the copy into the window included.
  void WaitForFrame() { graphics->GetDevice()->Finish(); }
  void Frame() {
    Draw();
    WaitForFrame();
  }

  Graphics* graphics = nullptr;

 private:
  std::vector<std::string> journal_;
  bool alarmOn_ = false;
};
