#include "engine/Engine.h"

#include <ctime>

#include "ai/AI.h"
#include "engine/EngineCmds.h"
#include "engine/EngineSystem.h"
#include "engine/MainWindow.h"
#include "engine/WinConsoleInput.h"
#include "entity/ClassMessageTable.h"
#include "graphics/Graphics.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "platform/core/Random.h"
#include "sound/Sound.h"

Engine* Engine::instance_ = nullptr;

Engine* Engine::Instance() {
  if (!instance_) instance_ = new Engine();
  return instance_;
}

Engine::~Engine() = default;

MainWindow* Engine::GetMainWindow() { return MainWindow::Instance(); }

BspMap* Engine::GetCurrentMap() { return logic_ ? &logic_->GetCurrentMap() : nullptr; }

EngineSystem* Engine::AddSystem(const std::function<EngineSystem*()>& factory) {
  EngineSystem* system = factory();
  systems_.push_back(system);
  return system;
}

void Engine::Init(const SystemFactories& factories) {
  ai_ = dynamic_cast<AI*>(AddSystem(factories.ai));
  sound_ = dynamic_cast<Sound*>(AddSystem(factories.sound));
  graphics_ = dynamic_cast<Graphics*>(AddSystem(factories.graphics));
  input_ = dynamic_cast<Input*>(AddSystem(factories.input));
  physics_ = dynamic_cast<Physics*>(AddSystem(factories.physics));
  logic_ = dynamic_cast<Logic*>(AddSystem(factories.logic));

  RegisterEntityClass<EngineCmds>("EngineLog");
  RegisterEntityClass<WinConsoleInput>("EngineLog");
  for (EngineSystem* system : systems_) system->RegisterTypes();

  LoadEngineSettings(settings_, kEngineConfigPath);
  ApplySettings();

  MainWindow::Instance()->Create();
  platform::SeedRandom(static_cast<unsigned>(std::time(nullptr)));
  profiler_.SetInterval(settings_.dbgInterval);
  profiler_.SetEnabled(settings_.dbgTimer);
  // The section exists, with its variable bound, before the first frame.
  profiler_.Start("Rendering");
  profiler_.Stop("Rendering");

  for (EngineSystem* system : systems_) system->Init();
  console_.Init();

  Entity* commands = entityManager_.Create("EngineCmds");
  Subscribe(commands, "ConsoleCmd");
  if (graphics_) graphics_->GetVariablePanel()->Build();
}

void Engine::ApplySettings() {
  auto apply = [](EngineSystem* system, bool run) {
    if (system) system->SetRunning(run ? 1 : 0);
  };
  // By list position, so that systems standing in for the real ones get their flags too.
  auto it = systems_.begin();
  apply(*it++, settings_.RunAI);
  apply(*it++, settings_.RunSound);
  apply(*it++, settings_.RunGraphics);
  apply(*it++, settings_.RunInput);
  apply(*it++, settings_.RunPhysics);
  apply(*it++, settings_.RunLogic);
}

void Engine::UpdateSystem(EngineSystem* system) {
  if (!system->IsRunning()) return;
  const std::string name = system->GetName();
  profiler_.Start(name);
  system->Update();
  profiler_.Stop(name);
}

void Engine::Shutdown() {
  entityManager_.DeleteAll();
  for (EngineSystem* system : systems_) system->Shutdown();
  for (EngineSystem* system : systems_) delete system;
  systems_.clear();
  input_ = nullptr;
  graphics_ = nullptr;
  ai_ = nullptr;
  sound_ = nullptr;
  physics_ = nullptr;
  logic_ = nullptr;
  for (ClassMessageTable* table : messageTables_) delete table;
  messageTables_.clear();
  instance_ = nullptr;
  delete this;
}
