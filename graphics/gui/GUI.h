#pragma once
#include <memory>
#include <string>

#include "graphics/ResourceManager.h"
#include "graphics/gui/GUICursor.h"
#include "graphics/gui/GUIScreen.h"
#include "graphics/gui/SpriteElementManager.h"

using GUIScreenManager = ResourceManager<GUIScreen>;

// The GUI state of the graphics system: every screen of the screen list by name, the named
// sprites, the cursor, and which screen is current, sliding in or behind everything.
//
// A switch either happens at once or slides: the old screen leaves to the right, fast at
// first, while the new one comes in from the left and slows to rest; clicks reach no screen
// until the slide is over.
class GUI {
 public:
  GUI();
  ~GUI();
  GUI(const GUI&) = delete;
  GUI& operator=(const GUI&) = delete;

  // Every screen of "Data/GUIList.xml", the credits lines, then "Intro" at once.
  void Init();
  // Makes the named screen current at once (time 0) or slides it in over `time` seconds. An
  // unknown name changes nothing.
  void ChangeGUIScreen(const std::string& name, float time);
  // One step of a running slide by `dt` seconds.
  void UpdateSlide(float dt);
  // A click, unless a screen is sliding in.
  void HandleClick();
  // Puts the main menu's buttons back at rest and forgets the HUD's gadget model entities.
  void UpdateMenuSelection();
  // The current screen and, during a slide, the incoming one, through the open sprite batch.
  void DrawScreens(bool modelsWithDepth);
  // The cursor, over any current screen but "Loading" and "Credits".
  void DrawCursor();

  GUIScreenManager& GetScreens() { return *screens_; }
  SpriteElementManager& GetSpriteElements() { return sprites_; }
  GUICursor* GetCursor() { return cursor_.get(); }

  GUIScreen* backgroundScreen = nullptr;
  GUIScreen* currentScreen = nullptr;
  GUIScreen* incomingScreen = nullptr;
  bool screenSliding = false;
  float slideElapsed = 0.0f;
  float slideDuration = 0.0f;

 private:
  void AddCredits();

  std::unique_ptr<GUIScreenManager> screens_;
  // The screens without a cursor.
  GUIScreen* loadingScreen_ = nullptr;
  GUIScreen* creditsScreen_ = nullptr;
  SpriteElementManager sprites_;
  std::unique_ptr<GUICursor> cursor_;
};
