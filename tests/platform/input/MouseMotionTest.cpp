#include "platform/input/MouseMotion.h"

#include <gtest/gtest.h>

#include <tuple>

namespace platform {
namespace {

constexpr int kMouse = 6;
constexpr int kTablet = 9;

// What one pointer move of the windowing system gives: device motion, SDL's pointer motion and
// its record, in that order; the record's share when the pointer motion was held back.
class MouseMotionTest : public ::testing::Test {
 protected:
  // The sum counted for one move of `source` at `time`; no device motion is reported when it
  // has none.
  MouseMotion::Delta Move(int source, unsigned long time, double dx, double dy, int pointerDx, int pointerDy,
                          bool relative = true, bool focused = true) {
    MouseMotion::Delta sum;
    if (dx || dy) {
      if (auto device = motion.OnDeviceMotion(source, time, dx, dy, relative, focused)) Add(sum, *device);
    }
    if (pointerDx || pointerDy) {
      if (motion.OnPointerMotion(pointerDx, pointerDy)) Add(sum, {pointerDx, pointerDy});
      if (auto record = motion.OnPointerRecord(source, time)) Add(sum, *record);
    }
    return sum;
  }
  static void Add(MouseMotion::Delta& sum, const MouseMotion::Delta& d) {
    sum.x += d.x;
    sum.y += d.y;
  }
  static auto Of(const MouseMotion::Delta& d) { return std::tuple(d.x, d.y); }

  MouseMotion motion;
};

TEST_F(MouseMotionTest, TheMouseCountsOnceAlsoWherePointerAndMouseDiffer) {
  // Nothing says yet that the windowing system reports its devices: the pointer counts.
  EXPECT_EQ(Of(Move(kMouse, 1, 0, 0, 3, 0)), std::tuple(3, 0));
  motion.Reset();
  // The first device motion counts, even before any pointer motion came with a record: the
  // pointer may stand at the screen's edge from the start.
  EXPECT_EQ(Of(Move(kMouse, 2, 50, 0, 0, 0)), std::tuple(50, 0));
  // Accelerated, the pointer went further than the mouse: the mouse counts.
  EXPECT_EQ(Of(Move(kMouse, 3, 5, -2, 9, -4)), std::tuple(5, -2));
  // At the screen's edge the pointer stays, the mouse moves on.
  for (unsigned long t = 4; t < 7; ++t) EXPECT_EQ(Of(Move(kMouse, t, 50, 0, 0, 0)), std::tuple(50, 0));
  // Halves add up to whole units.
  EXPECT_EQ(Of(Move(kMouse, 7, 0.5, 0, 0, 0)), std::tuple(0, 0));
  EXPECT_EQ(Of(Move(kMouse, 8, 0.5, -1.5, 0, 0)), std::tuple(1, -1));
}

// A tablet, a remote desktop or a program places the pointer: no mouse moved, so the pointer's
// motion counts, also when the device reports its absolute place as raw values.
TEST_F(MouseMotionTest, PointerMotionWithoutAMouseBehindItCounts) {
  Move(kMouse, 1, 1, 1, 1, 1);
  EXPECT_EQ(Of(Move(kMouse, 2, 0, 0, -40, 25)), std::tuple(-40, 25)) << "a move with no raw motion";
  EXPECT_EQ(Of(Move(kTablet, 3, 31000, 12000, 7, 0, false)), std::tuple(7, 0));
  // Motion SDL makes up where the pointer crosses the window's border has no record: it goes
  // with the next one.
  EXPECT_FALSE(motion.OnPointerMotion(2, 2));
  EXPECT_EQ(Of(Move(kMouse, 4, 0, 0, 1, 0)), std::tuple(3, 2));
}

// Without the focus the mouse is not the game's: the pointer's motion over the window counts as
// it did.
TEST_F(MouseMotionTest, WithoutTheFocusThePointerCounts) {
  EXPECT_EQ(Of(Move(kMouse, 1, 5, 0, 9, 0, true, false)), std::tuple(9, 0));
  EXPECT_EQ(Of(Move(kMouse, 2, 30, 0, 0, 0, true, false)), std::tuple(0, 0));
  EXPECT_EQ(Of(Move(kMouse, 3, 5, 0, 9, 0)), std::tuple(5, 0));
}

}  // namespace
}  // namespace platform
