#pragma once
#include "entity/Message.h"

class GUITextElement;

// The graphics console commands: "setoutline scale r g b", "rlshaders", "ambient r g b".
inline constexpr Message<float, float, float, float> kSetOutline{"setoutline"};
inline constexpr Message<> kRlShaders{"rlshaders"};
inline constexpr Message<float, float, float> kAmbient{"ambient"};
// Screen effects that GUI screens and the intro ask for.
inline constexpr Message<> kStartFadeWhite{"StartFadeWhite"};
inline constexpr Message<> kStartVideo{"StartVideo"};
// The intro screen's way on to the main menu, which the game flow carries out.
inline constexpr Message<> kMainMenu{"MainMenu"};
// The GUI command of a check box: flips the console variable the element names.
inline constexpr Message<GUITextElement*> kToggleVariable{"ToggleVariable"};

// To the owner of a model, around the drawing of it in each frame.
inline constexpr Message<> kOnModelDraw{"OnModelDraw"};
inline constexpr Message<> kOnModelUpdate{"OnModelUpdate"};
