// The intro film: shown over the 1024 x 768 area on the program's clock, ended by its last
// picture, and followed by the white fade; a film that is missing ends the intro at once.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CommandDispatcher.h"
#include "graphics/VideoPlayer.h"
#include "graphics/gui/HUDAnimation.h"
#include "tests/graphics/GraphicsFixture.h"
#include "tests/graphics/RedFilm.h"

namespace {

class VideoPlayerTest : public GraphicsFixture {
 protected:
  uint32_t ShownPixel(const VideoPlayer& player, int x, int y) {
    platform::RenderDevice* device = graphics->GetDevice();
    device->SetRenderTarget(nullptr);
    device->Clear(platform::ClearTarget, 0xFF000000, 1.0f, 0);
    graphics->GetSprite()->Begin(platform::SpriteAlphaBlend);
    player.Draw(*graphics->GetSprite());
    graphics->GetSprite()->End();
    return BackBufferPixel(x, y);
  }

  static bool IsRed(uint32_t rgba) { return (rgba >> 24) > 200 && ((rgba >> 16) & 0xFF) < 50 && ((rgba >> 8) & 0xFF) < 50; }
};

TEST_F(VideoPlayerTest, FilmKeepsToTheClockCoversTheHudAreaAndEndsAfterItsLastPicture) {
  ASSERT_TRUE(MakeRedFilm());
  StartGraphics();
  VideoPlayer player(*graphics->GetDevice());
  ASSERT_TRUE(player.Open("TEST2.AVI"));
  player.Play();
  player.Poll();
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_TRUE(IsRed(ShownPixel(player, 2, 2))) << std::hex << ShownPixel(player, 2, 2);
  EXPECT_TRUE(IsRed(ShownPixel(player, 1021, 765))) << std::hex << ShownPixel(player, 1021, 765);

  clock.AdvanceSeconds(0.95);
  player.Poll();
  EXPECT_TRUE(player.IsPlaying());
  clock.AdvanceSeconds(0.1);
  player.Poll();
  EXPECT_FALSE(player.IsPlaying());
  player.Release();
}

TEST_F(VideoPlayerTest, MissingFilmIsLoggedAndNeverPlays) {
  StartGraphics();
  VideoPlayer player(*graphics->GetDevice());
  EXPECT_FALSE(player.Open("test2.avi"));
  EXPECT_NE(LogOf("GraphicsLog").find("test2.avi"), std::string::npos);
  player.Play();
  player.Poll();
  EXPECT_FALSE(player.IsPlaying());
}

TEST_F(VideoPlayerTest, StartVideoPlaysTheIntroAndItsEndBringsTheWhiteFade) {
  ASSERT_TRUE(MakeRedFilm());
  StartGraphics();
  CommandDispatcher().Execute("StartVideo", "ConsoleCmd");
  ASSERT_NE(VideoPlayer::Current(), nullptr);
  EXPECT_TRUE(VideoPlayer::Current()->IsPlaying());
  UpdateAndRender();
  EXPECT_TRUE(IsRed(BackBufferPixel(512, 384)));
  EXPECT_FALSE(graphics->IsWhiteFading());

  clock.AdvanceSeconds(1.1);
  graphics->Update();
  EXPECT_EQ(VideoPlayer::Current(), nullptr);
  EXPECT_TRUE(graphics->IsWhiteFading());
  EXPECT_EQ(graphics->GetAnimationList()->Size(), 1u);
}

TEST_F(VideoPlayerTest, IntroWithoutItsFilmEndsAtTheNextUpdate) {
  StartGraphics();
  CommandDispatcher().Execute("StartVideo", "ConsoleCmd");
  ASSERT_NE(VideoPlayer::Current(), nullptr);
  graphics->Update();
  EXPECT_EQ(VideoPlayer::Current(), nullptr);
  EXPECT_TRUE(graphics->IsWhiteFading());
}

// A damaged film is at most one line in the log, naming it, and the intro goes on to the white
// fade over the first screen. (Each start of the intro waits three seconds, as the game does.)
TEST_F(VideoPlayerTest, ADamagedFilmIsLoggedInOneLineAndTheIntroGoesOn) {
  ASSERT_TRUE(MakeRedFilm());
  const std::string film = TempDir::Read("test2.avi");
  StartGraphics();
  const std::string notAFilm(4000, 'x');
  const std::string zeroedPictures = film.substr(0, 600) + std::string(film.size() - 600, '\0');
  for (const std::string* damaged : {&notAFilm, &zeroedPictures}) {
    TempDir::Write("test2.avi", *damaged);
    const std::string before = LogOf("GraphicsLog");
    CommandDispatcher().Execute("StartVideo", "ConsoleCmd");
    for (int frame = 0; frame < 100 && VideoPlayer::Current(); ++frame) {
      clock.AdvanceSeconds(0.1);
      graphics->Update();
    }
    EXPECT_EQ(VideoPlayer::Current(), nullptr);
    EXPECT_TRUE(graphics->IsWhiteFading());
    const std::string added = LogOf("GraphicsLog").substr(before.size());
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), damaged == &notAFilm ? 1 : long(!added.empty())) << added;
    EXPECT_TRUE(added.empty() || added.find("test2.avi") != std::string::npos) << added;
  }
}

}  // namespace
