#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "graphics/gui/GUIElement.h"
#include "platform/math/Matrix.h"
#include "platform/math/Vector.h"
#include "platform/render/RenderTypes.h"

namespace platform {
class Texture;
}

// A picture from a texture, optionally a sheet of animation frames read left to right, row by
// row. After BuildFrames the element's rectangle is one frame. A two-frame sprite without an
// animation rate is a button: frame 1 while the cursor is over it, when the sheet has one.
class GUISpriteElement : public GUIElement {
 public:
  // One use of a texture of the texture manager, given back when it goes.
  class TextureUse {
   public:
    TextureUse() = default;
    ~TextureUse() { Reset(); }
    TextureUse(TextureUse&& other) noexcept : texture_(std::exchange(other.texture_, nullptr)) {}
    TextureUse& operator=(TextureUse&& other) noexcept {
      if (this != &other) {
        Reset();
        texture_ = std::exchange(other.texture_, nullptr);
      }
      return *this;
    }
    // Gets or loads the named texture; null when there is no texture manager.
    void Take(const std::string& name);
    void Reset();
    platform::Texture* get() const { return texture_; }
    explicit operator bool() const { return texture_ != nullptr; }

   private:
    platform::Texture* texture_ = nullptr;
  };

  // SetTexture(TextureName), BuildFrames, RebuildTransform, and entry in the sprite-element
  // manager under Name when it has one.
  void Init();
  // Swaps the texture (the old one is released); a width or height of 0 takes the texture's.
  void SetTexture(const std::string& name);
  void BuildFrames();
  void RebuildTransform(const GUIPoint* offset = nullptr);
  void SetPosition(int32_t x, int32_t y);
  void SetScale(float scale);
  void SetWorldPosition(float x, float y, float z);
  // Whether `index` is among the declared frames and was built.
  bool HasFrame(int32_t index) const;
  // Ignored unless 0 <= index < NumFrames.
  void SetFrame(int32_t index);
  void SetColor(uint32_t argb) { color = argb; }
  void SetCenter(float x, float y, float z) { center = {x, y, z}; }
  // One frame: the given part of the texture.
  void SetSourceRect(int32_t x, int32_t y, int32_t w, int32_t h);
  void ResetAnimation();
  // Frame animation by dt seconds.
  void Update(float dt);
  void Draw(const GUIPoint* offset = nullptr) override;

  bool Animated = false;
  bool RunOnce = false;
  bool worldPositioned = false;
  int32_t FPS = 0;
  std::string Name;
  std::string TextureName;
  TextureUse texture;
  uint32_t color = 0xFFFFFFFF;
  platform::Vector3 worldPosition;
  platform::Float3 center;
  float scale = 1.0f;
  uint8_t holding = 0;
  float frameTime = 0.0f;
  int32_t currentFrame = 0;
  int32_t NumFrames = 1;
  int32_t FrameWidth = 1;
  int32_t FrameHeight = 1;
  platform::Matrix transform = platform::MatrixIdentity();
  std::vector<platform::IntRect> frames;
};
