#pragma once

// Registers the game's entity classes with the entity manager, in the order that fixes their
// class indices; the game logic runs it when the engine asks the systems for their types.
void RegisterGameClasses();
