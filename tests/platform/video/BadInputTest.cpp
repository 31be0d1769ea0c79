// Files that are not good films: each is refused with a line naming the file, or plays what it
// can and reports the damage; nothing crashes and nothing waits forever.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "tests/platform/video/TestVideos.h"
#include "tests/support/TempDir.h"

namespace videotest {
namespace {

// Expects the file to be refused with a message that names it and says `why`.
void ExpectRefused(const std::string& path, const std::string& why) {
  std::string error;
  EXPECT_EQ(VideoReader::Open(path, &error), nullptr) << path;
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_NE(error.find(why), std::string::npos) << error;
}

std::string Cut(const std::string& contents, double fraction) {
  return contents.substr(0, size_t(double(contents.size()) * fraction));
}

// Zeroes the data of every picture chunk ("00dc") of an AVI file, keeping its headers and index.
std::string BlankPictures(std::string avi) {
  size_t at = avi.find("movi");
  const size_t end = avi.find("idx1");
  if (at == std::string::npos || end == std::string::npos) return avi;
  for (at += 4; at + 8 <= end;) {
    const auto byte = [&](size_t i) { return uint32_t(uint8_t(avi[at + 4 + i])) << (8 * i); };
    const uint32_t size = byte(0) | byte(1) | byte(2) | byte(3);
    if (avi.compare(at, 4, "00dc") == 0) avi.replace(at + 8, size, size, '\0');
    at += 8 + size + (size & 1);
  }
  return avi;
}

TEST(VideoBadInput, MissingEmptyAndFolderAreRefused) {
  TempDir dir;
  ExpectRefused(dir / "test2.avi", "no such video file");
  ::mkdir("folder.avi", 0755);
  ExpectRefused(dir / "folder.avi", "no such video file");
  TempDir::Write("empty.avi", "");
  ExpectRefused(dir / "empty.avi", "the file is empty");
}

TEST(VideoBadInput, FilesThatAreNoFilmsAreRefused) {
  TempDir dir;
  std::mt19937 random(7);
  std::string noise(20000, '\0');
  for (char& c : noise) c = char(random());
  TempDir::Write("noise.avi", noise);
  ExpectRefused(dir / "noise.avi", "not a video file");
  TempDir::Write("notes.avi", "Intro film goes here.\r\n");
  ExpectRefused(dir / "notes.avi", "not a video file");
}

TEST(VideoBadInput, SoundOnlyFilesHoldNoFilm) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("intro.wav", "-f lavfi -i sine=d=0.5", ""));
  ASSERT_TRUE(MakeVideo("intro.ogg", "-f lavfi -i sine=d=0.5", "-c:a libvorbis"));
  ExpectRefused(dir / "intro.wav", "holds no video stream");
  ExpectRefused(dir / "intro.ogg", "holds no video stream");
}

TEST(VideoBadInput, UnknownCodecIsNamed) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("film.avi", Pattern(3), "-c:v mpeg4"));
  std::string avi = TempDir::Read("film.avi");
  // The codec's tag stands in the stream header and the picture format.
  for (size_t at = avi.find("FMP4"); at != std::string::npos; at = avi.find("FMP4", at))
    avi.replace(at, 4, "QQQQ");
  TempDir::Write("film.avi", avi);
  ExpectRefused(dir / "film.avi", "unsupported video codec QQQQ");
}

TEST(VideoBadInput, HugePicturesAreRefused) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("wide.avi", "-f lavfi -i color=s=4100x16:r=10:d=0.1",
                        "-c:v mjpeg -pix_fmt yuvj420p"));
  ExpectRefused(dir / "wide.avi", "unsupported picture size 4100x16");
}

// A film cut short plays the frames it has, says where it broke off, and then finishes.
TEST(VideoBadInput, CutFilmPlaysWhatItHasAndSaysSo) {
  TempDir dir;
  ASSERT_TRUE(
      MakeVideo("film.avi", "-f lavfi -i testsrc=size=160x120:rate=10 -frames:v 20", "-c:v mpeg4"));
  TempDir::Write("cut.avi", Cut(TempDir::Read("film.avi"), 0.6));
  auto reader = OpenOk(dir / "cut.avi");
  ASSERT_TRUE(reader);
  int count = 0;
  while (reader->NextFrame()) ++count;
  EXPECT_GT(count, 5);
  EXPECT_LT(count, 20);
  EXPECT_NE(reader->Error().find(dir / "cut.avi"), std::string::npos) << reader->Error();
  EXPECT_NE(reader->Error().find("of 20 frames"), std::string::npos) << reader->Error();
  EXPECT_TRUE(reader->FinishedAt(2.0));
}

// The headers are good but no picture decodes: the intro must end at once, not wait.
TEST(VideoBadInput, FilmWithoutPicturesFinishesAtOnce) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("film.avi", Pattern(5), "-c:v mpeg4"));
  TempDir::Write("blank.avi", BlankPictures(TempDir::Read("film.avi")));
  auto reader = OpenOk(dir / "blank.avi");
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->FrameDueAt(0.0), nullptr);
  EXPECT_TRUE(reader->FinishedAt(0.0));
  EXPECT_NE(reader->Error().find(dir / "blank.avi"), std::string::npos) << reader->Error();
}

TEST(VideoBadInput, CutFilmWithoutItsIndexIsRefused) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("film.mp4", Pattern(10), "-c:v mpeg4"));
  TempDir::Write("cut.mp4", Cut(TempDir::Read("film.mp4"), 0.5));
  ExpectRefused(dir / "cut.mp4", "not a video file");
}

}  // namespace
}  // namespace videotest
