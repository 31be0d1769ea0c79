#include "engine/Engine.h"

#include <ctime>

#include "engine/CurrentMapSource.h"
#include "engine/EngineCmds.h"
#include "engine/EngineSystem.h"
#include "engine/MainWindow.h"
#include "entity/ClassMessageTable.h"
#include "platform/core/Random.h"

Engine* Engine::instance_ = nullptr;

Engine* Engine::Instance() {
  if (!instance_) instance_ = new Engine();
  return instance_;
}

Engine::~Engine() = default;

MainWindow* Engine::GetMainWindow() { return MainWindow::Instance(); }

BspMap* Engine::GetCurrentMap() { return slots_.currentMap ? slots_.currentMap->CurrentMap() : nullptr; }

void Engine::AddSystem(const std::function<EngineSystem*()>& factory) {
  EngineSystem* system = factory();
  systems_.push_back(system);
  system->TakeSlot(slots_);
}

void Engine::Init(const SystemFactories& factories) {
  for (const auto* factory : {&factories.ai, &factories.sound, &factories.graphics, &factories.input,
                              &factories.physics, &factories.logic})
    AddSystem(*factory);

  RegisterEntityClass<EngineCmds>("EngineLog");
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
  for (EngineSystem* system : systems_) system->Started();
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
  // Systems are destroyed in list order, so the accessors go first: a later system's
  // destructor must find no sibling rather than one already deleted.
  slots_ = SystemSlots();
  for (EngineSystem* system : systems_) delete system;
  systems_.clear();
  for (ClassMessageTable* table : messageTables_) delete table;
  messageTables_.clear();
  instance_ = nullptr;
  delete this;
}
