#include <filesystem>
#include <fstream>

#include "engine/Engine.h"
#include "graphics/gui/GUIFiles.h"
#include "graphics/gui/GUIScreen.h"
#include "tests/support/EngineFixture.h"

namespace {

class GuiFilesTest : public EngineFixture {
 protected:
  GuiFilesTest() {
    Start();
    std::filesystem::create_directories("Data/menus");
  }
  static std::string Demo(const std::string& name) { return std::string(VR_DATA_DIR) + "/Data/" + name; }
  static void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
};

TEST_F(GuiFilesTest, ADemoScreenReadsEveryElementKind) {
  GUIScreen screen;
  LoadScreenFile(screen, Demo("menus/playerselect.xml"));
  ASSERT_EQ(screen.sprites.size(), 3u);
  const GUISpriteElement& male = screen.sprites[0];
  EXPECT_EQ(male.Rect.topLeft.x, 150.0f);
  EXPECT_EQ(male.Rect.topLeft.y, 600.0f);
  EXPECT_EQ(male.Rect.width, 256);
  EXPECT_EQ(male.Rect.height, 128);
  EXPECT_EQ(male.onMouseEnter, "MenuHover");
  EXPECT_EQ(male.onMouseUp, "OutfitSelectMale");
  EXPECT_EQ(male.TextureName, "gui/button.png");
  EXPECT_TRUE(male.Animated);
  EXPECT_EQ(male.NumFrames, 2);
  EXPECT_EQ(male.FrameWidth, 256);
  EXPECT_EQ(male.FrameHeight, 64);
  EXPECT_EQ(male.Name, "Male");
  EXPECT_FALSE(male.RunOnce);
  ASSERT_EQ(screen.texts.size(), 3u);
  EXPECT_EQ(screen.texts[0].FontName, "HUD");
  EXPECT_EQ(screen.texts[0].Text, "Choose your thief");
  EXPECT_EQ(screen.texts[0].Color.g, 0.85f);
  ASSERT_EQ(screen.models.size(), 2u);
  EXPECT_EQ(screen.models[1].ModelName, "femaleThief");
  EXPECT_EQ(screen.models[1].ModelPos.x, -60.0f);
  EXPECT_TRUE(screen.models[1].Spinning);
  EXPECT_TRUE(LogOf("GraphicsLog").empty()) << LogOf("GraphicsLog");
}

TEST_F(GuiFilesTest, AScreenWrittenOutReadsBackTheSame) {
  GUIScreen screen;
  LoadScreenFile(screen, Demo("menus/endround.xml"));
  SaveScreenFile(screen, "Data/menus/copy.xml");
  GUIScreen copy;
  LoadScreenFile(copy, "Data/menus/copy.xml");
  ASSERT_EQ(copy.sprites.size(), screen.sprites.size());
  ASSERT_EQ(copy.texts.size(), screen.texts.size());
  ASSERT_EQ(copy.models.size(), screen.models.size());
  EXPECT_EQ(copy.sprites[8].Name, "ComputerPlace4");
  EXPECT_EQ(copy.texts[3].VariableName, "Score4");
  EXPECT_EQ(copy.models[7].ModelPos.z, -5.0f);
  // The demo files are in the shape the writer gives.
  std::ifstream a(Demo("menus/endround.xml")), b("Data/menus/copy.xml");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}).substr(44),
            std::string(std::istreambuf_iterator<char>(b), {}).substr(44));
}

TEST_F(GuiFilesTest, AMissingScreenFileIsLoggedByNameOnEveryLoadAndNotWrittenBack) {
  const std::string line = "Failed to load config. Data/menus/gone.xml: could not open file\n";
  GUIScreen screen;
  LoadScreenFile(screen, "Data/menus/gone.xml");
  EXPECT_EQ(LogOf("GraphicsLog"), line);
  EXPECT_FALSE(TempDir::Exists("Data/menus/gone.xml"));
  GUIScreen again;
  LoadScreenFile(again, "Data/menus/gone.xml");
  EXPECT_TRUE(again.sprites.empty() && again.texts.empty() && again.models.empty());
  EXPECT_EQ(LogOf("GraphicsLog"), line + line);
}

TEST_F(GuiFilesTest, ABrokenScreenKeepsTheElementsReadBeforeTheBreak) {
  std::ifstream in(Demo("menus/mainmenu.xml"));
  std::string text(std::istreambuf_iterator<char>(in), {});
  // Cut inside the third sprite.
  const size_t third = text.find("ClickPlayerSelect");
  Write("Data/menus/cut.xml", text.substr(0, third));
  GUIScreen screen;
  LoadScreenFile(screen, "Data/menus/cut.xml");
  EXPECT_EQ(screen.sprites.size(), 2u);
  EXPECT_TRUE(screen.texts.empty());
  EXPECT_NE(LogOf("GraphicsLog").find("Failed to load config. Data/menus/cut.xml: "), std::string::npos);
  // The cut file is left as it was.
  std::ifstream cut("Data/menus/cut.xml");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(cut), {}), text.substr(0, third));

  // What the file does not give keeps its default.
  EXPECT_EQ(screen.sprites[0].color, 0xFFFFFFFFu);
  EXPECT_EQ(screen.sprites[0].scale, 1.0f);
  EXPECT_EQ(screen.sprites[0].currentFrame, 0);
}

TEST_F(GuiFilesTest, TheScreenListAndCreditsRead) {
  std::vector<GUIListEntry> entries;
  LoadGUIList(entries, Demo("GUIList.xml"));
  ASSERT_GE(entries.size(), 12u);
  EXPECT_EQ(entries[3].Name, "MainMenu");
  EXPECT_EQ(entries[3].FileName, "Data/menus/mainmenu.xml");
  EXPECT_EQ(entries[3].Proc, "ArrowMoveHandler");
  std::vector<CreditLine> lines;
  LoadCredits(lines, Demo("menus/credits.xml"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5].Caption, "Thanks for playing");
  EXPECT_EQ(lines[5].Color.r, 0.6f);

  std::vector<GUIListEntry> none;
  LoadGUIList(none, "Data/NoList.xml");
  EXPECT_TRUE(none.empty());
  EXPECT_NE(LogOf("GraphicsLog").find("Failed to load config. Data/NoList.xml: could not open file"), std::string::npos);
  EXPECT_FALSE(TempDir::Exists("Data/NoList.xml")) << "a missing list is not replaced by an empty one";
}

}  // namespace
