#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Engine.h"
#include "platform/core/Clock.h"
#include "tests/support/RecordingSystem.h"
#include "tests/support/TempDir.h"

// An engine in a fresh working folder with a hand-moved clock. Bare() gives the engine without
// Init (enough for the entity model); Start() runs Init with recording systems.
class EngineFixture : public ::testing::Test {
 protected:
  EngineFixture() { platform::SetClock(&clock); }
  ~EngineFixture() override {
    if (Engine::Current()) Engine::Current()->Shutdown();
    platform::SetClock(nullptr);
  }

  Engine* Bare() { return Engine::Instance(); }

  Engine* Start() {
    Engine* engine = Engine::Instance();
    engine->Init(RecordingSystems());
    return engine;
  }

  SystemFactories RecordingSystems() {
    auto make = [this](const char* name) { return [this, name] { return new RecordingSystem(name, &journal); }; };
    return SystemFactories{make("AI"), make("Sound"), make("Graphics"), make("Input"), make("Physics"), make("Logic")};
  }

  // Moves the clock and runs one frame of the main loop.
  bool Frame(double seconds) {
    clock.AdvanceSeconds(seconds);
    return Engine::Get()->RunFrame();
  }

  static std::string LogOf(const std::string& channel) { return TempDir::Read(channel + ".txt"); }

  TempDir dir;
  platform::ManualClock clock;
  std::vector<std::string> journal;
};
