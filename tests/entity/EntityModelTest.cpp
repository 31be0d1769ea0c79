#include <gtest/gtest.h>

#include "tests/entity/TestEntities.h"
#include "tests/support/EngineFixture.h"

class EntityModel : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    RegisterEntityClass<Recorder>("LogicLog");
    RegisterEntityClass<::Bare>("LogicLog");
  }
  Recorder* Make() { return static_cast<Recorder*>(Engine::Get()->GetEntityManager()->Create("Recorder")); }
};

TEST_F(EntityModel, FirstEntityOfTheProcessHasIdOneAndIdsIncrease) {
  Recorder* a = Make();
  Recorder* b = Make();
  EXPECT_EQ(a->GetId(), 1u);
  EXPECT_GT(b->GetId(), a->GetId());
  EXPECT_EQ(a->GetClassName(), "Recorder");
}

TEST_F(EntityModel, CreateActivatesComponentsThenRunsOnCreate) {
  Recorder* r = Make();
  EXPECT_EQ(r->probe.activations, 1);
  EXPECT_EQ(r->probe.owner, r);
  EXPECT_EQ(r->probe.active, 1);
  EXPECT_EQ(r->GetComponent("Other"), &r->other);
  EXPECT_EQ(r->GetComponent("Missing"), nullptr);
  EXPECT_EQ(r->seen, std::vector<std::string>{"OnCreate"});

  Entity* bare = Engine::Get()->GetEntityManager()->Create("Bare");
  EXPECT_EQ(bare->GetComponent("Probe"), nullptr);
}

TEST_F(EntityModel, UnknownMessagesAreIgnoredWithoutALogLine) {
  Recorder* r = Make();
  MessageArgs none;
  r->HandleMessage("NoSuchMessage", &none);
  EXPECT_EQ(r->seen.size(), 1u);
  EXPECT_FALSE(TempDir::Exists("LogicLog.txt"));
}

TEST_F(EntityModel, BindersCheckCountAndSizeAndLogOnTheClassChannel) {
  Recorder* r = Make();
  MessageArgs two = MessageArgs::FromValues(int32_t{1}, int32_t{2});
  r->HandleMessage("TakeInt", &two);
  MessageArgs none;
  r->HandleMessage("TakeInt", &none);
  MessageArgs word = MessageArgs::FromWord(int32_t{7});
  r->HandleMessage("TakeBool", &word);
  r->HandleMessage("TakeInt", &word);
  MessageArgs byte = MessageArgs::FromByte(true);
  r->HandleMessage("TakeBool", &byte);
  EXPECT_EQ(r->seen, (std::vector<std::string>{"OnCreate", "int:7", "bool:true"}));
  EXPECT_EQ(LogOf("LogicLog"),
            "Incorrect number of parameters\nIncorrect number of parameters\n"
            "Variable size does not match expected variable size\n");
}

TEST_F(EntityModel, ConsoleTextReachesTypedHandlers) {
  Recorder* r = Make();
  auto send = [&](const char* msg, const char* text) {
    MessageArgs a = MessageArgs::FromText(text);
    a.SetText(true);
    r->HandleMessage(msg, &a);
  };
  send("TakeInt", "12abc");
  send("TakeInt", "abc");
  send("TakeInt", "99999999999");
  send("TakeFloat", "2.5x");
  send("TakeBool", "true");
  send("TakeBool", "True");
  send("TakeText", "hello");
  // An entity id has no text form: refused and logged instead of reading garbage.
  send("TakeId", "12");
  EXPECT_EQ(r->seen, (std::vector<std::string>{"OnCreate", "int:12", "int:0", "int:2147483647", "float:2.500000",
                                               "bool:true", "bool:false", "text:hello"}));
  EXPECT_NE(LogOf("LogicLog").find(kParameterHasNoText), std::string::npos);
}

TEST_F(EntityModel, HandlerExceptionsReachTheSender) {
  Recorder* r = Make();
  EXPECT_THROW(r->Send(kThrow), std::runtime_error);
}

TEST_F(EntityModel, DeletedEntityLeavesNoTraceInChannels) {
  Engine* engine = Engine::Get();
  Recorder* a = Make();
  Recorder* b = Make();
  engine->Subscribe(a, "GUICmd");
  engine->Subscribe(b, "GUICmd");
  engine->Subscribe(a, "ConsoleCmd");
  engine->GetEntityManager()->QueueDelete(a);
  engine->GetEntityManager()->ProcessDeletions();
  EXPECT_EQ(engine->GetSubscribers("GUICmd"), std::vector<Entity*>{b});
  EXPECT_TRUE(engine->GetSubscribers("ConsoleCmd").empty());
}

TEST_F(EntityModel, SubscribedTwiceHandlesTwiceUntilUnsubscribedOnce) {
  Engine* engine = Engine::Get();
  Recorder* r = Make();
  engine->Subscribe(r, "GUICmd");
  engine->Subscribe(r, "GUICmd");
  engine->Broadcast(kPing, "GUICmd");
  engine->Unsubscribe(r, "GUICmd");
  engine->Broadcast(kPing, "GUICmd");
  EXPECT_EQ(r->seen, (std::vector<std::string>{"OnCreate", "Ping", "Ping", "Ping"}));
  // Broadcasting on a channel nobody joined creates it, empty.
  engine->Broadcast(kPing, "Nobody");
  EXPECT_TRUE(engine->GetSubscribers("Nobody").empty());
}
