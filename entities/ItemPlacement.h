#pragma once

class GameServices;
class ItemStore;

// What the game logic does with the museum's exhibits over a game.

// Hands each spawn of the game, in registration order, the first free record of its area and
// stands an item of it there.
void PlaceItems(ItemStore& store, const GameServices& services);
// Once no spawn is occupied (every item taken has been delivered), every record the thieves
// delivered stands again at its spawn: once, however often it was delivered, so the museum
// never holds two of one exhibit. The delivered lists and the tally keep every delivery.
void RespawnScoredItems(const GameServices& services);
