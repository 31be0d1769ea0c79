#pragma once
#include <cstdint>

class Entity;
class HudGame;
class HudGadgetUser;

// The running game and its thief under control as the HUD reaches them: afresh on every use,
// so that nothing the game has deleted is ever touched. Each is null (or the taser, 0) while
// no game has been handed to the graphics system or no thief is controlled.
HudGame* CurrentHudGame();
Entity* HudPlayer();
HudGadgetUser* HudThief();
int32_t HudCurrentGadget();
