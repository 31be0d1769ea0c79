#include <gtest/gtest.h>

#include "tests/entity/TestEntities.h"
#include "tests/support/EngineFixture.h"

namespace {

inline constexpr Message<> kUpdateVisible{"UpdateVisible"};
inline constexpr Message<> kChain{"Chain"};
inline constexpr Message<> kNow{"Now"};

// Re-posts a message to itself from its own handler, like the entities that use delayed
// messages as timers.
class Ticker : public EntityClass<Ticker> {
 public:
  static constexpr char kClassName[] = "Ticker";
  static void Describe(ClassBuilder<Ticker>& c) {
    c.Message(kUpdateVisible, &Ticker::UpdateVisible);
    c.Message(kChain, &Ticker::Chain);
    c.Message(kNow, &Ticker::Now);
  }
  void OnCreate() override {}
  void UpdateVisible() {
    times.push_back(Engine::Get()->GetTimer()->GetTime());
    Engine::Get()->GetMessageQueue()->Post(this, kUpdateVisible, 0.25f);
  }
  void Chain() { Engine::Get()->GetMessageQueue()->Post(this, kNow, 0.0f); }
  void Now() { ++nows; }
  std::vector<double> times;
  int nows = 0;
};

class Queue : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    RegisterEntityClass<Recorder>("LogicLog");
    RegisterEntityClass<Ticker>("LogicLog");
  }
  template <class T>
  T* Make(const char* name) {
    return static_cast<T*>(Engine::Get()->GetEntityManager()->Create(name));
  }
  void Tick(double seconds) {
    clock.AdvanceSeconds(seconds);
    Engine::Get()->GetTimer()->Update();
    Engine::Get()->GetMessageQueue()->Update();
  }
};

}  // namespace

TEST_F(Queue, UpdatesComeBeforeDelayedMessagesWhichComeInPostingOrder) {
  Engine* engine = Engine::Get();
  Recorder* a = Make<Recorder>("Recorder");
  Recorder* b = Make<Recorder>("Recorder");
  MessageQueue* q = engine->GetMessageQueue();
  q->RegisterUpdate(b);
  q->RegisterUpdate(a);
  q->Post(a, kTakeInt, 0.2f, 2);
  q->Post(a, kTakeInt, 0.1f, 1);
  Tick(0.05);
  EXPECT_EQ(a->seen, (std::vector<std::string>{"OnCreate", "OnUpdate"}));
  Tick(0.3);
  // Both fall due in one frame and arrive in the order posted, not by due time.
  EXPECT_EQ(a->seen, (std::vector<std::string>{"OnCreate", "OnUpdate", "OnUpdate", "int:2", "int:1"}));
  EXPECT_EQ(b->seen.size(), 3u);
}

TEST_F(Queue, ATimerEntityFiresAboutEveryQuarterSecondAndNeverTwiceAFrame) {
  Ticker* t = Make<Ticker>("Ticker");
  Engine::Get()->GetMessageQueue()->Post(t, kUpdateVisible, 0.25f);
  for (int i = 0; i < 60; ++i) Tick(1.0 / 60);
  ASSERT_EQ(t->times.size(), 3u);
  for (size_t i = 1; i < t->times.size(); ++i) EXPECT_NEAR(t->times[i] - t->times[i - 1], 0.25, 1.0 / 60 + 1e-9);
}

TEST_F(Queue, AZeroDelayPostedFromADelayedHandlerArrivesInTheSamePass) {
  Ticker* t = Make<Ticker>("Ticker");
  Engine::Get()->GetMessageQueue()->Post(t, kChain, 0.0f);
  Tick(0.01);
  EXPECT_EQ(t->nows, 1);
}

TEST_F(Queue, MessagesToDeletedEntitiesAreDroppedSilently) {
  Engine* engine = Engine::Get();
  Recorder* r = Make<Recorder>("Recorder");
  engine->GetMessageQueue()->RegisterUpdate(r);
  engine->GetMessageQueue()->Post(r, kPing, 0.0f);
  engine->GetEntityManager()->QueueDelete(r);
  engine->GetEntityManager()->ProcessDeletions();
  Tick(0.01);
  EXPECT_EQ(engine->GetMessageQueue()->UpdateListSize(), 0u);
  EXPECT_EQ(engine->GetMessageQueue()->DelayedCount(), 0u);
  EXPECT_FALSE(TempDir::Exists("LogicLog.txt"));
}

TEST_F(Queue, NothingFallsDueWhilePausedAndAllArriveTogetherAfter) {
  Engine* engine = Engine::Get();
  Recorder* r = Make<Recorder>("Recorder");
  engine->GetMessageQueue()->Post(r, kTakeInt, 0.5f, 1);
  engine->GetMessageQueue()->Post(r, kTakeInt, 1.0f, 2);
  engine->GetTimer()->SetPaused(true);
  for (int i = 0; i < 30; ++i) Tick(0.1);
  EXPECT_EQ(r->seen.size(), 1u);
  engine->GetTimer()->SetPaused(false);
  Tick(0.01);
  EXPECT_EQ(r->seen, (std::vector<std::string>{"OnCreate", "int:1", "int:2"}));
}

TEST_F(Queue, ADelayPostedBeforeTheFirstFrameRunsItsFullLength) {
  // The counter starts far from zero, as on a machine that has been up for days.
  Engine::Current()->Shutdown();
  clock.Set(int64_t{1000000} * 86400 * 3);
  SetUp();
  Recorder* r = Make<Recorder>("Recorder");
  Engine::Get()->GetMessageQueue()->Post(r, kPing, 1.0f);
  Tick(0.05);
  EXPECT_EQ(r->seen.size(), 1u);
  for (int i = 0; i < 20; ++i) Tick(0.05);
  EXPECT_EQ(r->seen.back(), "Ping");
}
