#include "graphics/gui/GUISpriteElement.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"

namespace {
TextureManager* Textures() {
  Graphics* graphics = Engine::Current() ? Engine::Current()->GetGraphics() : nullptr;
  return graphics ? graphics->GetTextureManager() : nullptr;
}
}  // namespace

void GUISpriteElement::TextureUse::Take(const std::string& name) {
  Reset();
  TextureManager* textures = Textures();
  texture_ = textures ? textures->GetOrLoad(name) : nullptr;
}

void GUISpriteElement::TextureUse::Reset() {
  if (!texture_) return;
  if (TextureManager* textures = Textures()) textures->Release(texture_);
  texture_ = nullptr;
}

void GUISpriteElement::Init() {
  SetTexture(TextureName);
  BuildFrames();
  RebuildTransform();
  if (Name.empty()) return;
  if (GUI* gui = Engine::Get()->GetGraphics()->GetGUI()) gui->GetSpriteElements().Add(Name, this);
}

void GUISpriteElement::SetTexture(const std::string& name) {
  texture.Take(name);
  if (!texture) return;
  if (Rect.width == 0) Rect.width = texture.get()->Width();
  if (Rect.height == 0) Rect.height = texture.get()->Height();
}

void GUISpriteElement::BuildFrames() {
  frames.clear();
  if (!Animated) {
    FrameWidth = Rect.width;
    FrameHeight = Rect.height;
    frames.push_back({0, 0, Rect.width, Rect.height});
    return;
  }
  int32_t x = 0, y = 0;
  for (int32_t i = 0; i < NumFrames; ++i) {
    frames.push_back({x, y, x + FrameWidth, y + FrameHeight});
    x += FrameWidth;
    if (x + FrameWidth > Rect.width) {
      x = 0;
      y += FrameHeight;
    }
  }
  Rect.width = FrameWidth;
  Rect.height = FrameHeight;
}

void GUISpriteElement::RebuildTransform(const GUIPoint* offset) {
  // Scaling about the frame's middle, then the move to its place.
  const float cx = Rect.width / 2.0f, cy = Rect.height / 2.0f;
  platform::Matrix m = platform::MatrixScaling(scale, scale, scale);
  if (worldPositioned) {
    m(3, 0) = cx * (1 - scale) + worldPosition.x;
    m(3, 1) = cy * (1 - scale) + worldPosition.y;
    m(3, 2) = worldPosition.z;
    // Texture rows run down the screen but up the world.
    m(2, 2) = -1.0f;
  } else {
    const GUIPoint o = offset ? *offset : GUIPoint{};
    m(3, 0) = cx * (1 - scale) + Rect.topLeft.x + o.x;
    m(3, 1) = cy * (1 - scale) + Rect.topLeft.y + o.y;
  }
  transform = m;
}

void GUISpriteElement::SetPosition(int32_t x, int32_t y) {
  Rect.topLeft = {static_cast<float>(x), static_cast<float>(y)};
  RebuildTransform();
}

void GUISpriteElement::SetScale(float s) {
  scale = s;
  RebuildTransform();
}

void GUISpriteElement::SetWorldPosition(float x, float y, float z) {
  worldPosition = {x, y, z};
  RebuildTransform();
}

bool GUISpriteElement::HasFrame(int32_t index) const {
  return index >= 0 && index < NumFrames && index < static_cast<int32_t>(frames.size());
}

void GUISpriteElement::SetFrame(int32_t index) {
  if (index >= 0 && index < NumFrames) currentFrame = index;
}

void GUISpriteElement::SetSourceRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  frames.assign(1, platform::IntRect{x, y, x + w, y + h});
  NumFrames = 1;
}

void GUISpriteElement::ResetAnimation() {
  holding = 0;
  currentFrame = 0;
}

void GUISpriteElement::Update(float dt) {
  // A still two-frame button lights under the cursor, and stays lit while a screen's handler
  // holds it (the options' chosen buttons); a sheet that built one frame keeps showing that one.
  if (FPS == 0 && NumFrames == 2) currentFrame = (hovered || holding) && HasFrame(1) ? 1 : 0;
  if (!Animated || FPS == 0) return;
  frameTime += dt;
  if (holding) {
    // The pause after a single run lasts four runs, in whole seconds.
    if (frameTime <= static_cast<float>((4 * NumFrames) / FPS)) return;
    holding = 0;
  }
  if (frameTime <= 1.0f / FPS) return;
  if (++currentFrame >= NumFrames) {
    currentFrame = 0;
    if (RunOnce) holding = 1;
  }
  frameTime = 0.0f;
}

void GUISpriteElement::Draw(const GUIPoint* offset) {
  const GUIPoint o = offset ? *offset : GUIPoint{};
  const float x = Rect.topLeft.x + o.x, y = Rect.topLeft.y + o.y;
  if (!worldPositioned && (x + Rect.width < 0 || x > 1024 || y + Rect.height < 0 || y > 768)) return;
  if (offset) RebuildTransform(offset);
  Graphics* graphics = Engine::Get()->GetGraphics();
  platform::SpriteBatch* batch = graphics ? graphics->GetSprite() : nullptr;
  // Frames are gone when an animated sheet has no frames; nothing to show then.
  if (!batch || !texture || currentFrame < 0 || currentFrame >= static_cast<int32_t>(frames.size())) return;
  batch->SetTransform(transform.Data());
  batch->Draw(*texture.get(), &frames[currentFrame], &center, nullptr, color);
}
