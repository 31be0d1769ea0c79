#pragma once

// The 3-D markers of the game view: what each guard whose model was drawn is doing (asleep,
// surprised, confused) above its head, and the label of every visible teleporter and the
// drop-off sign above visible drop-offs, those two through walls. Nothing shows while no game
// is handed to the graphics system or while the overlay or the teleport transition is up.
// Leaves the depth test on.
void DrawStateIcons();
