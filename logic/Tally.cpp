#include "logic/Tally.h"

#include <algorithm>

#include "engine/Engine.h"
#include "engine/VariableTable.h"
#include "entities/ItemRecord.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUIScreen.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/gui/ItemValueAnimation.h"
#include "input/Input.h"
#include "logic/GameComponents.h"
#include "logic/Logic.h"
#include "logic/LogicGui.h"
#include "logic/LogicMessages.h"
#include "graphics/gui/GUISpriteElement.h"

namespace {

// Points a second at which the shown scores count up.
constexpr float kCountRate = 400.0f;
constexpr int32_t kColumnWidth = 256;

GUIModelElement* ModelOf(GUIScreen* screen, int32_t index) {
  if (!screen || index < 0 || static_cast<size_t>(index) >= screen->models.size()) return nullptr;
  return &screen->models[static_cast<size_t>(index)];
}

void PlaceSprite(const std::string& name, int32_t x, int32_t y) {
  if (GUISpriteElement* sprite = LogicGui::FindSprite(name)) sprite->SetPosition(x, y);
}

std::string ScoreName(int32_t column) { return "Score" + std::to_string(column + 1); }

}  // namespace

void Tally::BindScores() {
  for (int32_t i = 0; i < kColumns; ++i) BindIntVariable(ScoreName(i), &shownScores_[i]);
}

void Tally::CollectRoundResults() {
  results_.clear();
  if (const EntityList* players = logic_.GetPlayers()) {
    for (Entity& player : *players) {
      PlayerInfo* info = FindPlayerInfo(player);
      if (!info) continue;
      RoundResult result;
      result.deliveredItems = info->deliveredItems;
      result.id = info->outfit;
      result.gender = info->gender;
      results_.push_back(std::move(result));
    }
  }
  shownScores_.fill(0);
}

void Tally::Publish(const RoundResult& result) {
  if (result.id >= 0 && result.id < kColumns) shownScores_[static_cast<size_t>(result.id)] = result.shownScore;
}

void Tally::ShowColumns(GUIScreen* screen) {
  for (int32_t column = 0; column < kColumns; ++column) {
    const bool filled = std::any_of(results_.begin(), results_.end(),
                                    [column](const RoundResult& result) { return result.id == column; });
    if (GUIModelElement* thief = ModelOf(screen, column + kColumns)) thief->visible = filled ? 1 : 0;
    if (filled) BindIntVariable(ScoreName(column), &shownScores_[static_cast<size_t>(column)]);
    else BindStringVariable(ScoreName(column), &noScore_);
  }
  for (int32_t place = 1; place <= kColumns; ++place) {
    LogicGui::HideSprite("Place" + std::to_string(place));
    LogicGui::HideSprite("ComputerPlace" + std::to_string(place));
  }
}

void Tally::EndGame() {
  LogicGui::ChangeScreen("EndRound", 0.1f);
  CollectRoundResults();
  logic_.ClearGame();
  GUIScreen* screen = LogicGui::FindScreen("EndRound");
  ShowColumns(screen);
  for (const RoundResult& result : results_) {
    if (GUIModelElement* thief = ModelOf(screen, result.id + kColumns)) {
      thief->ModelName = result.gender == "male" ? "thief" : "femaleThief";
      thief->variant = result.id;
      thief->LoadModel();
    }
  }
  PlaceSprite("You", logic_.GetMenus().GetOutfit() * kColumnWidth, 150);
  logic_.PostCommand(kNextItem, 3.0f);
  winnerShown_ = false;
}

// One delivery of every thief a step: its model shows in the thief's column and the item-value
// animation credits its worth when it has shrunk away; a thief with none left hides its column.
void Tally::NextItem() {
  GUIScreen* screen = LogicGui::CurrentScreen();
  Graphics* graphics = engine_.GetGraphics();
  HUDAnimationList* animations = graphics ? graphics->GetAnimationList() : nullptr;
  bool anyShown = false;
  for (RoundResult& result : results_) {
    GUIModelElement* column = ModelOf(screen, result.id);
    if (result.deliveredItems.empty()) {
      if (column) column->visible = 0;
      continue;
    }
    anyShown = true;
    const ItemRecord* item = result.deliveredItems.back();
    result.deliveredItems.pop_back();
    if (!column || !item) continue;
    column->visible = 1;
    column->ModelName = item->modelName;
    column->LoadModel();
    if (!animations) continue;
    ItemValueAnimation* credit = animations->AddItemValue();
    credit->modelElement = column;
    credit->worth = item->worth;
    credit->ownerId = result.id;
    credit->Start();
  }
  logic_.PostCommand(anyShown ? kNextItem : kShowWinner, 2.0f);
}

void Tally::ShowWinner() {
  for (RoundResult& result : results_) {
    result.shownScore = result.total;
    result.place = kColumns;
    Publish(result);
  }
  // The better total wins a place; equal totals go to the higher id.
  for (RoundResult& a : results_) {
    for (const RoundResult& b : results_) {
      if (a.id != b.id && (a.total > b.total || (a.total == b.total && a.id > b.id))) --a.place;
    }
  }
  const int32_t user = logic_.GetMenus().GetOutfit();
  for (const RoundResult& result : results_) {
    const std::string place = std::to_string(result.place);
    if (result.id == user) {
      if (result.place == 1) {
        PlaceSprite("Place1", result.id * kColumnWidth - 128, 0);
      } else {
        PlaceSprite("Place" + place, result.id * kColumnWidth, 640);
      }
    } else {
      PlaceSprite("ComputerPlace" + place, result.id * kColumnWidth + 64, 640);
    }
  }
  winnerShown_ = true;
  if (Graphics* graphics = engine_.GetGraphics()) graphics->UpdateMenuSelection();
}

void Tally::EndRoundHandler() {
  const float step = kCountRate * engine_.GetTimer()->GetDelta();
  for (RoundResult& result : results_) {
    if (result.shownScore == result.total) continue;
    result.shownScore = std::min(static_cast<int32_t>(static_cast<float>(result.shownScore) + step), result.total);
    Publish(result);
  }
  const Input* input = engine_.GetInput();
  if (winnerShown_ && input && input->AnyKey()) LogicGui::ChangeScreen("MainMenu", 0.0f);
}

void Tally::AddScore(int32_t id, int32_t worth) {
  for (RoundResult& result : results_) {
    if (result.id == id) result.total += worth;
  }
}
