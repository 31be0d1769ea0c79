#include "entity/MessageArgs.h"

#include <gtest/gtest.h>

TEST(MessageArgs, CopiesShareOneBlockUntilTheLastGoes) {
  MessageArgs original = MessageArgs::FromText("abc");
  {
    MessageArgs a = original, b = original, c = original;
    EXPECT_EQ(original.RefCount(), 4u);
    EXPECT_EQ(a.Value(0), original.Value(0));
    b = MessageArgs();
    EXPECT_EQ(original.RefCount(), 3u);
    EXPECT_EQ(b.RefCount(), 0u);
  }
  EXPECT_EQ(original.RefCount(), 1u);
  EXPECT_EQ(original.GetString(), "abc");
}

TEST(MessageArgs, TextsArePackedWithTheirTerminators) {
  MessageArgs a = MessageArgs::FromFourTexts("a", "", "ccc", "dd");
  EXPECT_EQ(a.Count(), 4u);
  EXPECT_EQ(a.Size(0), 2u);
  EXPECT_EQ(a.Size(1), 1u);
  EXPECT_EQ(a.Size(2), 4u);
  EXPECT_EQ(a.TextAt(2), "ccc");
  std::string x, y;
  MessageArgs::FromTwoTexts("first", "second").GetTwoStrings(x, y);
  EXPECT_EQ(x, "first");
  EXPECT_EQ(y, "second");
}

TEST(MessageArgs, CountIsCheckedBeforeSize) {
  MessageArgs empty;
  EXPECT_THROW(
      {
        try {
          empty.GetBool();
        } catch (const std::exception& e) {
          EXPECT_STREQ(e.what(), "Incorrect number of parameters");
          throw;
        }
      },
      std::exception);
  MessageArgs word = MessageArgs::FromWord(1.0f);
  try {
    word.GetBool();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Variable size does not match expected variable size");
  }
}

TEST(MessageArgs, AValueThatIsNoTextFailsWithoutReadingPastIt) {
  // Four bytes with no NUL among them, asked for as a string: the reader stays inside them.
  MessageArgs word = MessageArgs::FromWord(0x41414141u);
  EXPECT_THROW(word.GetString(), std::exception);
  // A NUL before the end of the value is a size mismatch too.
  MessageArgs early = MessageArgs::FromWord(0x41414100u);
  EXPECT_THROW(early.GetString(), std::exception);
}

TEST(MessageArgs, PairsAndPointers) {
  bool a = false, b = true;
  MessageArgs::FromValues(uint8_t{1}, uint8_t{0}).GetPair(a, b);
  EXPECT_TRUE(a);
  EXPECT_FALSE(b);
  MessageArgs texts = MessageArgs::FromTwoTexts("true", "yes");
  texts.SetText(true);
  texts.GetPair(a, b);
  EXPECT_TRUE(a);
  EXPECT_FALSE(b);

  int target = 0;
  EXPECT_EQ(MessageArgs::FromPointer(&target).GetPointer(), &target);
  MessageArgs typed = MessageArgs::FromText("12");
  typed.SetText(true);
  EXPECT_THROW(typed.GetPointer(), std::exception);
  EXPECT_THROW(typed.GetValue32(), std::exception);
}
