// The real input system on the program's own window, with one control scheme bound the way the
// game binds its keys, mouse buttons and wheel. Every action that reaches the scheme is printed
// as "<action> code=0x.. pressed=. wheel=..." for input_e2e.sh, which drives the window with
// xdotool; Escape ends the program. Systems other than input only record their calls.
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "platform/core/StopSignal.h"
#include "entity/EntityClass.h"
#include "input/ControlMap.h"
#include "input/Input.h"
#include "tests/support/RecordingSystem.h"

namespace {

class ProbeControls : public EntityClass<ProbeControls> {
 public:
  static constexpr char kClassName[] = "ProbeControls";
  static void Describe(ClassBuilder<ProbeControls>& c) {
    c.Component(kControlMapComponent, &ProbeControls::controlMap);
    c.Message("KeyA", &ProbeControls::KeyA);
    c.Message("RightButton", &ProbeControls::RightButton);
    c.Message("Wheel", &ProbeControls::Wheel);
    c.Message("Quit", &ProbeControls::Quit);
  }

  // A wheel record is a press or a release by the sign bit of its amount, as every record is:
  // the wheel is bound on both edges so that either direction is heard.
  void OnCreate() override {
    controlMap.Bind("A", "KeyA", true, true);
    controlMap.Bind("Escape", "Quit", true, false);
    controlMap.BindMouse("M2", "RightButton", true, true);
    controlMap.BindMouse("MW", "Wheel", true, true);
  }

  void KeyA() { Report("KeyA"); }
  void RightButton() { Report("RightButton"); }
  void Wheel() { Report("Wheel"); }
  void Quit() { MainWindow::PostQuit(); }

  ControlMap controlMap;

 private:
  static void Report(const char* action) {
    const Input* input = Engine::Get()->GetInput();
    const auto [code, pressed] = input->GetCurrentEvent();
    std::printf("%s code=0x%02X pressed=%d wheel=%d\n", action, code, pressed ? 1 : 0, input->GetMouseWheel());
    std::fflush(stdout);
  }
};

}  // namespace

int main() {
  platform::InstallStopHandlers();
  std::vector<std::string> journal;
  auto recording = [&journal](const char* name) {
    return [&journal, name] { return new RecordingSystem(name, &journal); };
  };
  SystemFactories systems{recording("AI"), recording("Sound"),   recording("Graphics"),
                          [] { return new Input(); }, recording("Physics"), recording("Logic")};
  Engine* engine = Engine::Instance();
  engine->Init(systems);
  RegisterEntityClass<ProbeControls>("InputLog");
  engine->GetEntityManager()->Create(ProbeControls::kClassName);
  std::puts("ready");
  std::fflush(stdout);
  // Nothing is drawn: a short rest per frame keeps the loop from taking a whole core.
  while (engine->RunFrame()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  engine->Shutdown();
  MainWindow::Destroy();
  return 0;
}
