// The variable panel: its lines from the console variables, rebuilt when more appear, and a
// click on a shown line toggling its variable.
#include <gtest/gtest.h>

#include "graphics/gui/DebugVariablePanel.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/GUICursor.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

class DebugVariablePanelTest : public GraphicsFixture {
 protected:
  void SetUp() override {
    // The panel writes in the font "Default".
    TempDir::Write(DataFile("FontList.xml"),
                   "<?xml version=\"1.0\"?>\n<list><var><string name=\"Name\">Default</string>"
                   "<string name=\"FontFace\">Arial</string><int name=\"Size\">15</int></var></list>");
    StartGraphics();
    panel = graphics->GetVariablePanel();
  }
  static const GUITextElement* Line(const std::vector<std::unique_ptr<GUITextElement>>& column,
                                    const std::string& name) {
    for (const auto& line : column) {
      if (line->VariableName == name) return line.get();
    }
    return nullptr;
  }
  DebugVariablePanel* panel = nullptr;
};

TEST_F(DebugVariablePanelTest, TimingsGoLeftOthersRightInByteOrder) {
  bool alarm = false;
  int32_t fps = 0;
  float mapTime = 0;
  BindBoolVariable("AlarmOn", &alarm);
  BindIntVariable("fps", &fps);
  BindFloatVariable("MapRenderTime", &mapTime);
  panel->Build();
  for (size_t i = 0; i < panel->variableElements.size(); ++i) {
    EXPECT_EQ(panel->variableElements[i]->Rect.topLeft.x, 850.0f);
    EXPECT_EQ(panel->variableElements[i]->Rect.topLeft.y, 100.0f + 20.0f * i);
    EXPECT_EQ(panel->variableElements[i]->VariableName.find("Time"), std::string::npos);
  }
  for (size_t i = 0; i < panel->timerElements.size(); ++i) {
    EXPECT_EQ(panel->timerElements[i]->Rect.topLeft.x, 650.0f);
    EXPECT_EQ(panel->timerElements[i]->Rect.topLeft.y, 100.0f + 20.0f * i);
  }
  const GUITextElement* a = Line(panel->variableElements, "AlarmOn");
  const GUITextElement* f = Line(panel->variableElements, "fps");
  ASSERT_TRUE(a && f);
  EXPECT_LT(a->Rect.topLeft.y, f->Rect.topLeft.y);
  EXPECT_NE(Line(panel->timerElements, "MapRenderTime"), nullptr);
  EXPECT_TRUE(f->showName);
  EXPECT_EQ(f->onMouseUp, "ToggleVariable");
  EXPECT_EQ(f->ShownText().rfind("fps = ", 0), 0u);
}

TEST_F(DebugVariablePanelTest, NewVariablesAppearOnlyWhileTheColumnIsShown) {
  const size_t before = panel->variableElements.size() + panel->timerElements.size();
  EXPECT_EQ(before, Engine::Get()->GetVariableTable()->Size());
  bool late = false;
  BindBoolVariable("Late", &late);
  UpdateAndRender();
  EXPECT_EQ(Line(panel->variableElements, "Late"), nullptr);
  panel->showVariables = true;
  UpdateAndRender();
  EXPECT_NE(Line(panel->variableElements, "Late"), nullptr);
}

TEST_F(DebugVariablePanelTest, AClickOnAShownLineTogglesItsVariable) {
  bool flag = false;
  BindBoolVariable("AAFlag", &flag);
  panel->Build();
  const GUITextElement* line = Line(panel->variableElements, "AAFlag");
  ASSERT_NE(line, nullptr);
  UpdateAndRender();
  const GUIPoint inside{line->Rect.topLeft.x + 2, line->Rect.topLeft.y + 2};
  graphics->GetGUI()->GetCursor()->position = inside;
  graphics->HandleGUIClick();
  EXPECT_FALSE(flag);
  panel->showVariables = true;
  UpdateAndRender();  // drawing measures the shown lines
  graphics->GetGUI()->GetCursor()->position = inside;
  graphics->HandleGUIClick();
  EXPECT_TRUE(flag);
  graphics->HandleGUIClick();
  EXPECT_FALSE(flag);
}

// The line under the cursor is the screen's hovered element; a rebuild must not leave the
// screen pointing at the line it deleted (the menus' arrow reads it every frame).
TEST_F(DebugVariablePanelTest, ARebuildLetsGoOfTheHoveredLine) {
  GUIScreen* screen = graphics->GetGUI()->GetScreens().Add("Menu", std::make_unique<GUIScreen>());
  graphics->ChangeGUIScreen("Menu", 0.0f);
  bool flag = false;
  BindBoolVariable("AAFlag", &flag);
  panel->showVariables = true;
  UpdateAndRender();
  const GUITextElement* line = Line(panel->variableElements, "AAFlag");
  ASSERT_NE(line, nullptr);
  graphics->GetGUI()->GetCursor()->position = {line->Rect.topLeft.x + 2, line->Rect.topLeft.y + 2};
  UpdateAndRender();
  ASSERT_EQ(graphics->GetGUI()->currentScreen, screen);
  ASSERT_EQ(screen->hoveredElement, line);
  bool late = false;
  BindBoolVariable("Late", &late);
  panel->Build();
  EXPECT_EQ(screen->hoveredElement, nullptr);
}

}  // namespace
