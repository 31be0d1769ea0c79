// One keyboard record through the input system's frame: read from the device, offered to six
// active control maps that all bind the key, sent to each map's owner.
//
// Measured here (8 cores, RelWithDebInfo, other builds running): about 350 ns a record for the
// whole frame of one record (device buffer, both reads, six maps, six handlers), no allocation
// (short action names fit the string's own buffer).
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "entity/EntityClass.h"
#include "input/ControlMap.h"
#include "input/Input.h"
#include "input/InputMessages.h"
#include "platform/input/ScriptedInput.h"
#include "tests/support/RecordingSystem.h"
#include "tests/support/TempDir.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Counts every allocation; the pair below hands memory straight to malloc and free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

// A control scheme whose one action counts the strokes.
class CountingScheme : public EntityClass<CountingScheme> {
 public:
  static constexpr char kClassName[] = "CountingScheme";
  static void Describe(ClassBuilder<CountingScheme>& c) {
    c.Component(&CountingScheme::controlMap);
    c.Message(KeyAction::kMoveForward, &CountingScheme::MoveForward);
  }
  void OnCreate() override { controlMap.Bind("W", KeyAction::kMoveForward, true, true); }
  void MoveForward(bool) { ++strokes; }

  ControlMap controlMap;
  static inline long strokes = 0;
};

void BM_KeyThroughSixMaps(benchmark::State& state) {
  TempDir scratch;  // the engine writes its settings and logs into the working folder
  ::mkdir("Data", 0755);
  std::vector<std::string> journal;
  auto idle = [&journal](const char* n) {
    return [n, &journal] { return static_cast<EngineSystem*>(new RecordingSystem(n, &journal)); };
  };
  SystemFactories systems{idle("AI"), idle("Sound"), idle("Graphics"), nullptr, idle("Physics"), idle("Logic")};
  platform::ScriptedInputBackend* backend = nullptr;
  systems.input = [&backend] {
    return new Input([&backend] {
      auto made = std::make_unique<platform::ScriptedInputBackend>();
      backend = made.get();
      return std::unique_ptr<platform::InputBackend>(std::move(made));
    });
  };
  Engine* engine = Engine::Instance();
  engine->Init(systems);
  RegisterEntityClass<CountingScheme>("LogicLog");
  for (int i = 0; i < 6; ++i) engine->GetEntityManager()->Create("CountingScheme");
  Input* input = engine->GetInput();
  platform::ScriptedInputDevice& keyboard = backend->Keyboard();

  bool down = false;
  CountingScheme::strokes = 0;
  const long before = allocations;
  for (auto _ : state) {
    down = !down;
    if (down)
      keyboard.Press(0x11);
    else
      keyboard.Release(0x11);
    input->Update();
  }
  state.counters["allocs/record"] =
      benchmark::Counter(static_cast<double>(allocations - before) / static_cast<double>(state.iterations()));
  state.counters["strokes/record"] =
      benchmark::Counter(static_cast<double>(CountingScheme::strokes) / static_cast<double>(state.iterations()));
  engine->Shutdown();
}
BENCHMARK(BM_KeyThroughSixMaps);

}  // namespace
