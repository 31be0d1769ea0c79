#include <gtest/gtest.h>

#include "tests/platform/sound/Loopback.h"
#include "tests/platform/sound/SoundFiles.h"

// Where 3D sounds are heard from, in the game's frame (z up, left-handed: facing +x, +y is on
// the right, as the game's cameras see it).
namespace soundtest {
namespace {

struct Heard {
  double left, right;
};

class Spatial : public LoopbackTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteTone("tone.wav", {}));
    // The listener stands at (100, 200, 50) facing +x with z up.
    System().Set3DListenerAttributes({100, 200, 50}, {1, 0, 0}, {0, 0, 1});
  }
  // Plays `file` in 3D at `position` with the given minimum distance and measures it.
  Heard Play(const std::string& file, const Vec3& position, float minDistance = 10.0f) {
    Sound sound;
    EXPECT_EQ(System().CreateSample(file, Dim::k3D, &sound), Result::kOk) << System().LastError();
    Channel channel;
    EXPECT_EQ(System().PlaySound(sound, true, &channel), Result::kOk);
    channel.Set3DMinMaxDistance(minDistance, 10000.0f);
    channel.Set3DAttributes(position);
    channel.SetPaused(false);
    Stereo out = loopback_.Render(0.5);
    sound.Release();
    // Skip the first stretch, where the library fades the gain in.
    return {Rms(out.left, 0.1, 0.5), Rms(out.right, 0.1, 0.5)};
  }
};

TEST_F(Spatial, ASoundOnTheListenersRightIsLouderOnTheRight) {
  Heard right = Play("tone.wav", {100, 230, 50});
  EXPECT_GT(right.right, 2.0 * right.left);
  Heard left = Play("tone.wav", {100, 170, 50});
  EXPECT_GT(left.left, 2.0 * left.right);
  // Turning to face +y puts the same sound (at +y) in front: both ears alike.
  System().Set3DListenerAttributes({100, 200, 50}, {0, 1, 0}, {0, 0, 1});
  Heard ahead = Play("tone.wav", {100, 230, 50});
  EXPECT_NEAR(ahead.left, ahead.right, 0.05 * ahead.right);
}

TEST_F(Spatial, GainHalvesAtTwiceTheMinimumDistance) {
  Heard near = Play("tone.wav", {120, 200, 50}, 20.0f);
  Heard far = Play("tone.wav", {140, 200, 50}, 20.0f);
  ASSERT_GT(near.left, 0.05);
  EXPECT_NEAR(far.left / near.left, 0.5, 0.025);
  EXPECT_NEAR(far.right / near.right, 0.5, 0.025);
}

TEST_F(Spatial, MinimumDistanceZeroStillRollsOff) {
  // Zero would switch roll-off off in the library; it is raised to 1, so at distance 2 the
  // sound has half the gain it has at distance 1.
  Heard one = Play("tone.wav", {101, 200, 50}, 0.0f);
  Heard two = Play("tone.wav", {102, 200, 50}, 0.0f);
  EXPECT_NEAR(two.left / one.left, 0.5, 0.025);
}

TEST_F(Spatial, StereoFilesAreMixedDownToBePlacedIn3D) {
  // A file that is loud on its left only still comes from the right when placed there.
  ASSERT_TRUE(WriteTone("stereo.wav", {.amplitudes = {0.8, 0.0}}));
  Heard right = Play("stereo.wav", {100, 230, 50});
  EXPECT_GT(right.right, 2.0 * right.left);
}

TEST_F(Spatial, TwoDimensionalStereoKeepsItsChannels) {
  ASSERT_TRUE(WriteTone("stereo.wav", {.amplitudes = {0.8, 0.0}}));
  Sound sound;
  ASSERT_EQ(System().CreateSample("stereo.wav", Dim::k2D, &sound), Result::kOk);
  ASSERT_EQ(System().PlaySound(sound, false, nullptr), Result::kOk);
  Stereo out = loopback_.Render(0.3);
  EXPECT_GT(Rms(out.left, 0.1, 0.3), 0.3);
  EXPECT_LT(Rms(out.right, 0.1, 0.3), 0.01);
}

}  // namespace
}  // namespace soundtest
