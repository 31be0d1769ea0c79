#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/math/Vector.h"

class Entity;

// What the HUD reads of the game beyond the graphics system. The game logic, the thief and
// its gadgets implement these; until a game hands one over the HUD layer and the state icons
// stay away and no score is credited.

// The "Gadget" component of a gadget entity: how large and how high its model stands on the
// HUD while the gadgets rotate through their places.
class HudGadget {
 public:
  static constexpr char kComponentName[] = "Gadget";
  virtual ~HudGadget() = default;
  virtual int32_t GetHudSize() const = 0;
  virtual float GetHudHeightOffset() const = 0;
};

// The thief entity as its HUD shows it, and the two things the HUD settles for it.
class HudGadgetUser {
 public:
  virtual ~HudGadgetUser() = default;
  // 0 taser, 1 smoke grenade, 2 box.
  virtual int32_t GetCurrentGadget() const = 0;
  virtual int32_t GetBattery() const = 0;
  virtual float GetMoney() const = 0;
  virtual int32_t GetSmokeGrenades() const = 0;
  virtual int32_t GetBoxes() const = 0;
  // It stands where a teleporter takes it on.
  virtual bool IsAtTeleporter() const = 0;
  // The worth of a delivered item has flown into its purse.
  virtual void AddMoney(float amount) = 0;
  // Its gadgets have turned into their new places.
  virtual void EndGadgetSwitch() = 0;
};

// A guard as its state icon sees it.
struct GuardMark {
  platform::Vector3 position;
  // Its model was drawn this frame.
  bool modelDrawn = false;
  // The front action of its AI, empty when it has none.
  std::string action;
};

// A teleporter or an item drop-off as its marker sees it.
struct PlaceMark {
  platform::Vector3 position;
  bool visible = false;
  // The teleporter's label (the sprite shown above it); drop-offs have none.
  std::string label;
};

// The running game.
class HudGame {
 public:
  virtual ~HudGame() = default;
  virtual bool IsInGame() const = 0;
  virtual float GetRoundTimeLeft() const = 0;
  virtual bool IsOverlayActive() const = 0;
  // The thief under control is being busted.
  virtual bool IsBusted() const = 0;
  // The thief under control, looked up afresh; null when there is none.
  virtual Entity* GetPlayer() const = 0;
  // Adds `worth` to every score-table entry of that owner.
  virtual void AddScore(int32_t ownerId, int32_t worth) = 0;
  // The level's marks of this frame; each call empties `out` first.
  virtual void GetGuards(std::vector<GuardMark>& out) const = 0;
  virtual void GetTeleporters(std::vector<PlaceMark>& out) const = 0;
  virtual void GetDropoffs(std::vector<PlaceMark>& out) const = 0;
};
