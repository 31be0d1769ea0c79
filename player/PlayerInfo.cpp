#include "player/PlayerInfo.h"

#include <algorithm>

void PlayerInfo::AddBattery() { battery = std::min(battery + kBatteryPickup, kMaxBattery); }
