#include <gtest/gtest.h>

#include "entity/MessageCheck.h"
#include "tests/entity/TestEntities.h"
#include "tests/support/EngineFixture.h"

namespace {

struct Spot {
  float x, y, z;
};

inline constexpr Message<std::string, std::string> kTakeTwoTexts{"TakeTwoTexts"};
inline constexpr Message<bool, bool> kTakeTwoBools{"TakeTwoBools"};
inline constexpr Message<Spot, uint32_t> kTakeSpotAndId{"TakeSpotAndId"};
inline constexpr Message<Entity*> kTakeEntity{"TakeEntity"};
inline constexpr Message<float, float, float> kTakeColour{"TakeColour"};
inline constexpr Message<> kNeverBound{"NeverBound"};

// An interface a component may also answer to, found under the component's name.
class Gauge {
 public:
  static constexpr char kComponentName[] = "Probe";
  virtual ~Gauge() = default;
  virtual int Reading() const = 0;
};

class GaugeProbe : public ProbeComponent, public Gauge {
 public:
  using ProbeComponent::kComponentName;
  int Reading() const override { return 42; }
};

// Every kind of argument a declared message carries, each read back by a typed handler.
class Wide : public EntityClass<Wide> {
 public:
  static constexpr char kClassName[] = "Wide";
  static void Describe(ClassBuilder<Wide>& c) {
    c.Component(&Wide::probe);
    c.Message(kTakeInt, &Wide::TakeInt);
    c.Message(kTakeFloat, &Wide::TakeFloat);
    c.Message(kTakeBool, &Wide::TakeBool);
    c.Message(kTakeText, &Wide::TakeText);
    c.Message(kTakeId, &Wide::TakeId);
    c.Message(kTakeTwoTexts, &Wide::TakeTwoTexts);
    c.Message(kTakeTwoBools, &Wide::TakeTwoBools);
    c.Message(kTakeSpotAndId, &Wide::TakeSpotAndId);
    c.Message(kTakeEntity, &Wide::TakeEntity);
    c.Message(kTakeColour, &Wide::TakeColour);
    // A handler may leave a message's arguments alone.
    c.Message(kPing, &Wide::Ping);
  }
  void OnCreate() override {}

  void TakeInt(int v) { seen.push_back("int:" + std::to_string(v)); }
  void TakeFloat(float v) { seen.push_back("float:" + std::to_string(v)); }
  void TakeBool(bool v) { seen.push_back(std::string("bool:") + (v ? "true" : "false")); }
  void TakeText(const std::string& v) { seen.push_back("text:" + v); }
  void TakeId(uint32_t v) { seen.push_back("id:" + std::to_string(v)); }
  void TakeTwoTexts(const std::string& a, const std::string& b) { seen.push_back("texts:" + a + "|" + b); }
  void TakeTwoBools(bool a, bool b) { seen.push_back(std::string("bools:") + (a ? "1" : "0") + (b ? "1" : "0")); }
  void TakeSpotAndId(Spot s, uint32_t id) {
    seen.push_back("spot:" + std::to_string(s.x + s.y + s.z) + "/" + std::to_string(id));
  }
  void TakeEntity(Entity* e) { seen.push_back(e ? "entity:" + e->GetClassName() : "entity:none"); }
  void TakeColour(float r, float g, float b) { seen.push_back("colour:" + std::to_string(r + g + b)); }
  void Ping() { seen.push_back("ping"); }

  GaugeProbe probe;
  std::vector<std::string> seen;
};

class DeclaredMessages : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    RegisterEntityClass<Wide>("LogicLog");
    RegisterEntityClass<Recorder>("LogicLog");
    RegisterEntityClass<::Bare>("LogicLog");
    wide = static_cast<Wide*>(Engine::Get()->GetEntityManager()->Create("Wide"));
  }
  Wide* wide = nullptr;
};

}  // namespace

