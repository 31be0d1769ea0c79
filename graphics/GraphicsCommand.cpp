#include "graphics/GraphicsCommand.h"

#include <cstdlib>

#include "graphics/Graphics.h"
#include "graphics/VideoPlayer.h"
#include "graphics/gui/GUITextElement.h"
#include "graphics/gui/HUDAnimation.h"

// The colour and lighting commands take three or four numbers: typed words are read as
// decimal numbers (0.0 where there is none), values sent by code as 4-byte floats.
template <size_t N>
struct FloatArgs {
  static auto Read(const MessageArgs* a) {
    a->CheckCount(N);
    std::array<float, N> v{};
    for (size_t i = 0; i < N; ++i)
      v[i] = a->IsText() ? static_cast<float>(std::strtod(a->TextAt(i).c_str(), nullptr)) : a->RawAt<float>(i);
    return std::apply([](auto... f) { return std::make_tuple(f...); }, v);
  }
};
template <>
struct ArgReader<float, float, float> : FloatArgs<3> {};
template <>
struct ArgReader<float, float, float, float> : FloatArgs<4> {};

namespace {

Graphics& Gfx() { return *Engine::Get()->GetGraphics(); }

void SetOutlineCommand(Entity*, float scale, float r, float g, float b) {
  Effect* cel = Gfx().GetEffectManager()->Get("CelShader");
  if (!cel) return;
  const float colour[4] = {r, g, b, 1.0f};
  cel->Program().SetVector("outlineColor", colour);
  cel->Program().SetFloat("outlineScale", scale);
}

void LoadShaderList(Entity*) { Gfx().ReloadShaders(); }

void SetAmbientCommand(Entity*, float r, float g, float b) { Gfx().SetAmbient({r, g, b, 1.0f}); }

void StartFadeWhite(Entity*) { Gfx().GetAnimationList()->AddFadeWhite(); }

void StartVideo(Entity*) { VideoPlayer::PlayIntro(); }

void ToggleVariableCommand(Entity*, GUITextElement* element) {
  if (!element) return;
  bool value = false;
  ConsoleBinding::Get(element->VariableName, value);
  SetVariable(element->VariableName, !value);
}

}  // namespace

void GraphicsCommand::Describe(ClassBuilder<GraphicsCommand>& c) {
  c.Command("setoutline", &SetOutlineCommand);
  c.Command("rlshaders", &LoadShaderList);
  c.Command("ambient", &SetAmbientCommand);
  c.Command("StartFadeWhite", &StartFadeWhite);
  c.Command("StartVideo", &StartVideo);
}

void GraphicsCommand::OnCreate() { Engine::Get()->Subscribe(this, "ChangeMapsCmd"); }

void GUICommand::Describe(ClassBuilder<GUICommand>& c) { c.Command("ToggleVariable", &ToggleVariableCommand); }
