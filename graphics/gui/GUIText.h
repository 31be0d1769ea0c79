#pragma once
#include <cstdint>
#include <string>

#include "graphics/gui/GUIElement.h"
#include "platform/math/Color.h"
#include "platform/render/RenderTypes.h"

namespace platform {
class Font;
}

// Draws `text` with its top-left corner at `position` through the graphics sprite batch and
// returns the rectangle it covers. The text is always measured; it is drawn only when that
// rectangle overlaps the 1024 x 768 layout.
platform::IntRect DrawTextWithFont(platform::Font& font, const GUIPoint& position, const std::string& text,
                                   const platform::Color& color);
