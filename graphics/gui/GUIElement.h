#pragma once
#include <cstdint>
#include <string>

// A point of the 1024 x 768 GUI layout (origin top left, y down), also used as a draw offset.
struct GUIPoint {
  float x = 0.0f;
  float y = 0.0f;
};

struct GUIRect {
  GUIPoint topLeft;
  int32_t width = 0;
  int32_t height = 0;
};

// What every GUI element has: its rectangle in the layout, whether the cursor is over it, and
// the commands it broadcasts on "GUICmd". Only onMouseEnter (on hover) and onMouseUp (on click)
// are ever sent; the other two are kept because the screen files carry them.
class GUIElement {
 public:
  GUIElement() = default;
  virtual ~GUIElement() = default;
  GUIElement(const GUIElement&) = default;
  GUIElement(GUIElement&&) = default;
  GUIElement& operator=(const GUIElement&) = default;
  GUIElement& operator=(GUIElement&&) = default;

  // Draws at the element's layout position moved by `offset` (none: where it rests).
  virtual void Draw(const GUIPoint* offset = nullptr) = 0;
  void OnClick() { HandleMouse(true); }

  // The mouse test against the GUI cursor. Entering a clickable element (one with an
  // onMouseUp) plays "hover", broadcasts onMouseEnter and makes it the current screen's hovered
  // element; a click inside a clickable element plays "click" and broadcasts onMouseUp, hovered
  // before or not. Leaving sends nothing. Hit tests use the rectangle where the element rests,
  // whatever offset its screen is drawn at.
  void HandleMouse(bool click);
  bool Contains(const GUIPoint& point) const;

  GUIRect Rect;
  uint8_t hovered = 0;
  std::string onMouseEnter;
  std::string onMouseLeave;
  std::string onMouseDown;
  std::string onMouseUp;

 private:
  void Send(const std::string& command, const char* sound);
};
