#pragma once

class Graphics;
class HudGame;

// The HUD in the graphics frame: the battery meter, the overlay's target while a white fade
// runs, the gate of the 3-D sprite layer, the HUD layer over the game and the closing white
// fade, all read from the running game handed over by the game logic.
class GraphicsHUD {
 public:
  explicit GraphicsHUD(Graphics& graphics) : graphics_(graphics) {}

  // The running game (null: none, so no HUD layer, state icons or credited scores).
  void SetGame(HudGame* game) { game_ = game; }
  HudGame* GetGame() const { return game_; }
  // While set, frames without a camera are composed through the "FadeWhite" pass.
  void SetWhiteFade(bool on) { whiteFade_ = on; }
  bool IsWhiteFading() const { return whiteFade_; }

  void UpdateBatteryMeter();
  void BeginOverlay();
  bool ShowsSpriteLayer() const;
  void DrawLayer();
  void ComposeWhiteFade();

 private:
  Graphics& graphics_;
  HudGame* game_ = nullptr;
  bool whiteFade_ = false;
};
