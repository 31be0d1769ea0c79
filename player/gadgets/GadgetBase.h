#pragma once
#include <cstdint>

class GadgetEnt;
class Player;

// The behaviour of one kind of gadget (taser, smoke grenade, box, suction cup gun): one object
// per kind for the life of the process, found by name in the gadget registry, serving the
// gadget entities of every thief. The three fields belong to the kind, not to one gadget.
class GadgetBase {
 public:
  // Registers the object under `name` (the plain base serves as "Default").
  explicit GadgetBase(const char* name);
  virtual ~GadgetBase() = default;
  GadgetBase(const GadgetBase&) = delete;
  GadgetBase& operator=(const GadgetBase&) = delete;

  // Uses the gadget; the plain base does nothing.
  virtual void Fire(GadgetEnt* /*gadget*/) {}
  // Sets the kind's fields after Reset.
  virtual void Init(GadgetEnt* /*gadget*/) {}

  // Makes the thief the holder of this gadget entity.
  static void AssignPlayer(GadgetEnt* gadget, Player* player);
  // Per frame, for a thief's current gadget: in front of the user's camera, or beside a
  // computer thief (hidden), or hidden without a holder.
  static void Update(GadgetEnt* gadget);
  // canTarget true, hudOffsetY 0, then Init; hudScale keeps its value.
  void Reset(GadgetEnt* gadget);

  // The thief aims before the gadget fires.
  bool canTarget = false;
  // How large and how high the gadget's model stands on the HUD.
  int32_t hudScale = 0;
  float hudOffsetY = 0.0f;
};
