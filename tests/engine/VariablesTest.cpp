#include <gtest/gtest.h>

#include "tests/support/EngineFixture.h"

class Variables : public EngineFixture {
 protected:
  VariableTable* vars() { return Bare()->GetVariableTable(); }
};

TEST_F(Variables, TextConversionsFollowTheBoundType) {
  int32_t i = 5;
  bool b = true;
  float f = 0;
  std::string s;
  vars()->BindInt("i", &i);
  vars()->BindBool("b", &b);
  vars()->BindFloat("f", &f);
  vars()->BindString("s", &s);
  vars()->Set("i", "12ab");
  EXPECT_EQ(i, 12);
  vars()->Set("i", "letters");
  EXPECT_EQ(i, 0);
  vars()->Set("i", "-99999999999");
  EXPECT_EQ(i, INT32_MIN);
  vars()->Set("b", "1");
  EXPECT_FALSE(b);
  vars()->Set("f", "1234567");
  std::string text;
  vars()->Get("f", text);
  EXPECT_EQ(text, "1.23457e+06");
  vars()->Set("s", "  kept as is ");
  EXPECT_EQ(s, "  kept as is ");
}

TEST_F(Variables, RebindingMovesTheNameAndCaseMatters) {
  std::string first = "one", second = "two";
  vars()->BindString("AmmoText", &first);
  vars()->BindString("AmmoText", &second);
  EXPECT_EQ(vars()->Size(), 1u);
  std::string text;
  vars()->Get("AmmoText", text);
  EXPECT_EQ(text, "two");
  double fps = 0;
  vars()->BindDouble("fps", &fps);
  EXPECT_FALSE(vars()->Get("FPS", text));
  EXPECT_EQ(Engine::Get()->GetConsole()->PendingLines().back().first, " Couldn't get variable  FPS");
}

TEST_F(Variables, TypedAccessRefusesAnotherTypeInsteadOfOverrunning) {
  bool flag = false;
  vars()->BindBool("AlarmOn", &flag);
  double wide = 0;
  EXPECT_FALSE(vars()->GetTyped("AlarmOn", wide));
  EXPECT_FALSE(vars()->SetTyped("AlarmOn", 3.0));
  EXPECT_FALSE(flag);
  EXPECT_NE(LogOf("EngineLog").find("Couldn't set variable AlarmOn: it is a bool, not a double"), std::string::npos);
  EXPECT_TRUE(SetVariable("AlarmOn", true));
  EXPECT_TRUE(flag);
  bool read = false;
  EXPECT_TRUE(ConsoleBinding::Get("AlarmOn", read));
  EXPECT_TRUE(read);
}