TEST_F(DeclaredMessages, WhatTheSenderPacksTheHandlerReads) {
  Entity* bare = Engine::Get()->GetEntityManager()->Create("Bare");
  wide->Send(kTakeInt, -7);
  wide->Send(kTakeFloat, 2.5f);
  wide->Send(kTakeBool, true);
  wide->Send(kTakeText, "plain words");
  wide->Send(kTakeText, "");
  wide->Send(kTakeId, 4000000000u);
  wide->Send(kTakeTwoTexts, "first", "second");
  wide->Send(kTakeTwoBools, false, true);
  wide->Send(kTakeSpotAndId, Spot{1, 2, 3}, 9u);
  wide->Send(kTakeEntity, bare);
  wide->Send(kTakeEntity, nullptr);
  wide->Send(kTakeColour, 0.25f, 0.5f, 0.25f);
  wide->Send(kPing);
  EXPECT_EQ(wide->seen, (std::vector<std::string>{"int:-7", "float:2.500000", "bool:true", "text:plain words", "text:",
                                                  "id:4000000000", "texts:first|second", "bools:01",
                                                  "spot:6.000000/9", "entity:Bare", "entity:none",
                                                  "colour:1.000000", "ping"}));
  EXPECT_FALSE(TempDir::Exists("LogicLog.txt")) << "no argument was refused";
}

TEST_F(DeclaredMessages, PostsAndBroadcastsCarryTheirArguments) {
  Engine* engine = Engine::Get();
  engine->Subscribe(wide, "GUICmd");
  engine->Broadcast(kTakeTwoTexts, "GUICmd", "a", "b");
  engine->GetMessageQueue()->Post(wide, kTakeSpotAndId, 0.0f, Spot{1, 1, 1}, 2u);
  engine->GetMessageQueue()->Update();
  EXPECT_EQ(wide->seen, (std::vector<std::string>{"texts:a|b", "spot:3.000000/2"}));
}

template <class Declared, class Handler>
constexpr bool kBinds = requires(ClassBuilder<Wide>& c, const Declared& m, Handler h) { c.Message(m, h); };
template <class Declared, class... Values>
constexpr bool kSends = requires(Entity& e, const Declared& m, Values... v) { e.Send(m, v...); };

// Both ends are checked when the code is compiled: a handler whose parameters differ from the
// declaration is not bound, and a sender cannot give values of other types.
TEST(DeclaredMessageTypes, MismatchesDoNotCompile) {
  static_assert(kBinds<Message<int>, decltype(&Wide::TakeInt)>);
  static_assert(!kBinds<Message<int>, decltype(&Wide::TakeBool)>);
  static_assert(!kBinds<Message<std::string, std::string>, decltype(&Wide::TakeText)>);
  static_assert(!kBinds<Message<>, decltype(&Wide::TakeInt)>);
  static_assert(kBinds<Message<Spot, uint32_t>, decltype(&Wide::Ping)>);
  static_assert(kSends<Message<std::string>, const char*>);
  static_assert(!kSends<Message<std::string>, int>);
  static_assert(!kSends<Message<int>>);
  static_assert(!kSends<Message<>, int>);
  static_assert(!kSends<Message<Entity*>, int>);
}

TEST_F(DeclaredMessages, OnlyMessagesSomeClassBindsAreKnown) {
  EXPECT_TRUE(IsKnownMessage(kTakeSpotAndId.Name()));
  EXPECT_TRUE(IsKnownMessage(kThrow.Name())) << "bound by another class";
  EXPECT_FALSE(IsKnownMessage(kNeverBound.Name()));
  EXPECT_FALSE(IsKnownMessage("takeint")) << "names are matched exactly";
}

TEST_F(DeclaredMessages, ComponentsAreFoundByTheirOwnName) {
  EXPECT_EQ(wide->Find<ProbeComponent>(), &wide->probe);
  ASSERT_NE(wide->Find<Gauge>(), nullptr) << "an interface of the component answers too";
  EXPECT_EQ(wide->Find<Gauge>()->Reading(), 42);
  EXPECT_EQ(wide->Find<OtherComponent>(), nullptr);

  auto* recorder = static_cast<Recorder*>(Engine::Get()->GetEntityManager()->Create("Recorder"));
  EXPECT_EQ(recorder->Find<ProbeComponent>(), &recorder->probe);
  EXPECT_EQ(recorder->Find<OtherComponent>(), &recorder->other);
  EXPECT_EQ(recorder->Find<Gauge>(), nullptr) << "the name matches, the kind does not";
  EXPECT_EQ(Engine::Get()->GetEntityManager()->Create("Bare")->Find<ProbeComponent>(), nullptr);
}

#ifndef NDEBUG
TEST_F(DeclaredMessages, DebugBuildsLogAMessageNoClassHandlesOnce) {
  wide->Send(kNeverBound);
  Engine::Get()->Broadcast(kNeverBound, "GUICmd");
  wide->Send(kPing);
  EXPECT_EQ(LogOf("MessageLog"), "No entity class handles the message NeverBound\n");
}
#endif
