#include "graphics/gui/DebugVariablePanel.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/GUIScreen.h"

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
  // A line under the cursor stands as its screen's hovered element, and the menus' handlers
  // read that: no screen may keep pointing at a line that goes.
  Graphics* graphics = Engine::Get()->GetGraphics();
  if (GUI* gui = graphics ? graphics->GetGUI() : nullptr) {
    gui->GetScreens().ForEach([this](const std::string&, GUIScreen& screen) {
      for (const auto* column : {&variableElements, &timerElements})
        for (const auto& line : *column)
          if (screen.hoveredElement == line.get()) screen.hoveredElement = nullptr;
    });
  }
  variableElements.clear();
  timerElements.clear();
}
