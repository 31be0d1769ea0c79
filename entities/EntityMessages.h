#pragma once

// The messages the level entities answer, beside those of the thief (player/PlayerMessages.h)
// they share ("OnUpdate", "OnTouch", "Score").

// ItemDropoff: one argument, the thief delivering what it carries.
inline constexpr char kDropoff[] = "Dropoff";
// ItemDropoff, Teleporter: repeats itself every kMarkerVisibleInterval seconds for as long as the entity lives.
inline constexpr char kUpdateVisible[] = "UpdateVisible";
