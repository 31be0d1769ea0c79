#include <gtest/gtest.h>

#include "engine/ConsoleWindow.h"
#include "tests/input/InputTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

class FocusTest : public InputTest {
 protected:
  void SetUp() override {
    StartInput();
    focus = Engine::Get()->GetInputFocus();
  }
  static EntityHandle Handle(Entity* e) { return EntityHandle(e); }
  InputFocus* focus = nullptr;
};

TEST_F(FocusTest, ARegisteredSchemeIsOffUntilItIsGivenTheFocus) {
  RecordingScheme* a = AddScheme("a", true);
  focus->RegisterScheme("A", a);
  EXPECT_FALSE(a->controlMap.IsActive());
  EXPECT_FALSE(a->textInput.IsActive());
  focus->SetFocus(focus->FindScheme("A"));
  EXPECT_TRUE(a->controlMap.IsActive());
  EXPECT_TRUE(a->textInput.IsActive());
}

TEST_F(FocusTest, SettingTheFocusSwitchesThePreviousOnesOff) {
  RecordingScheme* a = AddScheme("a");
  RecordingScheme* b = AddScheme("b");
  focus->SetFocus(Handle(a));
  focus->AddFocus(Handle(b));
  focus->SetFocus(Handle(a));
  EXPECT_TRUE(a->controlMap.IsActive()) << "the focused entity is switched off and on again";
  EXPECT_FALSE(b->controlMap.IsActive());
  EXPECT_EQ(focus->Focused().size(), 1u);
}

TEST_F(FocusTest, AnEntityAddedTwiceStandsTwiceAndIsSwitchedOffByTheNextFocus) {
  RecordingScheme* a = AddScheme("a");
  RecordingScheme* b = AddScheme("b");
  focus->SetFocus(Handle(b));
  focus->AddFocus(Handle(a));
  focus->AddFocus(Handle(a));
  EXPECT_EQ(focus->Focused().size(), 3u);
  focus->SetFocus(Handle(b));
  EXPECT_FALSE(a->controlMap.IsActive());
}

TEST_F(FocusTest, AFocusOnNothingLeavesTheFocusAsItWas) {
  RecordingScheme* a = AddScheme("a");
  focus->SetFocus(Handle(a));
  focus->SetFocus(focus->FindScheme("NoSuchScheme"));
  focus->SetFocus(EntityHandle(999999));
  EXPECT_TRUE(a->controlMap.IsActive());
  EXPECT_EQ(focus->Focused().size(), 1u);
}

TEST_F(FocusTest, ADeletedSchemeIsForgotten) {
  RecordingScheme* a = AddScheme("a");
  focus->RegisterScheme("A", a);
  Engine::Get()->GetEntityManager()->QueueDelete(a);
  Frame();
  EXPECT_EQ(focus->FindScheme("A").Id(), 0u);
  EXPECT_EQ(GetInput()->ControlMaps().size(), 6u) << "its map left the input system with it";
}

TEST_F(FocusTest, TheGameStartsWithTheMenuSchemeAndTheConsoleKeyAlwaysWorks) {
  auto active = [](const char* scheme) {
    Entity* e = Engine::Get()->GetInputFocus()->FindScheme(scheme).Get();
    return e->Find<ControlMap>()->IsActive();
  };
  EXPECT_EQ(GetLogic()->GetControlsName(), "Null");
  EXPECT_TRUE(active("Null"));
  EXPECT_FALSE(active("Game"));
  EXPECT_FALSE(active("Console"));
  std::vector<std::string> owners;
  for (ControlMap* map : GetInput()->ControlMaps()) owners.push_back(map->owner->GetClassName());
  EXPECT_EQ(owners, (Strings{"MainControls", "DevControls", "GameControls", "InterpEditControls", "NullControls",
                          "WinConsoleInput"}));

  GetLogic()->SetControlsName("Game");
  GetLogic()->SetControls();
  EXPECT_TRUE(active("Game"));
  EXPECT_FALSE(active("Null"));
  EXPECT_TRUE(GetInput()->ControlMaps().front()->IsActive()) << "the console key stays in every scheme";
}

TEST_F(FocusTest, TheConsoleKeyOpensTheConsoleWithTheFocusAndClosesItAgain) {
  ConsoleWindow* console = Engine::Get()->GetConsole()->GetWindow();
  Tap(kKeyGrave);
  Frame();
  EXPECT_TRUE(console->IsVisible());
  const Entity* input = console->InputEntity();
  const auto& focused = focus->Focused();
  ASSERT_EQ(focused.size(), 1u);
  EXPECT_EQ(focused[0].Get(), input);

  Tap(0x1C);  // Enter: start typing
  Keyboard().Press(kKeyLShift);
  Tap(kKeyA);
  Frame();  // the shift is still held while the frame runs
  Keyboard().Release(kKeyLShift);
  Tap(kKeyA);
  Frame();
  EXPECT_EQ(console->InputLine(), "Aa");
  Tap(kKeyGrave);
  Frame();
  EXPECT_EQ(console->InputLine(), "Aa") << "the key that closes the console types nothing into it";
  EXPECT_FALSE(console->IsVisible());
  EXPECT_EQ(focus->FindScheme("Null").Get(), focus->Focused()[0].Get());
}

}  // namespace
