#pragma once
#include <cstdint>
#include <vector>

#include "ai/AIComponent.h"
#include "ai/agents/GadgetIndex.h"
#include "entity/EntityClass.h"
#include "graphics/Camera.h"
#include "graphics/ModelComp.h"
#include "graphics/gui/HudSeams.h"
#include "physics/BoundingData.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"
#include "platform/math/Vector.h"
#include "player/GameServices.h"
#include "player/PlayerInfo.h"

class GadgetEnt;

// A thief, the user's or a computer's: it walks, looks about behind its follow camera, carries
// what it stole, holds its gadgets (0 taser, 1 smoke grenade, 2 box) and fires them, and is sent
// back to a start when a guard catches it. Which thief the user controls is the game's
// business (LogicServices) and the thief's own "user-controlled" flag.
class Player : public EntityClass<Player>, public HudGadgetUser {
 public:
  static constexpr char kClassName[] = "Player";
  static void Describe(ClassBuilder<Player>& c);

  static constexpr float kFollowDistance = 350.0f;
  static constexpr float kAimSpeedCap = 100.0f;
  static constexpr float kSpeedCap = 500.0f;
  static constexpr float kBoxTimeOut = 15.0f;

  explicit Player(const GameServices& services);
  ~Player() override;
  // Outfit, walk animation, update list, the game's list, the AI kind, the three gadgets.
  void OnCreate() override;

  // What the HUD shows and settles.
  int32_t GetCurrentGadget() const override { return currentGadget; }
  int32_t GetBattery() const override { return info.battery; }
  float GetMoney() const override { return info.shownMoney; }
  int32_t GetSmokeGrenades() const override { return info.smokeGrenades; }
  int32_t GetBoxes() const override { return info.boxes; }
  bool IsAtTeleporter() const override { return info.teleporter.Get() != nullptr; }
  void AddMoney(float amount) override { info.money += amount; }
  void EndGadgetSwitch() override { info.switchingGadget = 0; }
  // The gadget at `index`, or null (out of range, or gone).
  GadgetEnt* GadgetAt(int32_t index) const;
  GadgetEnt* CurrentGadget() const { return GadgetAt(currentGadget); }
  int32_t GadgetCount() const { return static_cast<int32_t>(gadgets.size()); }
  bool IsUserControlled() const { return info.userControlled != 0; }
  // "thief" for the gender "male", "femaleThief" for any other.
  void LoadOutfitModel();

  // Fires the current gadget at a world point (the computer thieves' aim).
  void FireAt(const platform::Vector3& point);

  // Handlers.
  void MoveForward(bool pressed) { moveForward = pressed; }
  void MoveBack(bool pressed) { moveBack = pressed; }
  void MoveLeft(bool pressed) { moveLeft = pressed; }
  void MoveRight(bool pressed) { moveRight = pressed; }
  void MouseLook(bool on) { mouseLook = on; }
  void OnUpdate();
  void GuardTouch(Entity* guard);
  void SetActivePlayer(bool active);
  void Fire();
  void Score(int amount);
  void GetGadget(Entity* gadget);
  void ScrollGadget(bool forward, bool playSound);
  void SwitchGadget(int index);
  void GetBattery() { info.AddBattery(); }
  void GetBox() { info.AddBox(); }
  void GetSmoke() { info.AddSmokeGrenade(); }
  void EnterTeleporter();
  void ChangeMoveSpeed(bool up);
  // The pace the controls ask for; a thief under its box keeps the box's.
  void SetTargetSpeed(float speed);
  void TargetOrFire();
  void Untarget();
  void OnModelDraw();
  // Lets go of the carried exhibit, which goes back to the museum.
  void ReturnCarriedItem();
  void DoBust();

  PlayerInfo info;
  Camera camera;
  ModelComp model;
  PhysicalComp physical;
  PlayerPhysics playerPhysics;
  BoundingData bounds;
  AIComponent ai;
  MapIndexComp mapIndex;
  int32_t currentGadget = 0;
  // In the order received. The gadgets belong to the game's entity group.
  std::vector<EntityHandle> gadgets;
  bool moveForward = false;
  bool moveBack = false;
  bool moveLeft = false;
  bool moveRight = false;
  bool mouseLook = true;

 private:
  const GameServices services_;

  void EndBoxOnTimeOut(float dt);
  void CountMoneyUp(float dt);
  // The user's thief: box warning, walk, mouse look, camera.
  void SteerByUser(float dt, float followDistance, float cameraSpeed);
  platform::Vector3 WalkVector(float step) const;
  void FollowCamera(float dt, float followDistance, float cameraSpeed);
  void UpdateGadget();
  void Animate();
  void CarryItem();
  void ShowGadget(int32_t index, bool visible);
  // Makes `index` current with its model shown, and rotates the HUD's gadgets to it.
  void SelectGadget(int32_t index, bool forward);
};
