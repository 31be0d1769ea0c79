#include <gtest/gtest.h>

#include "tests/support/EngineFixture.h"

class Clocked : public EngineFixture {
 protected:
  void Step(double seconds) {
    clock.AdvanceSeconds(seconds);
    Engine::Get()->GetTimer()->Update();
  }
};

TEST_F(Clocked, ASlowFrameCountsForATenthOfASecond) {
  Timer* t = Bare()->GetTimer();
  Step(0.5);
  EXPECT_DOUBLE_EQ(t->GetDelta(), 0.1);
  Step(0.02);
  EXPECT_NEAR(t->GetDelta(), 0.02, 1e-9);
}

TEST_F(Clocked, PauseFreezesGameTimeAndJumpsOnResume) {
  Timer* t = Bare()->GetTimer();
  Step(1.0);
  t->SetPaused(true);
  Step(0.05);
  EXPECT_EQ(t->GetDelta(), 0.0);
  EXPECT_NEAR(t->GetRawDelta(), 0.05, 1e-9);
  double frozen = t->GetTime();
  for (int i = 0; i < 60; ++i) Step(0.05);
  EXPECT_EQ(t->GetTime(), frozen);
  t->SetPaused(false);
  Step(0.05);
  EXPECT_NEAR(t->GetTime() - frozen, 3.1, 1e-9);
}

TEST_F(Clocked, GameTimeStartsAtZeroWhateverTheCounterSays) {
  clock.Set(int64_t{1000000} * 3600 * 24 * 40);  // forty days of uptime
  Timer* t = Bare()->GetTimer();
  EXPECT_EQ(t->GetTime(), 0.0);
  Step(0.25);
  EXPECT_NEAR(t->GetTime(), 0.25, 1e-9);
}

TEST_F(Clocked, DisabledProfilerMakesNoSectionsAndNoVariables) {
  Engine* e = Bare();
  Profiler* p = e->GetProfiler();
  p->Start("AI");
  p->Stop("AI");
  p->Report();
  EXPECT_FALSE(p->HasSection("AI"));
  EXPECT_EQ(e->GetVariableTable()->Size(), 0u);
}

TEST_F(Clocked, ASectionTakingAQuarterOfEachFrameShowsTwentyFivePercent) {
  Engine* e = Bare();
  Profiler* p = e->GetProfiler();
  p->SetEnabled(true);
  p->SetInterval(1.0f);
  p->Stop("Never");  // a stop without a start changes nothing
  EXPECT_FALSE(p->HasSection("Never"));
  // Ten frames of 0.1 s add up to a hair under one second in binary; the report comes with
  // the eleventh.
  for (int frame = 0; frame < 11; ++frame) {
    p->Start("AI");
    clock.AdvanceSeconds(0.025);
    p->Stop("AI");
    Step(0.075);
    p->Report();
  }
  std::string text;
  EXPECT_TRUE(e->GetVariableTable()->Get("AITime", text));
  EXPECT_EQ(text, "25%");
}

TEST_F(Clocked, NoReportFallsDueWhileTheTimerIsPaused) {
  Engine* e = Bare();
  Profiler* p = e->GetProfiler();
  p->SetEnabled(true);
  p->Start("AI");
  p->Stop("AI");
  e->GetTimer()->SetPaused(true);
  for (int i = 0; i < 30; ++i) {
    Step(0.1);
    p->Report();
  }
  EXPECT_EQ(p->SectionText("AI"), "");
}
