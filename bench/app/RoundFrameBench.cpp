// The frame of a round as the program runs it: the six real systems on a copy of the demo
// museum, headless on llvmpipe at 1024 x 768, a game begun through the game start with six
// guards and three computer thieves beside the user's thief, its fly-through ended, the lobby
// seen from behind the thief with the HUD on. Each timed turn is one pass of the main loop
// (every system's update, the message delivery and the frame: map, models, shadows, lasers,
// flashlights, sprite layer, HUD, post chain, present), the frame waited for; the clock moves
// 1/60 s a turn, so the game runs as it would at 60 frames a second.
//
// BM_RoundFrame/1  the whole round: thieves, guards, lasers, items
// BM_RoundFrame/0  the same view without the lasers, the items and the guards (with their
//                  flashlights): what the level's entities cost
// BM_ClearAndPresent  the floor: a window of the same size that only clears and presents
//
// Counters: x_floor (median turn / median floor turn, timed in turns), floor_ms, p99_ms and
// p99_x_floor (the 99th percentile turn), update_ms (every system's update and the messages)
// and draw_ms (the frame), each a median; ai_ms, physics_ms, logic_ms and sound_ms, the
// medians of those systems' updates (the thieves' and level entities' steps run inside the
// game logic's); guards and thieves in the game; faces (map faces the frame drew); cpu_ms,
// floor_cpu_ms and cpu_x_floor, the same turns in processor time of the whole process.
// Goal: the whole round within 10 times the floor.
//
// BM_GameStart/1  the first game of a run: the game start the menus ask for and the round's
//                 first frame, on systems just started (what the menus before it loaded stays)
// BM_GameStart/0  a later game: the same after a first game was played a few frames
// Counters: textures (textures loaded from their files, each one decode, during the start).
// Goal: under 1 s of work (the loading screen's delay, which the menus add, aside).
// Results are in Results.md beside this file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ai/AI.h"
#include "app/GameClasses.h"
#include "app/Systems.h"
#include "bench/support/ClearAndPresentBench.h"
#include "bench/support/ClearAndPresentFloor.h"
#include "bench/support/FloorRatio.h"
#include "bench/support/OffscreenDrivers.h"
#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "engine/VariableTable.h"
#include "entity/Entity.h"
#include "entity/EntityManager.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "platform/core/Clock.h"
#include "platform/render/RenderDevice.h"
#include "player/Player.h"
#include "sound/Sound.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A real system whose update (and frame) times are kept, turn by turn.
template <class System>
class Timed : public System {
 public:
  using System::System;
  void Update() override {
    const auto start = std::chrono::steady_clock::now();
    System::Update();
    updates.push_back(Since(start));
  }
  std::vector<double> updates;
};

// The frame is waited for: the offscreen driver presents nothing, so the frame's work ends
// where the device has finished it.
class TimedGraphics : public Timed<Graphics> {
 public:
  void Render() override {
    const auto start = std::chrono::steady_clock::now();
    Graphics::Render();
    GetDevice()->Finish();
    draws.push_back(Since(start));
  }
  std::vector<double> draws;
};

void Replace(const fs::path& file, const std::string& pattern, const std::string& with) {
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  std::ofstream(file) << std::regex_replace(text.str(), std::regex(pattern), with);
}

