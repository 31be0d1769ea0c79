#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/MainWindow.h"
#include "entity/EntityClass.h"
#include "tests/support/EngineFixture.h"

namespace {

std::vector<std::string>* deathJournal = nullptr;

// Notes its own destruction in the journal, to place it among the systems' calls.
class Mortal : public EntityClass<Mortal> {
 public:
  static constexpr char kClassName[] = "Mortal";
  static void Describe(ClassBuilder<Mortal>&) {}
  void OnCreate() override {}
  ~Mortal() override { deathJournal->push_back("Mortal.Destroy"); }
};

class Lifecycle : public EngineFixture {
 protected:
  ~Lifecycle() override { MainWindow::Destroy(); }
  std::vector<std::string> Calls(const std::string& call) {
    std::vector<std::string> out;
    for (const auto& j : journal)
      if (j.ends_with("." + call)) out.push_back(j.substr(0, j.find('.')));
    return out;
  }
  const std::vector<std::string> kOrder{"AI", "Sound", "Graphics", "Input", "Physics", "Logic"};
};

void PushUserEvent() {
  SDL_Event e{};
  e.type = SDL_USEREVENT;
  SDL_PushEvent(&e);
}

}  // namespace

TEST_F(Lifecycle, EveryPhaseCallsTheSystemsInListOrder) {
  Engine* engine = Start();
  Frame(0.01);
  deathJournal = &journal;
  RegisterEntityClass<Mortal>("EngineLog");
  engine->GetEntityManager()->Create("Mortal");
  engine->Shutdown();
  EXPECT_EQ(Calls("Create"), kOrder);
  EXPECT_EQ(Calls("RegisterTypes"), kOrder);
  EXPECT_EQ(Calls("Init"), kOrder);
  EXPECT_EQ(Calls("Update"), kOrder);
  EXPECT_EQ(Calls("Started"), kOrder);
  EXPECT_EQ(Calls("Render"), kOrder);
  EXPECT_EQ(Calls("Shutdown"), kOrder);
  // Started follows the last start-up; the frame is drawn after the last update.
  auto at = [this](const char* call) { return std::find(journal.begin(), journal.end(), call) - journal.begin(); };
  EXPECT_LT(at("Logic.Init"), at("AI.Started"));
  EXPECT_LT(at("Logic.Update"), at("AI.Render"));
  EXPECT_EQ(Calls("Destroy"), (std::vector<std::string>{"Mortal", "AI", "Sound", "Graphics", "Input", "Physics",
                                                         "Logic"}));
  // Every entity is gone before the first system shuts down.
  auto death = std::find(journal.begin(), journal.end(), "Mortal.Destroy");
  auto firstShutdown = std::find(journal.begin(), journal.end(), "AI.Shutdown");
  EXPECT_LT(death, firstShutdown);
  EXPECT_EQ(Engine::Current(), nullptr);
}

TEST_F(Lifecycle, AClearedRunFlagSkipsOnlyTheUpdate) {
  TempDir::Write("Data/EngineConfig.xml",
                 "<?xml version=\"1.0\"?>\n<var><bool>false</bool><bool>true</bool><bool>true</bool>"
                 "<bool>true</bool><bool>true</bool><bool>true</bool><bool>false</bool><float>1</float>"
                 "<bool>false</bool></var>");
  Start();
  Frame(0.01);
  Engine::Current()->Shutdown();
  EXPECT_EQ(Calls("Update"), (std::vector<std::string>{"Sound", "Graphics", "Input", "Physics", "Logic"}));
  EXPECT_EQ(Calls("Init"), kOrder);
  EXPECT_EQ(Calls("Shutdown"), kOrder);
}

TEST_F(Lifecycle, FpsStaysZeroUntilMoreThanOneSecondOfUnpausedTime) {
  Engine* engine = Start();
  for (int i = 0; i < 10; ++i) Frame(0.1);
  EXPECT_EQ(engine->GetFps(), 0.0);
  // Paused frames are counted but add no time.
  engine->GetTimer()->SetPaused(true);
  for (int i = 0; i < 5; ++i) Frame(0.1);
  EXPECT_EQ(engine->GetFps(), 0.0);
  engine->GetTimer()->SetPaused(false);
  Frame(0.1);
  EXPECT_EQ(engine->GetFps(), 16.0);
}

TEST_F(Lifecycle, AQuitBehindThreeMessagesEndsTheLoopOnTheFourthPump) {
  Start();
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  PushUserEvent();
  PushUserEvent();
  PushUserEvent();
  MainWindow::PostQuit();
  int frames = 0;
  while (Frame(0.01)) ++frames;
  EXPECT_EQ(frames, 3);
}
