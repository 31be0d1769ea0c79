#pragma once
#include "entity/Message.h"

class Entity;

// Contacts and triggers, to both entities involved, each carrying the other one (null for the
// world); delivered only when the receiver's "Physical" opted in to that kind.
inline constexpr Message<Entity*> kOnStartTouch{"OnStartTouch"};
inline constexpr Message<Entity*> kOnTouch{"OnTouch"};
inline constexpr Message<Entity*> kOnEndTouch{"OnEndTouch"};
