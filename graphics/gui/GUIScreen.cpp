#include "graphics/gui/GUIScreen.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"

namespace {
template <class... Lists, class Visit>
void ForEachElement(Visit visit, Lists&... lists) {
  (..., [&] {
    for (auto& element : lists) visit(element);
  }());
}
}  // namespace

void GUIScreen::Init() {
  for (GUIModelElement& model : models) model.LoadModel();
  for (GUISpriteElement& sprite : sprites) sprite.Init();
  for (GUITextElement& text : texts) text.Init();
}

void GUIScreen::Draw(bool modelsWithDepth) {
  ForEachElement([](GUIElement& e) { e.HandleMouse(false); }, texts, sprites, models);
  Engine* engine = Engine::Get();
  const float dt = static_cast<float>(engine->GetTimer()->GetRawDelta());
  for (GUISpriteElement& sprite : sprites) sprite.Update(dt);
  Graphics* graphics = engine->GetGraphics();
  platform::RenderDevice* device = graphics->GetDevice();
  device->SetZEnable(false);
  ForEachElement([this](GUIElement& e) { e.Draw(&offset); }, sprites, texts);
  graphics->GetSprite()->End();
  if (modelsWithDepth) device->SetZEnable(true);
  for (GUIModelElement& model : models) model.Draw(&offset);
  if (!modelsWithDepth) device->SetZEnable(true);
  graphics->GetSprite()->Begin(platform::SpriteAlphaBlend);
}

void GUIScreen::Click() {
  ForEachElement([](GUIElement& e) { e.OnClick(); }, sprites, texts, models);
}

void GUIScreen::ClearHover() {
  hoveredElement = nullptr;
  ForEachElement([](GUIElement& e) { e.hovered = 0; }, models, sprites);
}
