#pragma once
#include "platform/math/Vector.h"
#include "player/PlayerMessages.h"
#include "player/pickups/Pickup.h"
#include "player/pickups/PickupSpawn.h"

// The three pickup families: what each is called, looks like, turns about, gives and how soon
// it comes back.

struct BoxFamily {
  static constexpr char kSpawn[] = "BoxSpawn";
  static constexpr char kPickup[] = "Box";
  static constexpr char kModel[] = "Box";
  static constexpr float kScale = 0.75f;
  static constexpr platform::Vector3 kSpinAxis{0, 0, 1};
  static constexpr const char* kMessage = kGetBox;
  static constexpr float kRespawnDelay = 30.0f;
};

struct SmokeGrenadeFamily {
  static constexpr char kSpawn[] = "SmokeGrenadeSpawn";
  static constexpr char kPickup[] = "SmokeGrenadePickup";
  static constexpr char kModel[] = "smokebomb";
  static constexpr float kScale = 10.0f;
  static constexpr platform::Vector3 kSpinAxis{0, 0, 1};
  static constexpr const char* kMessage = kGetSmoke;
  static constexpr float kRespawnDelay = 30.0f;
};

struct BatteryFamily {
  static constexpr char kSpawn[] = "BatterySpawn";
  static constexpr char kPickup[] = "Battery";
  static constexpr char kModel[] = "battery";
  static constexpr float kScale = 1.0f;
  // Tumbles rather than turns.
  static constexpr platform::Vector3 kSpinAxis{1, 1, 1};
  static constexpr const char* kMessage = kGetBattery;
  static constexpr float kRespawnDelay = 2.0f;
};

using BoxSpawn = PickupSpawn<BoxFamily>;
using BoxPickup = Pickup<BoxFamily>;
using SmokeGrenadeSpawn = PickupSpawn<SmokeGrenadeFamily>;
using SmokeGrenadePickup = Pickup<SmokeGrenadeFamily>;
using BatterySpawn = PickupSpawn<BatteryFamily>;
using Battery = Pickup<BatteryFamily>;
