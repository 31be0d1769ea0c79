#pragma once
#include "player/PlayerMessages.h"
#include "player/pickups/Pickup.h"
#include "player/pickups/PickupFamily.h"
#include "player/pickups/PickupSpawn.h"

// The three pickup families. A battery tumbles rather than turns.
inline constexpr PickupFamily kBoxFamily{"BoxSpawn", "Box", "Box", 0.75f, {0, 0, 1}, kGetBox, 30.0f};
inline constexpr PickupFamily kSmokeGrenadeFamily{
    "SmokeGrenadeSpawn", "SmokeGrenadePickup", "smokebomb", 10.0f, {0, 0, 1}, kGetSmoke, 30.0f};
inline constexpr PickupFamily kBatteryFamily{"BatterySpawn", "Battery", "battery", 1.0f, {1, 1, 1}, kGetBattery, 2.0f};

using BoxSpawn = PickupSpawn<kBoxFamily>;
using BoxPickup = Pickup<kBoxFamily>;
using SmokeGrenadeSpawn = PickupSpawn<kSmokeGrenadeFamily>;
using SmokeGrenadePickup = Pickup<kSmokeGrenadeFamily>;
using BatterySpawn = PickupSpawn<kBatteryFamily>;
using Battery = Pickup<kBatteryFamily>;
