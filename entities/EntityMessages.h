#pragma once
#include "entity/Message.h"

class Entity;

// The messages the level entities answer, beside those of the thief (player/PlayerMessages.h)
// they share ("OnUpdate", "OnTouch", "Score").

// ItemDropoff: the thief delivering what it carries.
inline constexpr Message<Entity*> kDropoff{"Dropoff"};
// ItemDropoff, Teleporter: repeats itself every kMarkerVisibleInterval seconds for as long as the entity lives.
inline constexpr Message<> kUpdateVisible{"UpdateVisible"};
