#include "graphics/gui/GUI.h"

#include <cmath>
#include <vector>

#include "engine/Engine.h"
#include "graphics/gui/GUIFiles.h"

namespace {
constexpr float kLayoutWidth = 1024.0f;
}

GUI::GUI() : screens_(std::make_unique<GUIScreenManager>("", "")) {}

// The cursor and the screens give their textures back while the texture manager still exists.
GUI::~GUI() {
  cursor_.reset();
  screens_->DestroyAll();
}

void GUI::Init() {
  std::vector<GUIListEntry> entries;
  LoadGUIList(entries);
  for (const GUIListEntry& entry : entries) {
    auto screen = std::make_unique<GUIScreen>();
    LoadScreenFile(*screen, entry.FileName);
    screen->Proc = entry.Proc;
    // A second screen of the same name replaces the first, whose named sprites must go with it.
    if (screens_->UseCount(entry.Name) > 0) sprites_.RemoveAll(screens_->Get(entry.Name)->sprites);
    screens_->Add(entry.Name, std::move(screen))->Init();
  }
  backgroundScreen = screens_->Get("Background");
  loadingScreen_ = screens_->Get("Loading");
  creditsScreen_ = screens_->Get("Credits");
  AddCredits();
  ChangeGUIScreen("Intro", 0.0f);
  cursor_ = std::make_unique<GUICursor>();
}

void GUI::AddCredits() {
  GUIScreen* credits = creditsScreen_;
  if (!credits) return;
  std::vector<CreditLine> lines;
  LoadCredits(lines);
  for (size_t i = 0; i < lines.size(); ++i) {
    GUITextElement& text = credits->texts.emplace_back();
    text.Text = lines[i].Caption;
    text.Color = lines[i].Color;
    text.FontName = "Comix";
    text.Rect.topLeft = {0.0f, 700.0f + 50.0f * static_cast<float>(i)};
    // Measuring needs the font.
    text.Init();
    text.CenterHorizontally();
  }
}

void GUI::ChangeGUIScreen(const std::string& name, float time) {
  GUIScreen* screen = screens_->Get(name);
  if (!screen) return;
  if (time == 0.0f) {
    currentScreen = screen;
    screen->offset = {};
  } else {
    incomingScreen = screen;
    slideDuration = time;
    slideElapsed = 0.0f;
    screenSliding = true;
    if (currentScreen) currentScreen->offset = {};
    incomingScreen->offset = {-kLayoutWidth, 0.0f};
  }
  screen->ClearHover();
}

void GUI::UpdateSlide(float dt) {
  if (!screenSliding) return;
  slideElapsed += dt;
  if (slideElapsed >= slideDuration) slideElapsed = slideDuration;
  const float p = slideElapsed / slideDuration * 1.5707964f;
  if (currentScreen) currentScreen->offset.x = kLayoutWidth * std::sin(p);
  incomingScreen->offset.x = -kLayoutWidth * std::cos(p);
  if (slideElapsed == slideDuration) {
    // cos of the float nearest pi / 2 is not quite 0: the screen comes to rest exactly.
    incomingScreen->offset.x = 0.0f;
    screenSliding = false;
    currentScreen = incomingScreen;
  }
}

void GUI::HandleClick() {
  if (!screenSliding && currentScreen) currentScreen->Click();
}

void GUI::UpdateMenuSelection() {
  for (const char* name : {"QuickStart", "PlayerSelect"}) {
    if (GUISpriteElement* sprite = sprites_.Get(name)) {
      sprite->ResetAnimation();
      sprite->FPS = 0;
    }
  }
  if (GUISpriteElement* sprite = sprites_.Get("QuickStart2")) sprite->SetPosition(420, 339);
  if (GUISpriteElement* sprite = sprites_.Get("PlayerSelect2")) sprite->SetPosition(185, 425);
  // The entities belong to the game's entity group and go with it.
  if (GUIScreen* hud = screens_->Get("HUD")) {
    for (size_t i = 0; i < hud->models.size() && i < 3; ++i) hud->models[i].modelEntity.Set(nullptr);
  }
}

void GUI::DrawScreens(bool modelsWithDepth) {
  if (!currentScreen) return;
  currentScreen->Draw(modelsWithDepth);
  if (screenSliding) incomingScreen->Draw(modelsWithDepth);
}

void GUI::DrawCursor() {
  // Without any screen there is nothing to point at.
  if (cursor_ && currentScreen && currentScreen != loadingScreen_ && currentScreen != creditsScreen_) cursor_->Draw();
}
