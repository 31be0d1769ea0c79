#pragma once
#include <string>

#include "graphics/gui/GUIElement.h"
#include "platform/math/Color.h"

namespace platform {
class Font;
}

// A line of text in a font of the font list: its own Text, or the value of the console
// variable VariableName (with the variable's name in front when showName is set). Drawing
// measures the text, so the rectangle always matches what was drawn last.
class GUITextElement : public GUIElement {
 public:
  // Looks FontName up in the font manager.
  void Init();
  void SetFont(const std::string& name);
  // The text the element shows now.
  const std::string& ShownText() const;
  // Without a font the element is not drawn.
  void Draw(const GUIPoint* offset = nullptr) override;
  // Measures the text out of sight, then puts its middle at x = 512.
  void CenterHorizontally();

  std::string VariableName;
  bool showName = false;
  platform::Color Color{1, 1, 1, 1};
  std::string Text;
  std::string FontName;
  platform::Font* font = nullptr;

 private:
  mutable std::string shown_;
};
