#include "graphics/GraphicsCommand.h"

#include "graphics/Graphics.h"
#include "graphics/GraphicsMessages.h"
#include "graphics/VideoPlayer.h"
#include "graphics/gui/GUITextElement.h"
#include "graphics/gui/HUDAnimation.h"

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
  c.Command(kSetOutline, &SetOutlineCommand);
  c.Command(kRlShaders, &LoadShaderList);
  c.Command(kAmbient, &SetAmbientCommand);
  c.Command(kStartFadeWhite, &StartFadeWhite);
  c.Command(kStartVideo, &StartVideo);
}

void GraphicsCommand::OnCreate() { Engine::Get()->Subscribe(this, "ChangeMapsCmd"); }

void GUICommand::Describe(ClassBuilder<GUICommand>& c) { c.Command(kToggleVariable, &ToggleVariableCommand); }
