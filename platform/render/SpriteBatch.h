#pragma once
#include <cstdint>
#include <memory>

#include "platform/render/RenderTypes.h"

namespace platform {

class RenderDevice;
class Texture;

enum SpriteFlags : unsigned {
  SpriteAlphaBlend = 1,   // blend with source alpha / inverse source alpha, drop alpha 0
  SpriteBillboard = 2,    // sprites stand in the 3-D world and face the camera
  SpriteSortTexture = 4,  // draw sprites grouped by texture instead of in call order
};

// A batch of textured quads, drawn together at Flush or End: the game's sprite object.
//
// Screen sprites (no SpriteBillboard): a sprite's texels are pixels; the corner (x, y) of the
// source rectangle lands at (x - centre.x + position.x, y - centre.y + position.y), which the
// current transform then maps to screen pixels. Depth testing is off while they are drawn.
//
// Billboard sprites: the transform's translation, taken through the world and view given to
// SetWorldView, places the sprite; its scaled size lies flat in the view plane (texture up is
// screen up), in world units; the device's projection and depth states apply.
//
// A texture drawn in a batch stays alive until the batch is flushed, even if its owner
// releases it first. Device states, transforms and the stage-0 texture are restored after
// every flush.
class SpriteBatch {
 public:
  explicit SpriteBatch(RenderDevice& device);
  ~SpriteBatch();
  SpriteBatch(const SpriteBatch&) = delete;
  SpriteBatch& operator=(const SpriteBatch&) = delete;

  void SetWorldView(const float* world, const float* view);
  // False when the batch is already open.
  bool Begin(unsigned flags);
  void SetTransform(const float* matrix);
  const float* GetTransform() const;
  // Queues one sprite: `source` of the texture (the whole texture when null), `centre` and
  // `position` as above ((0, 0, 0) when null), tinted by `argb`. Ignored outside Begin/End.
  void Draw(const Texture& texture, const IntRect* source, const Float3* centre,
            const Float3* position, uint32_t argb);
  void Flush();
  void End();
  bool IsOpen() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
