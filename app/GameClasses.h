#pragma once

class Logic;

// Registers the game's entity classes with the entity manager, in the order that fixes their
// class indices; the game logic runs it when the engine asks the systems for their types. The
// classes' objects are handed the game logic's services (the command entity and the console
// key the game logic itself) when they are made.
void RegisterGameClasses(Logic& logic);
