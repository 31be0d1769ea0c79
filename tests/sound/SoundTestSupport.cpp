#include "tests/sound/SoundTestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "engine/ConsoleWindow.h"
#include "logic/Logic.h"

using platform::sound::Result;

// The footstep texture list is there, as in the demo tree: a start names nothing as missing.
SoundTest::SoundTest() {
  std::filesystem::create_directories("Data");
  std::filesystem::create_directories("Audio Files");
  std::ofstream("Data/AudioTextures.xml") << "<?xml version=\"1.0\"?>\n<list></list>";
}

Sound* SoundTest::StartSound(int voices) {
  return StartSound([voices](platform::sound::System& system) { return system.InitLoopback(voices, soundtest::kRate); });
}

Sound* SoundTest::StartSound(Sound::Starter start) {
  SystemFactories systems = RecordingSystems();
  systems.sound = [start] { return new Sound(start); };
  systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
  Engine::Instance()->Init(systems);
  ConnectGameSystems(*Engine::Get());
  RegisterEntityClass<PlacedBody>(kSoundLog);
  sound = Engine::Get()->GetSound();
  return sound;
}

void SoundTest::WriteSound(const std::string& file, const soundtest::Tone& tone) {
  ASSERT_TRUE(soundtest::WriteTone("Audio Files/" + file, tone)) << file;
}

SoundInfo SoundTest::Entry(const std::string& name, const std::string& file, const std::string& type,
                           const std::string& dim, bool loop) {
  SoundInfo info;
  info.Name = name;
  info.FileName = file;
  info.Type = type;
  info.Dim = dim;
  info.Radius = 100.0f;
  info.Loop = loop;
  return info;
}

void SoundTest::WriteConfig(const std::vector<SoundInfo>& sounds, float bgm, float sfx) {
  SoundConfig config;
  config.BGMVolume = bgm;
  config.SFXVolume = sfx;
  config.SoundList = sounds;
  SaveSoundConfig(config, kSoundConfigPath);
}

soundtest::Stereo SoundTest::Render(double seconds) {
  constexpr double kFrame = 0.1;
  const int step = static_cast<int>(kFrame * soundtest::kRate);
  soundtest::Stereo out;
  std::vector<float> mixed(static_cast<size_t>(step) * 2);
  for (double done = 0.0; done < seconds - 1e-9; done += kFrame) {
    EXPECT_EQ(sound->GetSoundSystem().RenderLoopback(mixed.data(), step), Result::kOk);
    for (int f = 0; f < step; ++f) {
      out.left.push_back(mixed[2 * f]);
      out.right.push_back(mixed[2 * f + 1]);
    }
    Frame(kFrame);
  }
  return out;
}

SoundEmitter* SoundTest::CreateEmitter(const std::string& file, int32_t mapIndex) {
  auto* emitter = static_cast<SoundEmitter*>(Engine::Get()->GetEntityManager()->Create("SoundEmitter"));
  emitter->File = file;
  emitter->mapIndexComp.mapIndex = static_cast<uint32_t>(mapIndex);
  return emitter;
}

PlacedBody* SoundTest::Body(const platform::Vector3& position, int32_t mapIndex) {
  auto* body = static_cast<PlacedBody*>(Engine::Get()->GetEntityManager()->Create("PlacedBody"));
  body->physical.SetPosition(position);
  body->physical.direction = {1, 0, 0};
  body->mapIndexComp.mapIndex = static_cast<uint32_t>(mapIndex);
  return body;
}

void SoundTest::Control(PlacedBody* body) {
  Engine::Get()->GetLogic()->SetPlayerEntity(body);
  Frame(0.0);
}

std::vector<std::string> SoundTest::ConsoleLines() {
  std::vector<std::string> lines;
  for (const auto& [text, colour] : Engine::Get()->GetConsole()->GetWindow()->Lines()) lines.push_back(text);
  return lines;
}

std::vector<std::string> SoundTest::LogLines(const std::string& channel) {
  std::vector<std::string> lines;
  if (!TempDir::Exists(channel + ".txt")) return lines;
  std::istringstream in(TempDir::Read(channel + ".txt"));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
