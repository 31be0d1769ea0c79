#pragma once

// The gadget side of the HUD: the ammunition text beside the selected gadget and the three
// gadget models of the current screen.

// "AmmoText": nothing for the taser, "x" and the count for the smoke grenades and the boxes.
void UpdateAmmoText();
// The current screen's first three model elements show the models of their bound gadgets,
// without outline and in the fixed light. A screen with fewer than three is left alone; an
// element whose gadget is gone shows nothing.
void RefreshHudGadgetModels();
