#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "platform/input/ScriptedInput.h"
#include "tests/graphics/GuiTestSupport.h"

// The real input system on scripted devices, for systems lists of the logic tests.
inline std::function<EngineSystem*()> ScriptedInput(platform::ScriptedInputBackend** backend) {
  return [backend] {
    return new Input([backend] {
      auto made = std::make_unique<platform::ScriptedInputBackend>();
      *backend = made.get();
      return std::unique_ptr<platform::InputBackend>(std::move(made));
    });
  };
}

// The generated demo museum's maps in the working folder's "Maps".
inline void CopyDemoMaps() {
  std::filesystem::copy(std::filesystem::path(VR_GENERATED_DIR) / "Maps", "Maps",
                        std::filesystem::copy_options::recursive);
}

// The engine with the real game logic and input; the other systems only record, unless a test
// asks for the real physics.
class LogicTest : public EngineFixture {
 protected:
  LogicTest() { std::filesystem::create_directory("Data"); }

  Engine* StartLogic(std::function<EngineSystem*()> physics = {}) {
    SystemFactories systems = RecordingSystems();
    systems.input = ScriptedInput(&backend);
    systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
    if (physics) systems.physics = physics;
    Engine* engine = Engine::Instance();
    engine->Init(systems);
    ConnectGameSystems(*engine);
    logicLogAtStart_ = LogOf("LogicLog").size();
    return engine;
  }

  static Logic* GetLogic() { return Engine::Get()->GetLogic(); }
  bool Frame() { return EngineFixture::Frame(0.01); }
  // What the commands wrote to "LogicLog" after the start (which reports the settings files).
  std::string NewLogicLog() const { return LogOf("LogicLog").substr(logicLogAtStart_); }

  platform::ScriptedInputBackend* backend = nullptr;

 private:
  size_t logicLogAtStart_ = 0;
};

// The real graphics with the demo's screens, the real input and the real game logic; the other
// systems only record, unless a test asks for the real physics.
class MenuTest : public GuiTest {
 protected:
  GUI* StartMenus(std::function<EngineSystem*()> physics = {}) {
    SystemFactories systems = RecordingSystems();
    systems.graphics = [] { return new Graphics(); };
    systems.input = ScriptedInput(&backend);
    systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
    if (physics) systems.physics = physics;
    Engine::Instance()->Init(systems);
    ConnectGameSystems(*Engine::Get());
    graphics = Engine::Get()->GetGraphics();
    return graphics->GetGUI();
  }

  static Logic* GetLogic() { return Engine::Get()->GetLogic(); }
  GUIScreen* Current() { return graphics->GetGUI()->currentScreen; }
  bool IsCurrent(const std::string& name) { return Current() == Screen(name); }
  bool Sliding() { return graphics->GetGUI()->screenSliding; }
  GUISpriteElement* Sprite(const std::string& name) { return graphics->GetGUI()->GetSpriteElements().Get(name); }
  void ShowAtOnce(const std::string& name) { graphics->ChangeGUIScreen(name, 0.0f); }
  // Frames of the main loop until a running slide has ended (at most two seconds' worth).
  void FinishSlide() {
    for (int i = 0; i < 40 && Sliding(); ++i) Frame(0.05);
  }
  // Frames until the main loop takes the quit message (at most ten). The window's queue is
  // emptied afterwards, so that no second quit waits for the next test.
  bool QuitsWithinFrames() {
    bool quit = false;
    for (int i = 0; i < 10 && !quit; ++i) quit = !Frame(0.01);
    platform::Window& window = MainWindow::Instance()->GetPlatformWindow();
    for (int i = 0; i < 100 && window.PumpOne() != platform::PumpResult::Empty; ++i) {
    }
    return quit;
  }
  void TapKey(uint32_t code) {
    backend->Keyboard().Press(code);
    backend->Keyboard().Release(code);
  }

  platform::ScriptedInputBackend* backend = nullptr;
};

inline constexpr uint32_t kKeySpace = 0x39;
inline constexpr uint32_t kKeyEscape = 0x01;
