#pragma once
#include <cstdint>

class ParticleEmitter;

// A weak reference to an emitter of the graphics' particle manager. The manager deletes an
// emitter when it finishes and every emitter when a new game clears it, so a holder that
// outlives either (a smoke bomb, a thief's carried-item sparks) reaches it only through this.
class EmitterHandle {
 public:
  EmitterHandle() = default;
  explicit EmitterHandle(const ParticleEmitter* emitter) { Set(emitter); }

  void Set(const ParticleEmitter* emitter);
  // The emitter while the manager still holds it, else null.
  ParticleEmitter* Get() const;
  // Ends its spawning, so that its particles die out, and forgets it.
  void Stop();
  void Reset() { serial_ = 0; }
  bool IsSet() const { return serial_ != 0; }

 private:
  uint32_t serial_ = 0;
};
