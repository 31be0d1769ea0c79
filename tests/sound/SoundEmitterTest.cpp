#include <gtest/gtest.h>

#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "tests/sound/SoundTestSupport.h"

// Emitters: looping, pausing, playing again, going away, and their fields.
namespace {

using soundtest::Rms;
using soundtest::Stereo;

class SoundEmitterTest : public SoundTest {
 protected:
  void SetUp() override {
    WriteSound("short.wav", {.seconds = 0.5});
    WriteSound("long.wav", {.seconds = 1.0});
    SoundInfo effect = Entry("effect", "short.wav");
    effect.Volume = 0.5f;
    effect.Radius = 300.0f;
    effect.Area = "hall";
    SoundInfo hum = Entry("hum", "short.wav", "SFX", "3D", true);
    hum.Volume = 0.5f;
    WriteConfig({Entry("short", "short.wav"), Entry("long", "long.wav"), Entry("loop", "short.wav", "SFX", "2D", true),
                 effect, hum},
                1.0f, 0.5f);
    StartSound(2);
  }
  // Sound heard in [begin, end) of a render.
  static bool Heard(const Stereo& out, double begin, double end) { return Rms(out.left, begin, end) > 0.1; }
};

TEST_F(SoundEmitterTest, ALoopingSoundLoops) {
  SoundEmitter* emitter = CreateEmitter("loop", 0);
  emitter->Play();
  Stereo out = Render(2.0);
  EXPECT_TRUE(Heard(out, 0.0, 0.4));
  EXPECT_TRUE(Heard(out, 1.6, 2.0));
  EXPECT_TRUE(emitter->IsPlaying());
}

TEST_F(SoundEmitterTest, PauseAndResumeKeepThePlayPosition) {
  SoundEmitter* emitter = CreateEmitter("long", 0);
  emitter->Play();
  Render(0.5);
  emitter->Pause();
  EXPECT_TRUE(emitter->IsPlaying());
  EXPECT_FALSE(Heard(Render(1.0), 0.0, 1.0));
  emitter->Play();
  // The second half of the second is left: it ends half a second later, not a whole one.
  Stereo out = Render(1.0);
  EXPECT_TRUE(Heard(out, 0.0, 0.4));
  EXPECT_FALSE(Heard(out, 0.6, 1.0));
}

TEST_F(SoundEmitterTest, AnEmitterPlaysAgainAfterItsSoundEnded) {
  SoundEmitter* emitter = CreateEmitter("short", 0);
  emitter->Play();
  EXPECT_FALSE(Heard(Render(1.0), 0.6, 1.0));
  EXPECT_FALSE(emitter->IsPlaying());
  emitter->Play();
  EXPECT_TRUE(Heard(Render(0.3), 0.0, 0.3));
}

TEST_F(SoundEmitterTest, PauseThenRewindStopsAndPlayStartsOver) {
  SoundEmitter* emitter = CreateEmitter("long", 0);
  emitter->Play();
  Render(0.8);
  emitter->Pause();
  emitter->Rewind();
  EXPECT_FALSE(Heard(Render(0.3), 0.0, 0.3));
  emitter->Play();
  EXPECT_TRUE(Heard(Render(0.9), 0.5, 0.9));
}

TEST_F(SoundEmitterTest, ADestroyedEmitterStopsAndGivesItsVoiceBack) {
  // Two voices: two looping emitters hold both, and loops are never taken from their owners.
  SoundEmitter* first = CreateEmitter("loop", 0);
  SoundEmitter* second = CreateEmitter("loop", 0);
  first->Play();
  second->Play();
  Engine::Get()->GetEntityManager()->QueueDelete(first);
  Engine::Get()->GetEntityManager()->QueueDelete(second);
  Render(0.1);
  EXPECT_FALSE(Heard(Render(0.5), 0.1, 0.5));
  EXPECT_TRUE(sound->GetEmitters().empty());
  sound->Play2D("short");
  EXPECT_TRUE(Heard(Render(0.3), 0.0, 0.3));
}

TEST_F(SoundEmitterTest, TheListEntryReplacesTheMapsValuesAndScalesByCategory) {
  SoundEmitter* effect = CreateEmitter("effect", 0);
  effect->Type = "BGM";
  effect->ThreeD = 1;
  effect->LoadStream();
  EXPECT_TRUE(effect->loaded);
  EXPECT_EQ(effect->Type, "SFX");
  EXPECT_EQ(effect->ThreeD, 0);
  EXPECT_EQ(effect->Area, "hall");
  EXPECT_FLOAT_EQ(effect->Radius, 300.0f);
  EXPECT_FLOAT_EQ(effect->Volume, 0.25f);
  SoundEmitter* hum = CreateEmitter("hum", 0);
  hum->LoadStream();
  EXPECT_EQ(hum->ThreeD, 1);
  EXPECT_EQ(hum->Loop, 1);
  EXPECT_FLOAT_EQ(hum->Volume, 0.5f);
  // An unknown File loads nothing and is tried again next time.
  SoundEmitter* unknown = CreateEmitter("nothing", 0);
  unknown->Play();
  EXPECT_FALSE(unknown->loaded);
  EXPECT_FALSE(unknown->IsPlaying());
}

TEST_F(SoundEmitterTest, FieldsComeFromTheMapKeysAndGoToTheEditorAndSaves) {
  auto* emitter = static_cast<SoundEmitter*>(Engine::Get()->GetEntityManager()->Instantiate("SoundEmitter"));
  KeyValueMap keys = {{"File", "museum1 music"}, {"Type", "BGM"}, {"Loop", "1"}, {"ThreeD", "0"},
                      {"Volume", "0.5"},         {"Radius", "200"}, {"Modulation", "2.5x"}};
  emitter->ReadKeys(keys);
  EXPECT_EQ(emitter->File, "museum1 music");
  EXPECT_EQ(emitter->Type, "BGM");
  EXPECT_EQ(emitter->Loop, 1);
  EXPECT_FLOAT_EQ(emitter->Volume, 0.5f);
  EXPECT_FLOAT_EQ(emitter->Radius, 200.0f);
  EXPECT_FLOAT_EQ(emitter->Modulation, 2.5f);

  XmlWriter ent;
  ent.Open("ent.xml");
  ent.WriteStartElement("point");
  emitter->WriteEntKeys(ent);
  ent.WriteEndElement();
  ent.Close();
  EXPECT_EQ(TempDir::Read("ent.xml").substr(TempDir::Read("ent.xml").find('\n') + 1),
            "<point><string key=\"File\" name=\"File\">museum1 music</string>"
            "<string key=\"Area\" name=\"Area\"></string><real key=\"Radius\" name=\"Radius\">200</real>"
            "<real key=\"Volume\" name=\"Volume\">0.5</real><real key=\"Modulation\" name=\"Modulation\">2.5</real>"
            "<integer key=\"Loop\" name=\"Loop\">1</integer><integer key=\"ThreeD\" name=\"ThreeD\">0</integer>"
            "<string key=\"Type\" name=\"Type\">BGM</string></point>");

  XmlWriter save;
  save.Open("save.xml");
  save.WriteStartElement("var");
  emitter->Save(save);
  save.WriteEndElement();
  save.Close();
  EXPECT_EQ(TempDir::Read("save.xml").substr(TempDir::Read("save.xml").find('\n') + 1),
            "<var><var name=\"Pos\"></var><string name=\"File\">museum1 music</string><string name=\"Area\"></string>"
            "<float name=\"Radius\">200</float><float name=\"Volume\">0.5</float><float name=\"Modulation\">2.5</float>"
            "<int name=\"Loop\">1</int><int name=\"ThreeD\">0</int><string name=\"Type\">BGM</string></var>");
  auto* copy = static_cast<SoundEmitter*>(Engine::Get()->GetEntityManager()->Instantiate("SoundEmitter"));
  XmlReader reader;
  reader.Open("save.xml");
  reader.ReadTag();
  copy->Load(reader);
  EXPECT_EQ(copy->File, "museum1 music");
  EXPECT_FLOAT_EQ(copy->Modulation, 2.5f);
  EXPECT_EQ(copy->Type, "BGM");
}

}  // namespace
