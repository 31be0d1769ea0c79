#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/platform/sound/Loopback.h"

// The demo's synthesised sounds: all there, small, and playable through the sound layer.
namespace soundtest {
namespace {

TEST(GeneratedSounds, EveryDemoSoundIsThereAndPlays) {
  const std::string folder = std::string(VR_GENERATED_DIR) + "/Audio Files/";
  const char* names[] = {
      "click.wav", "hover.wav", "money.wav", "busted.wav", "switch gadget.wav",
      "taser shoot.wav", "gadget pickup.wav", "smoke launch.wav", "smoke.ogg", "use box.wav",
      "box timer.wav", "deny.wav", "item pickup.wav", "item dropoff.wav", "alarm.ogg",
      "snore.ogg", "surprised.wav", "confused.wav", "intro.ogg", "main menu.ogg",
      "museum1 music.ogg", "museum2 music.ogg", "museum3 music.ogg"};
  Loopback loopback(32);
  long long total = 0;
  for (const char* name : names) {
    const std::string path = folder + name;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0) << path;
    total += st.st_size;
    Sound sound;
    ASSERT_EQ(loopback.System().CreateSample(path, Dim::k2D, &sound), Result::kOk)
        << loopback.System().LastError();
    ASSERT_EQ(loopback.System().PlaySound(sound, false, nullptr), Result::kOk);
    Stereo out = loopback.Render(0.25);
    EXPECT_GT(Rms(out.left, 0.0, 0.25), 0.005) << name << " is silent";
    sound.Release();
  }
  EXPECT_LT(total, 2 * 1024 * 1024);
}

}  // namespace
}  // namespace soundtest
