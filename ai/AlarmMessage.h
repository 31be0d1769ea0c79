#pragma once
#include <cstdint>

#include "entity/Message.h"
#include "platform/math/Vector.h"

// The alarm, as its sender (a trip laser whose beam a thief broke) and its receivers (the AI's
// alarm listener, then the game logic's commands, in the order they subscribed) know it. It
// carries the point where the beam was broken and the id of the thief who broke it, 16 bytes in
// all; each receiver resolves the id at once.
inline constexpr char kAlarmChannel[] = "AlarmCmd";
inline constexpr Message<platform::Vector3, uint32_t> kAlarm{"Alarm"};
