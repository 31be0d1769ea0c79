#pragma once
#include <functional>
#include <list>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/CommandDispatcher.h"
#include "engine/Console.h"
#include "engine/EngineSettings.h"
#include "engine/InputFocus.h"
#include "engine/Log.h"
#include "engine/Profiler.h"
#include "engine/SystemSlots.h"
#include "engine/Timer.h"
#include "engine/VariableTable.h"
#include "entity/EntityManager.h"
#include "entity/Message.h"
#include "entity/MessageCheck.h"
#include "entity/MessageQueue.h"

class BspMap;
class ClassMessageTable;
class Entity;
class EngineSystem;
class HUDAnimationList;
class MainWindow;
class ParticleManager;

// Makes the six systems, in the order they are created and called: AI, Sound, Graphics,
// Input, Physics, Logic. The program passes the real ones; tests may pass their own.
struct SystemFactories {
  std::function<EngineSystem*()> ai, sound, graphics, input, physics, logic;
};

// The one process-wide object: owns the systems and every shared service, and carries the
// program from start-up through the main loop to shut-down.
class Engine {
 public:
  // The engine, created on first use. Get is the same accessor.
  static Engine* Instance();
  static Engine* Get() { return Instance(); }
  // The engine if it exists, without creating one (for destructors that run at shut-down).
  static Engine* Current() { return instance_; }

  void Init(const SystemFactories& systems);
  // The main loop; returns on the quit message.
  void Run();
  // Deletes every entity, shuts every system down, destroys them and then the engine itself.
  void Shutdown();
  // One frame of the main loop (taken apart for the benchmarks and tests that drive frames).
  // Returns false when the pump took the quit message.
  bool RunFrame();

  // Channels: named lists of subscribers, in subscription order.
  std::vector<Entity*>& GetSubscribers(const std::string& channel);
  void Subscribe(Entity* entity, const std::string& channel);
  void Unsubscribe(Entity* entity, const std::string& channel);
  void ClearSubscribers(const std::string& channel);
  void UnsubscribeAll(Entity* entity);
  // A declared message to every subscriber of the channel.
  template <class... A>
  void Broadcast(const Message<A...>& message, const std::string& channel, const std::type_identity_t<A>&... values) {
    MessageArgs args = MessageArgs::FromValues(values...);
    ReportIfUnknown(message.Name());
    BroadcastWithArgs(message.Name(), channel, &args);
  }
  // A message named by typed text or data (console commands, GUI element commands).
  void BroadcastWithArgs(const std::string& message, const std::string& channel, MessageArgs* args);

  MessageQueue* GetMessageQueue() { return &messageQueue_; }
  EntityManager* GetEntityManager() { return &entityManager_; }
  VariableTable* GetVariableTable() { return &variables_; }
  Log* GetLog() { return &log_; }
  Console* GetConsole() { return &console_; }
  Timer* GetTimer() { return &timer_; }
  Profiler* GetProfiler() { return &profiler_; }
  CommandDispatcher* GetCommandDispatcher() { return &dispatcher_; }
  InputFocus* GetInputFocus() { return &inputFocus_; }
  std::vector<ClassMessageTable*>& GetMessageTables() { return messageTables_; }
  const std::list<EngineSystem*>& GetSystems() const { return systems_; }
  MainWindow* GetMainWindow();

  Input* GetInput() { return slots_.input; }
  Graphics* GetGraphics() { return slots_.graphics; }
  AI* GetAI() { return slots_.ai; }
  Sound* GetSound() { return slots_.sound; }
  Physics* GetPhysics() { return slots_.physics; }
  Logic* GetLogic() { return slots_.logic; }
  // The HUD animation list and the particle manager the graphics own; null while no graphics
  // have made them. The graphics hand them over so that the engine needs none of their headers.
  HUDAnimationList* GetAnimationList() { return animations_; }
  ParticleManager* GetParticleManager() { return particles_; }
  void SetGraphicsParts(HUDAnimationList* animations, ParticleManager* particles) {
    animations_ = animations;
    particles_ = particles;
  }
  // The game logic's current map (its empty default map while none is current); null without
  // a game logic system.
  BspMap* GetCurrentMap();

  // The wide-screen switch of the settings: the window and the graphics device size from it.
  bool IsWidescreen() const { return settings_.Widescreen; }
  const EngineSettings& GetSettings() const { return settings_; }
  double GetFps() const { return fps_; }

  // Updates one system inside a profiler section named after it, when its run flag is set.
  void UpdateSystem(EngineSystem* system);

 private:
  Engine() = default;
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  void AddSystem(const std::function<EngineSystem*()>& factory);
  void ApplySettings();
  void ExecuteTerminalLine();

  static Engine* instance_;

  std::map<std::string, std::vector<Entity*>> channels_;
  MessageQueue messageQueue_;
  EntityManager entityManager_;
  VariableTable variables_;
  Log log_;
  Console console_;
  Timer timer_;
  Profiler profiler_;
  CommandDispatcher dispatcher_;
  InputFocus inputFocus_;
  SystemSlots slots_;
  HUDAnimationList* animations_ = nullptr;
  ParticleManager* particles_ = nullptr;
  std::vector<ClassMessageTable*> messageTables_;
  std::list<EngineSystem*> systems_;

  EngineSettings settings_;
  // The frame rate published as "fps" once more than a second of unpaused time has passed.
  double fps_ = 0;
  int32_t frameCount_ = 0;
  double frameTime_ = 0;
};
