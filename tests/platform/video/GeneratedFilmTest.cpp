// The demo's intro film as the build makes it: the size the player shows, five seconds at 25
// pictures a second, small enough to ship, and the beam and title where they belong.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/platform/video/TestVideos.h"

namespace videotest {
namespace {

TEST(GeneratedFilm, IntroFilmPlaysFiveSecondsAt1024x768) {
  const std::string path = std::string(VR_GENERATED_DIR) + "/test2.avi";
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0) << path;
  EXPECT_LT(st.st_size, 1024 * 1024);
  auto reader = OpenOk(path);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->Width(), 1024);
  EXPECT_EQ(reader->Height(), 768);
  EXPECT_NEAR(reader->Duration(), 5.0, 0.05);

  int count = 0;
  while (const VideoFrame* frame = reader->FrameDueAt(0.04 * count)) {
    EXPECT_NEAR(frame->time, 0.04 * count, 1e-3);
    if (count == 75) {  // at 3 s the beam stands at x 652..655 and the title is fully in
      EXPECT_TRUE(Near(*frame, 653, 700, 255, 32, 32, 40)) << Pixel(*frame, 653, 700);
      EXPECT_TRUE(Near(*frame, 20, 20, 10, 15, 26)) << Pixel(*frame, 20, 20);
    }
    ++count;
  }
  EXPECT_EQ(count, 125);
  EXPECT_FALSE(reader->FinishedAt(4.99));
  EXPECT_TRUE(reader->FinishedAt(5.0));
  EXPECT_EQ(reader->Error(), "");
}

}  // namespace
}  // namespace videotest
