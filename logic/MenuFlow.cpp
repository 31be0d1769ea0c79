#include "logic/MenuFlow.h"

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUIScreen.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "logic/LogicGui.h"
#include "logic/LogicMessages.h"

namespace {

constexpr float kSlideTime = 0.5f;
// A clicked button plays its frames while its screen leaves.
constexpr int32_t kButtonRate = 30;
// Credits scroll up by this many layout pixels a second.
constexpr float kCreditsSpeed = 80.0f;

bool KeyPressedThisFrame(Engine& engine) {
  const Input* input = engine.GetInput();
  return input && input->AnyKey();
}

}  // namespace

// The load screen slides in, and the game start is asked for once it is shown.
void MenuFlow::PostGameStart() {
  logic_.PostCommand(kLoad, 0.5f);
  logic_.PostCommand(kStartGame, 1.5f);
}

void MenuFlow::ClickStartGame() {
  LogicGui::SetSpriteRate("QuickStart", kButtonRate);
  LogicGui::HideSprite("QuickStart2");
  PostGameStart();
}

void MenuFlow::ClickGo() {
  LogicGui::SetSpriteRate("Go", kButtonRate);
  PostGameStart();
}

void MenuFlow::ClickQuitGame() {
  LogicGui::SetSpriteRate("Exit", kButtonRate);
  LogicGui::HideSprite("Exit2");
  logic_.PostCommand(kShowCredits, 0.5f);
}

void MenuFlow::ClickPlayerSelect() {
  LogicGui::SetSpriteRate("PlayerSelect", kButtonRate);
  LogicGui::HideSprite("PlayerSelect2");
  logic_.PostCommand(kPlayerSelect, 0.5f);
}

void MenuFlow::MainMenu() { LogicGui::ChangeScreen("MainMenu", kSlideTime); }
void MenuFlow::Load() { LogicGui::ChangeScreen("Loading", kSlideTime); }
void MenuFlow::OutfitSelect() { LogicGui::ChangeScreen("OutfitSelect", kSlideTime); }
void MenuFlow::Options() { LogicGui::ChangeScreen("Options", kSlideTime); }
void MenuFlow::ShowCredits() { LogicGui::ChangeScreen("Credits", kSlideTime); }

// The second model of the screen starts out selected, so the arrow points at it.
void MenuFlow::PlayerSelect() {
  LogicGui::ChangeScreen("PlayerSelect", kSlideTime);
  GUIScreen* screen = LogicGui::FindScreen("PlayerSelect");
  if (screen && screen->models.size() >= 2) screen->hoveredElement = &screen->models[1];
}

void MenuFlow::OutfitSelectMale() { SelectGender(0, "thief"); }
void MenuFlow::OutfitSelectFemale() { SelectGender(1, "femaleThief"); }

// The outfit screen's last model is the preview of the chosen thief.
void MenuFlow::SelectGender(int32_t gender, const char* model) {
  LogicGui::ChangeScreen("OutfitSelect", kSlideTime);
  if (GUIScreen* screen = LogicGui::FindScreen("OutfitSelect")) {
    if (screen->models.empty()) screen->models.emplace_back();
    GUIModelElement& preview = screen->models.back();
    preview.ModelName = model;
    preview.ModelPos = {-10.0f, 0.0f, 0.0f};
    preview.LoadModel();
  }
  gender_ = gender;
}

void MenuFlow::SelectOutfit(int32_t outfit) {
  GUIScreen* screen = LogicGui::FindScreen("OutfitSelect");
  if (screen && !screen->models.empty()) screen->models.back().variant = outfit;
  outfit_ = outfit;
}

void MenuFlow::EscapePressed() {
  if (LogicGui::IsSliding()) return;
  if (LogicGui::IsCurrentScreen("Credits")) {
    logic_.SendCommand(kQuitGame);
  } else if (LogicGui::IsCurrentScreen("OutfitSelect")) {
    LogicGui::ChangeScreen("PlayerSelect", kSlideTime);
  } else if (LogicGui::IsCurrentScreen("PlayerSelect")) {
    if (Graphics* graphics = engine_.GetGraphics()) graphics->UpdateMenuSelection();
    LogicGui::ChangeScreen("MainMenu", kSlideTime);
  } else if (LogicGui::IsCurrentScreen("Options")) {
    LogicGui::ChangeScreen("OutfitSelect", kSlideTime);
  } else {
    LogicGui::ChangeScreen("Credits", 1.0f);
  }
}

// The arrow is the screen's last sprite; it stands above the selected element's middle.
void MenuFlow::ArrowMoveHandler() {
  GUIScreen* screen = LogicGui::CurrentScreen();
  if (!screen || screen->sprites.empty()) return;
  GUISpriteElement& arrow = screen->sprites.back();
  const GUIElement* selected = screen->hoveredElement;
  if (!selected) {
    LogicGui::HideSprite(arrow);
    return;
  }
  const GUIRect& rect = selected->Rect;
  arrow.SetPosition(static_cast<int32_t>(rect.topLeft.x + static_cast<float>(rect.width / 2 - 32)),
                    static_cast<int32_t>(rect.topLeft.y - 64.0f));
}

// The credits end the program once every line has scrolled out at the top, or at any press but
// the one that brought them up: the in-game menu's Quit shows them in the frame of its click.
void MenuFlow::CreditsHandler() {
  const bool firstFrame = !creditsRunning_;
  creditsRunning_ = true;
  GUIScreen* screen = LogicGui::CurrentScreen();
  const float step = kCreditsSpeed * static_cast<float>(engine_.GetTimer()->GetDelta());
  bool scrolledOut = true;
  if (screen) {
    for (GUITextElement& text : screen->texts) {
      text.Rect.topLeft.y -= step;
      scrolledOut = scrolledOut && text.Rect.topLeft.y <= 0.0f;
    }
  }
  if (scrolledOut || (!firstFrame && KeyPressedThisFrame(engine_))) MainWindow::PostQuit();
}

void MenuFlow::ChangeDifficulty(int32_t difficulty) { logic_.GetConfig().difficulty = difficulty; }
void MenuFlow::ChangeTime(float minutes) { logic_.GetConfig().time = minutes; }

// A chosen button stays lit whatever the cursor does; the others follow the cursor, except the
// one under it.
void MenuFlow::OptionsHandler() {
  ArrowMoveHandler();
  const LogicConfig& config = logic_.GetConfig();
  const GUIScreen* screen = LogicGui::CurrentScreen();
  const GUIElement* selected = screen ? screen->hoveredElement : nullptr;
  auto light = [&](const std::string& prefix, int32_t count, int32_t chosen) {
    for (int32_t i = 1; i <= count; ++i) {
      GUISpriteElement* sprite = LogicGui::FindSprite(prefix + std::to_string(i));
      if (!sprite) continue;
      if (i == chosen) {
        sprite->holding = 1;
        sprite->SetFrame(1);
      } else if (sprite != selected) {
        sprite->holding = 0;
        sprite->SetFrame(0);
      }
    }
  };
  light("D", 3, config.difficulty);
  light("Time", 4, static_cast<int32_t>(config.time * 0.2f));
}
