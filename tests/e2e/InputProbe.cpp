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

inline constexpr Message<bool> kKeyA{"KeyA"};
inline constexpr Message<bool> kRightButton{"RightButton"};
inline constexpr Message<bool> kWheel{"Wheel"};
inline constexpr Message<bool> kQuit{"Quit"};

class ProbeControls : public EntityClass<ProbeControls> {
 public:
  static constexpr char kClassName[] = "ProbeControls";
  static void Describe(ClassBuilder<ProbeControls>& c) {
    c.Component(&ProbeControls::controlMap);
    c.Message(kKeyA, &ProbeControls::KeyA);
    c.Message(kRightButton, &ProbeControls::RightButton);
    c.Message(kWheel, &ProbeControls::Wheel);
    c.Message(kQuit, &ProbeControls::Quit);
  }

  // A wheel record is a press or a release by the sign bit of its amount, as every record is:
  // the wheel is bound on both edges so that either direction is heard.
  void OnCreate() override {
    controlMap.Bind("A", kKeyA, true, true);
    controlMap.Bind("Escape", kQuit, true, false);
    controlMap.BindMouse("M2", kRightButton, true, true);
    controlMap.BindMouse("MW", kWheel, true, true);
  }

  void KeyA(bool pressed) { Report("KeyA", pressed); }
  void RightButton(bool pressed) { Report("RightButton", pressed); }
  void Wheel(bool pressed) { Report("Wheel", pressed); }
  void Quit() { MainWindow::PostQuit(); }

  ControlMap controlMap;

 private:
  static void Report(const char* action, bool pressed) {
    const Input* input = Engine::Get()->GetInput();
    const uint32_t code = input->GetCurrentEvent().first;
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
