#pragma once
#include <cstdint>
#include <string>

struct SystemSlots;

// The base of the six systems. The engine calls every operation on every system in the order
// the systems were created; only Update is gated by the run flag.
class EngineSystem {
 public:
  EngineSystem() = default;
  virtual ~EngineSystem() = default;
  EngineSystem(const EngineSystem&) = delete;
  EngineSystem& operator=(const EngineSystem&) = delete;

  virtual void RegisterTypes() = 0;
  virtual void Init() = 0;
  virtual void Shutdown() = 0;
  virtual void Update() = 0;
  virtual std::string GetName() = 0;

  // Enters this system in its slot of the engine's typed accessors (a stand-in has none).
  virtual void TakeSlot(SystemSlots&) {}
  // Once every system and the console have started: work that needs all of them in place.
  virtual void Started() {}
  // Once a frame, after every update: draws the frame (only the graphics system draws).
  virtual void Render() {}

  void SetRunning(uint8_t running) { running_ = running; }
  bool IsRunning() const { return running_ != 0; }

 private:
  uint8_t running_ = 0;
};
