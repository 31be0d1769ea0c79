#pragma once
#include <cstdint>

namespace platform {

// Running totals of the work a device was given since it was created. They only grow: take a
// copy before and after what is measured and subtract.
struct RenderStats {
  uint64_t drawCalls = 0;             // draws handed to the driver (sprite runs included)
  uint64_t clears = 0;
  uint64_t spritesDrawn = 0;          // sprites flushed from sprite batches
  uint64_t spriteTextureChanges = 0;  // runs of one texture in a flush: one draw each
  uint64_t glyphHits = 0;             // characters drawn from a font's glyph atlas
  uint64_t glyphMisses = 0;           // characters the atlas holds no glyph for: drawn as nothing

  RenderStats operator-(const RenderStats& earlier) const {
    return {drawCalls - earlier.drawCalls,
            clears - earlier.clears,
            spritesDrawn - earlier.spritesDrawn,
            spriteTextureChanges - earlier.spriteTextureChanges,
            glyphHits - earlier.glyphHits,
            glyphMisses - earlier.glyphMisses};
  }
};

}  // namespace platform