// The demo museum in a scratch folder, its AI settings asking for six guards and three
// computer thieves, and the six systems started on it.
class Round {
 public:
  Round() {
    UseOffscreenDrivers();
    fs::copy(fs::path(VR_DATA_DIR), ".", fs::copy_options::recursive);
    fs::copy(fs::path(VR_GENERATED_DIR), ".", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    Replace("Data/AIConfig.xml", R"(<int name="MaxGuards">[0-9]*</int>)", R"(<int name="MaxGuards">6</int>)");
    Replace("Data/AIConfig.xml", R"(<int name="MaxThieves">[0-9]*</int>)", R"(<int name="MaxThieves">3</int>)");
    platform::SetClock(&clock_);
    SystemFactories systems = GameSystems();
    systems.ai = [this] { return ai_ = new Timed<AI>(*Engine::Instance()); };
    systems.sound = [this] { return sound_ = new Timed<Sound>(); };
    systems.graphics = [this] { return graphics_ = new TimedGraphics(); };
    systems.physics = [this] { return physics_ = new Timed<Physics>(); };
    systems.logic = [this] { return logic_ = new Timed<Logic>(*Engine::Instance(), RegisterGameClasses); };
    Engine::Instance()->Init(systems);
    ConnectGameSystems(*Engine::Get());
  }
  ~Round() {
    Engine::Get()->Shutdown();
    MainWindow::Destroy();
    platform::SetClock(nullptr);
  }
  Round(const Round&) = delete;
  Round& operator=(const Round&) = delete;

  // The game start the menus ask for, then the fly-through ended as a key ends it.
  bool Start() {
    logic_->StartGame();
    if (!logic_->IsInGame()) return false;
    logic_->EndMapFlyThrough();
    // The thief stands in the entrance hall and looks north across it, over the first guard's
    // beat and the other thieves' way, at the door of the corridor to the Egyptian room.
    auto* thief = dynamic_cast<Player*>(logic_->GetPlayerEntity());
    if (!thief) return false;
    thief->physical.SetPositionCached({384, -200, thief->physical.GetPosition().z});
    thief->camera.direction = {0, -1, -0.1f};
    thief->camera.right = {1, 0, 0};
    return true;
  }
  // One pass of the main loop, 1/60 s of game time after the last.
  void Turn() {
    clock_.AdvanceSeconds(1.0 / 60.0);
    Engine::Get()->RunFrame();
  }
  // The level's lasers, items and guards leave the game; the thieves stay.
  void ClearLevelEntities() {
    EntityManager* entities = Engine::Get()->GetEntityManager();
    for (const char* name : {"TripLaser", "Item", "Guard"}) {
      if (const EntityList* list = logic_->GetEntities(name)) {
        for (Entity& entity : *list) entities->QueueDelete(&entity);
      }
    }
    entities->ProcessDeletions();
  }
  size_t Count(const char* className) const {
    const EntityList* list = logic_->GetEntities(className);
    return list ? list->Count() : 0;
  }
  void ClearTimes() {
    for (auto* times : {&ai_->updates, &sound_->updates, &graphics_->updates, &physics_->updates, &logic_->updates,
                        &graphics_->draws})
      times->clear();
  }

  Timed<AI>* ai_ = nullptr;
  Timed<Sound>* sound_ = nullptr;
  TimedGraphics* graphics_ = nullptr;
  Timed<Physics>* physics_ = nullptr;
  Timed<Logic>* logic_ = nullptr;

 private:
  TempDir scratch_;
  platform::ManualClock clock_;
};

void BM_RoundFrame(benchmark::State& state) {
  Round round;
  if (!round.Start()) return state.SkipWithError("no game started");
  const bool full = state.range(0) == 1;
  if (!full) round.ClearLevelEntities();
  // Effects, textures and the first visible sets settle in the first turns.
  for (int i = 0; i < 120; ++i) round.Turn();
  round.ClearTimes();
  ClearAndPresentFloor floor;
  FloorRatio ratio(state);
  std::vector<double> updates;
  for (auto _ : state) {
    double turn = 0.0;
    ratio.Step([&] {
      const auto start = std::chrono::steady_clock::now();
      round.Turn();
      turn = Since(start);
    });
    updates.push_back(turn - round.graphics_->draws.back());
    ratio.Floor([&] { return floor.Frame(); });
  }
  ratio.Report();
  const double floorMs = ratio.FloorMedian();
  const double p99 = ratio.StepQuantile(0.99);
  state.counters["p99_ms"] = p99;
  if (floorMs > 0) state.counters["p99_x_floor"] = p99 / floorMs;
  state.counters["update_ms"] = FloorRatio::Median(updates);
  state.counters["draw_ms"] = FloorRatio::Median(round.graphics_->draws);
  state.counters["ai_ms"] = FloorRatio::Median(round.ai_->updates);
  state.counters["physics_ms"] = FloorRatio::Median(round.physics_->updates);
  state.counters["logic_ms"] = FloorRatio::Median(round.logic_->updates);
  state.counters["sound_ms"] = FloorRatio::Median(round.sound_->updates);
  state.counters["guards"] = static_cast<double>(round.Count("Guard"));
  state.counters["thieves"] = static_cast<double>(round.Count("Player"));
  int32_t faces = 0;
  ConsoleBinding::Get("MapFacesDrawn", faces);
  state.counters["faces"] = faces;
  state.SetLabel(full ? "thieves, guards, lasers, items" : "thieves only");
}
BENCHMARK(BM_RoundFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(200);

// Textures the run has loaded from their files so far: one "Loaded textures/..." line each.
int TexturesLoaded() {
  std::ifstream log("AssetsLoaded.txt");
  int count = 0;
  for (std::string line; std::getline(log, line);) count += line.find("Loaded textures/") != std::string::npos;
  return count;
}

void BM_GameStart(benchmark::State& state) {
  const bool first = state.range(0) == 1;
  std::vector<double> starts;
  int textures = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      Round round;
      if (!first) {
        if (!round.Start()) return state.SkipWithError("no game started");
        for (int i = 0; i < 10; ++i) round.Turn();
      }
      const int before = TexturesLoaded();
      state.ResumeTiming();
      const double took = FloorRatio::Milliseconds([&] {
        if (round.Start()) round.Turn();
      });
      state.PauseTiming();
      if (!round.logic_->IsInGame()) return state.SkipWithError("no game started");
      starts.push_back(took);
      textures = TexturesLoaded() - before;
    }
    state.ResumeTiming();
  }
  state.counters["median_ms"] = FloorRatio::Median(starts);
  state.counters["textures"] = textures;
  state.SetLabel(first ? "first game of the run" : "later game");
}
BENCHMARK(BM_GameStart)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK(BM_ClearAndPresent)->Unit(benchmark::kMillisecond);

}  // namespace
