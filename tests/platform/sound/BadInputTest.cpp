#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/platform/sound/Loopback.h"
#include "tests/platform/sound/SoundFiles.h"

// Damaged files and a missing device: clear errors, silence, never a crash.
namespace soundtest {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class BadInput : public LoopbackTest {
 protected:
  // Opens `path` both ways and expects `result` with an error naming the file.
  void ExpectRefused(const std::string& path, Result result) {
    for (bool stream : {false, true}) {
      Sound sound;
      Result got = stream ? System().CreateStream(path, Dim::k3D, &sound)
                          : System().CreateSample(path, Dim::k3D, &sound);
      EXPECT_EQ(got, result) << path;
      EXPECT_FALSE(sound.IsValid());
      EXPECT_EQ(System().LastError().rfind(path + ": ", 0), 0u) << System().LastError();
    }
  }
};

TEST_F(BadInput, MissingEmptyAndCorruptFilesAreRefusedWithTheirName) {
  ExpectRefused("Audio Files/none.wav", Result::kFileNotFound);
  WriteBytes("empty.wav", "");
  ExpectRefused("empty.wav", Result::kBadFile);
  WriteBytes("noise.ogg", std::string(5000, '\x5a'));
  ExpectRefused("noise.ogg", Result::kBadFile);
  // A header and nothing after it.
  ASSERT_TRUE(WriteTone("tone.wav", {}));
  WriteBytes("header.wav", ReadBytes("tone.wav").substr(0, 44));
  ExpectRefused("header.wav", Result::kBadFile);
}

// The decoding libraries would play what is left of a file that lost its end without a word.
TEST_F(BadInput, FilesCutShortAreRefusedSayingSo) {
  ASSERT_TRUE(WriteTone("whole.wav", {.seconds = 1.0}));
  ASSERT_TRUE(WriteTone("whole.ogg", {.seconds = 3.0, .format = Format::kOgg}));
  for (const char* name : {"whole.wav", "whole.ogg"}) {
    const std::string bytes = ReadBytes(name);
    // The OGG cut in its headers and cut in its sound data; the WAV cut in its data.
    for (size_t size : {bytes.size() / 8, bytes.size() / 2, bytes.size() - 1}) {
      const std::string cut = std::string("cut-") + std::to_string(size) + "-" + name;
      WriteBytes(cut, bytes.substr(0, size));
      ExpectRefused(cut, Result::kBadFile);
      EXPECT_NE(System().LastError().find("cut short"), std::string::npos) << System().LastError();
    }
  }
}

// A WAV whose data chunk is left open-ended by a streaming writer is no promise: it plays.
TEST_F(BadInput, AnOpenEndedWavIsNotCutShort) {
  ASSERT_TRUE(WriteTone("whole.wav", {.seconds = 0.5}));
  std::string bytes = ReadBytes("whole.wav");
  const size_t data = bytes.find("data");
  ASSERT_NE(data, std::string::npos);
  bytes.replace(data + 4, 4, std::string(4, '\xff'));
  WriteBytes("open.wav", bytes);
  Sound stream;
  ASSERT_EQ(System().CreateStream("open.wav", Dim::k2D, &stream), Result::kOk) << System().LastError();
  Channel channel;
  ASSERT_EQ(System().PlaySound(stream, false, &channel), Result::kOk);
  Stereo out = loopback_.Render(1.0);
  EXPECT_GT(Rms(out.left, 0.05, 0.45), 0.2);
  EXPECT_LT(Rms(out.left, 0.6, 1.0), 1e-3);
}

TEST_F(BadInput, PathsAreFoundIgnoringCaseAndBackslashes) {
  ASSERT_TRUE(WriteTone("Click.WAV", {}));
  Sound sound;
  EXPECT_EQ(System().CreateSample("click.wav", Dim::k2D, &sound), Result::kOk);
  ::mkdir("Audio Files", 0755);
  ASSERT_TRUE(WriteTone("Audio Files/Money.wav", {}));
  EXPECT_EQ(System().CreateStream("audio files\\money.wav", Dim::k2D, &sound), Result::kOk);
}

TEST(NoDevice, FailsOnceThenEveryCallIsAQuietNoOp) {
  TempDir dir;
  ASSERT_TRUE(WriteTone("tone.wav", {}));
  platform::sound::System system;
  EXPECT_EQ(system.Init({.maxVoices = 100, .deviceName = "No Such Sound Device"}), Result::kNoDevice);
  EXPECT_NE(system.LastError().find("No Such Sound Device"), std::string::npos);
  EXPECT_FALSE(system.IsRunning());
  const std::string error = system.LastError();
  Sound sound;
  EXPECT_EQ(system.CreateSample("tone.wav", Dim::k2D, &sound), Result::kNotRunning);
  EXPECT_EQ(system.CreateStream("tone.wav", Dim::k3D, &sound), Result::kNotRunning);
  EXPECT_EQ(system.PlaySound(sound, false, nullptr), Result::kInvalidHandle);
  EXPECT_EQ(system.Set3DListenerAttributes({1, 2, 3}, {1, 0, 0}, {0, 0, 1}), Result::kNotRunning);
  EXPECT_EQ(system.Set3DSettings(1.0f, 3.28f, 1.0f), Result::kNotRunning);
  EXPECT_EQ(system.GetMasterChannelGroup().SetVolume(1.0f), Result::kNotRunning);
  EXPECT_EQ(system.Update(), Result::kNotRunning);
  float buffer[16];
  EXPECT_EQ(system.RenderLoopback(buffer, 8), Result::kNotRunning);
  system.Close();
  EXPECT_EQ(system.LastError(), error);  // nothing else piled up
}

TEST(NoDevice, HandlesOfAClosedSystemAreQuietNoOps) {
  TempDir dir;
  ASSERT_TRUE(WriteTone("tone.wav", {}));
  Loopback loopback(4);
  Sound sound;
  ASSERT_EQ(loopback.System().CreateSample("tone.wav", Dim::k2D, &sound), Result::kOk);
  Channel channel;
  ASSERT_EQ(loopback.System().PlaySound(sound, false, &channel), Result::kOk);
  loopback.System().Close();
  EXPECT_FALSE(channel.IsPlaying());
  EXPECT_EQ(channel.SetPaused(false), Result::kNotRunning);
  EXPECT_EQ(channel.Stop(), Result::kNotRunning);
  EXPECT_EQ(sound.Release(), Result::kNotRunning);
  // A restarted system does not mistake the old handles for its new sounds.
  ASSERT_EQ(loopback.System().InitLoopback(4, kRate), Result::kOk);
  Sound fresh;
  ASSERT_EQ(loopback.System().CreateSample("tone.wav", Dim::k2D, &fresh), Result::kOk);
  EXPECT_FALSE(sound.IsValid());
  EXPECT_EQ(channel.Stop(), Result::kInvalidHandle);
}

TEST(Listener, DegenerateFacingKeepsThePreviousOne) {
  Loopback loopback(4);
  auto& system = loopback.System();
  EXPECT_EQ(system.Set3DListenerAttributes({0, 0, 0}, {2, 0, 0}, {0, 0.5f, 3}), Result::kOk);
  EXPECT_EQ(system.Set3DListenerAttributes({0, 0, 0}, {0, 0, 0}, {0, 0, 1}), Result::kInvalidParam);
  EXPECT_EQ(system.Set3DListenerAttributes({0, 0, 0}, {0, 0, 1}, {0, 0, 1}), Result::kInvalidParam);
}

}  // namespace
}  // namespace soundtest
