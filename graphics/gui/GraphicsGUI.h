#pragma once
#include <memory>
#include <string>

class GUI;
class GUIScreen;
class Graphics;
class InputView;
struct GUIPoint;

// The GUI in the graphics frame: the screens and cursor built at start-up, their steps in the
// update and in the frame, and what the game flow and the control schemes ask of them. Every
// operation does nothing (or finds nothing) before Init and after Release.
class GraphicsGUI {
 public:
  explicit GraphicsGUI(Graphics& graphics);
  ~GraphicsGUI();
  GraphicsGUI(const GraphicsGUI&) = delete;
  GraphicsGUI& operator=(const GraphicsGUI&) = delete;

  void Init();
  // The screens give their textures back, so this runs while there are textures.
  void Release();
  GUI* Get() { return gui_.get(); }

  // Moves the cursor with the input's mouse; without an input it stands still.
  void UpdateCursor(const InputView* input);
  void UpdateSlide();
  void ChangeScreen(const std::string& name, float time);
  void HandleClick();
  void UpdateMenuSelection();
  GUIScreen* GetCurrentScreen();
  GUIPoint GetCursorPosition();

  // The background, the current screen with its per-frame command, and the sliding one.
  void DrawScreens(bool widescreen);
  void DrawCursor();

 private:
  bool ModelsWithDepth() const;
  void SetView();

  Graphics& graphics_;
  std::unique_ptr<GUI> gui_;
};
