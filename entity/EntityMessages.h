#pragma once
#include "entity/Message.h"

// Sent every frame to the entities on the message queue's update list.
inline constexpr Message<> kOnUpdate{"OnUpdate"};
