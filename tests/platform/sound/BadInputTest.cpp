#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

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

TEST_F(BadInput, TruncatedFilesPlayWhatTheyHoldOrAreRefused) {
  // A WAV cut in half plays its first half, as a sample and as a stream.
  ASSERT_TRUE(WriteTone("whole.wav", {.seconds = 1.0}));
  std::string bytes = ReadBytes("whole.wav");
  WriteBytes("cut.wav", bytes.substr(0, bytes.size() / 2));
  Sound sample, stream;
  ASSERT_EQ(System().CreateSample("cut.wav", Dim::k2D, &sample), Result::kOk) << System().LastError();
  ASSERT_EQ(System().CreateStream("cut.wav", Dim::k2D, &stream), Result::kOk) << System().LastError();
  Channel a, b;
  ASSERT_EQ(System().PlaySound(sample, false, &a), Result::kOk);
  ASSERT_EQ(System().PlaySound(stream, false, &b), Result::kOk);
  Stereo out = loopback_.Render(1.0);
  EXPECT_GT(Rms(out.left, 0.05, 0.45), 0.2);
  EXPECT_LT(Rms(out.left, 0.6, 1.0), 1e-3);
  EXPECT_FALSE(a.IsPlaying());
  EXPECT_FALSE(b.IsPlaying());
  // An OGG cut short has lost its last page, which the decoder needs to open it.
  ASSERT_TRUE(WriteTone("whole.ogg", {.seconds = 1.0, .format = Format::kOgg}));
  bytes = ReadBytes("whole.ogg");
  WriteBytes("cut.ogg", bytes.substr(0, bytes.size() / 2));
  ExpectRefused("cut.ogg", Result::kBadFile);
}

TEST_F(BadInput, PathsAreFoundIgnoringCaseAndBackslashes) {
  ASSERT_TRUE(WriteTone("Click.WAV", {}));
  Sound sound;
  EXPECT_EQ(System().CreateSample("click.wav", Dim::k2D, &sound), Result::kOk);
  ::mkdir("Audio Files", 0755);
  ASSERT_TRUE(WriteTone("Audio Files/Money.wav", {}));
  EXPECT_EQ(System().CreateStream("audio files\\money.wav", Dim::k2D, &sound), Result::kOk);
}

TEST_F(BadInput, MutatedFilesNeverCrash) {
  ASSERT_TRUE(WriteTone("seed.wav", {.seconds = 0.1, .amplitudes = {0.5, 0.3}}));
  ASSERT_TRUE(WriteTone("seed.ogg", {.seconds = 0.3, .format = Format::kOgg}));
  std::mt19937 random(1234);
  for (const char* seed : {"seed.wav", "seed.ogg"}) {
    const std::string original = ReadBytes(seed);
    for (int round = 0; round < 150; ++round) {
      std::string bytes = original;
      int changes = 1 + static_cast<int>(random() % 8);
      for (int i = 0; i < changes; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
      if (round % 5 == 0) bytes.resize(random() % bytes.size());
      WriteBytes("mutant", bytes);
      Sound sample, stream;
      if (System().CreateSample("mutant", Dim::k3D, &sample) == Result::kOk) {
        System().PlaySound(sample, false, nullptr);
      }
      if (System().CreateStream("mutant", Dim::k2D, &stream) == Result::kOk) {
        stream.SetLoop(true);
        System().PlaySound(stream, false, nullptr);
      }
      loopback_.Render(0.05, 0.01);
      sample.Release();
      stream.Release();
    }
  }
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
