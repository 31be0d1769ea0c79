#pragma once

class Entity;

// The two questions about the running game that the thief, its gadgets and the pickups ask
// most, answered for a run without a game logic too.

// The thief the user controls; null outside a game.
Entity* UserThief();
// The round has ended (a bust or time up); false outside a game.
bool IsRoundOver();
