#include "map/EntityLumpParser.h"

#include <gtest/gtest.h>

namespace {

TEST(EntityLumpParser, ReadsBlocksAndKeepsTheLaterDuplicate) {
  EntityLump lump = ParseEntityText(
      "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"ItemSpawn\"\n"
      "\"areaName\" \"Egypt\"\n\"areaName\" \"Vault\"\n}\n");
  ASSERT_EQ(lump.entities.size(), 2u);
  EXPECT_EQ(lump.entities[1].at("areaName"), "Vault");
  EXPECT_TRUE(lump.problems.empty());
}

TEST(EntityLumpParser, AcceptsWindowsLineEndsBlankLinesAndTheNul) {
  static const char text[] = "{\r\n\"classname\" \"A\"\r\n}\r\n\r\n  \n{\r\n\t\"classname\" \"B\"\r\n}\r\n";
  EntityLump lump = ParseEntityText(std::string_view(text, sizeof text));  // with the NUL
  ASSERT_EQ(lump.entities.size(), 2u);
  EXPECT_EQ(lump.entities[0].at("classname"), "A");
  EXPECT_EQ(lump.entities[1].at("classname"), "B");
  EXPECT_TRUE(lump.problems.empty());
}

TEST(EntityLumpParser, ReportsMalformedLinesAndKeepsTheRest) {
  EntityLump lump = ParseEntityText(
      "junk\n{\n\"classname\" \"A\n\"origin\" \"1 2 3\"\nno quotes\n\"key\"\n\"k\"  \"v\"\n");
  ASSERT_EQ(lump.entities.size(), 1u);  // the end of the text closes the open block
  const KeyValueMap& e = lump.entities[0];
  EXPECT_EQ(e.count("classname"), 0u);  // unterminated quote adds nothing
  EXPECT_EQ(e.at("origin"), "1 2 3");
  EXPECT_EQ(e.at("k"), "");  // two blanks: the value does not start with a quote
  ASSERT_EQ(lump.problems.size(), 4u);
  EXPECT_EQ(lump.problems[0], "line 1: text outside an entity block");
  EXPECT_EQ(lump.problems[1], "line 3: unterminated quote");
  EXPECT_EQ(lump.problems[2], "line 5: not a \"key\" \"value\" line");
  EXPECT_EQ(lump.problems[3], "line 6: no value after the key");
}

TEST(EntityLumpParser, UnterminatedValueQuoteAddsNothing) {
  EntityLump lump = ParseEntityText("{\n\"origin\" \"1 2 3\n}\n");
  ASSERT_EQ(lump.entities.size(), 1u);
  EXPECT_TRUE(lump.entities[0].empty());
  EXPECT_EQ(lump.problems.size(), 1u);
}

TEST(ReadVectorKey, ReadsThreeNumbersAndFillsMissingOnesWithZero) {
  float v[3];
  EXPECT_EQ(ReadVectorKey("10 20 30", v), 3);
  EXPECT_EQ(v[0], 10.0f);
  EXPECT_EQ(v[1], 20.0f);
  EXPECT_EQ(v[2], 30.0f);
  EXPECT_EQ(ReadVectorKey("10 -20.5", v), 2);
  EXPECT_EQ(v[1], -20.5f);
  EXPECT_EQ(v[2], 0.0f);
  EXPECT_EQ(ReadVectorKey("", v), 0);
  EXPECT_EQ(v[0], 0.0f);
  EXPECT_EQ(ReadVectorKey("12abc x nan", v), 3);  // leading number of each token, else 0
  EXPECT_EQ(v[0], 12.0f);
  EXPECT_EQ(v[1], 0.0f);
  EXPECT_EQ(v[2], 0.0f);
  EXPECT_EQ(ReadVectorKey("1e999 +4  5", v), 3);
  EXPECT_EQ(v[0], 0.0f);
  EXPECT_EQ(v[1], 4.0f);
  EXPECT_EQ(v[2], 5.0f);
}

}  // namespace
