#include "graphics/gui/DebugVariablePanel.h"

#include "engine/Engine.h"

namespace {

constexpr float kTopRow = 100.0f;
constexpr float kRowHeight = 20.0f;

void AddLine(std::vector<std::unique_ptr<GUITextElement>>& column, const std::string& name, float x) {
  auto line = std::make_unique<GUITextElement>();
  line->FontName = "Default";
  line->VariableName = name;
  line->showName = true;
  line->onMouseUp = "ToggleVariable";
  line->Rect.topLeft = {x, kTopRow + kRowHeight * static_cast<float>(column.size())};
  line->Init();
  column.push_back(std::move(line));
}

}  // namespace

void DebugVariablePanel::Build() {
  Clear();
  Engine::Get()->GetVariableTable()->ForEach([this](const std::string& name, const VariableTable::Holder&) {
    if (name.find("Time") != std::string::npos) {
      AddLine(timerElements, name, 650.0f);
    } else {
      AddLine(variableElements, name, 850.0f);
    }
  });
}

void DebugVariablePanel::Update(bool click) {
  if (!showVariables) return;
  if (Engine::Get()->GetVariableTable()->Size() > variableElements.size() + timerElements.size()) Build();
  for (const auto& line : variableElements) line->HandleMouse(click);
}

void DebugVariablePanel::Draw() {
  if (showVariables) {
    for (const auto& line : variableElements) line->Draw();
  }
  if (showTimers) {
    for (const auto& line : timerElements) line->Draw();
  }
}

void DebugVariablePanel::Clear() {
  variableElements.clear();
  timerElements.clear();
}
