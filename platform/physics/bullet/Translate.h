#pragma once

// Where the game's physical numbers become the simulator's: damping and how two touching
// materials combine. Everything that translates such values lives here.
namespace platform::physics::bullet {

// The game's damping c slows a body as e^(-c t); the simulator keeps (1 - d)^t of the velocity
// after t seconds, so d = 1 - e^(-c). Damping 1.0 becomes about 0.632.
float DampingToSimulator(float gameDamping);

// Two materials combine by the average of their values (the simulator would multiply them).
// Installed once; affects every scene.
void InstallMaterialCombiners();

}  // namespace platform::physics::bullet
