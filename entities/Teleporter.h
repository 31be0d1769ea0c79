#pragma once
#include <cstdint>
#include <string>

#include "entities/EntRefComp.h"
#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/math/Vector.h"
#include "player/TeleportDoor.h"
#include "player/GameServices.h"

// A door between the museum's maps (or two places of one map): it carries a thief to its
// target, another teleporter, which may stand in any loaded map. Its arrow bobs above it and,
// with the sign named by its label, shows while the user's thief can see it. The user's thief
// arrives in the target's map, which becomes current, looking away from the nearest wall; a
// computer thief lands on the target's marker.
class Teleporter : public EntityClass<Teleporter>, public TeleportDoor {
 public:
  static constexpr char kClassName[] = "Teleporter";
  // The label of a teleporter that never shows (it still works).
  static constexpr char kSecretLabel[] = "secret";
  static void Describe(ClassBuilder<Teleporter>& c);

  explicit Teleporter(const GameServices& services);
  ~Teleporter() override;
  void OnCreate() override;
  void OnUpdate();
  void UpdateVisible();
  // "Teleport": the thief of that id, unless it is gone by now.
  void Teleport(uint32_t entityId);
  // Moves the entity to the target; nothing for an entity that is no thief or guard, or while
  // the target does not resolve. The AI calls it directly for its thieves.
  void Teleport(Entity* entity);
  // The target teleporter, or null.
  Entity* GetTarget() const { return reference.target.Get(); }

  std::string GetTeleportSound() const override { return sfxName; }

  EntRefComp reference;
  // The "targetname" the map gives it (saved as "hackNo2CompsTargetName") and its "link"
  // (saved as "hackNo2CompsLink", read by nothing).
  std::string targetName;
  std::string link;
  PhysicalComp physical;
  MapIndexComp mapIndex;
  ClusterInfo cluster;
  ModelComp model;
  // Names the camera path of the fly-through that greets the user's thief on arrival.
  std::string cameraPathName;
  platform::Vector3 basePosition{};
  // The GUI element shown above it while visible.
  std::string label;
  std::string sfxName;
  // Nonzero: serves only the user's thief.
  int32_t banned = 0;
  bool visible = false;

 private:
  const GameServices services_;
};
