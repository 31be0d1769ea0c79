#include <gtest/gtest.h>

#include "map/StringList.h"
#include "tests/map/MapTestSupport.h"

namespace {

class StringList : public MapFixture {
 protected:
  static constexpr const char* kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
  std::vector<std::string> list{"kept"};
  static int CountLinesStarting(const std::string& text, const std::string& start) {
    int count = 0;
    for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) ++count;
    return count;
  }
};

TEST_F(StringList, ReadsAnyElementNamesAndEmptyEntries) {
  TempDir::Write("Data/l.xml", std::string(kHeader) + "<textures>\r\n <t>a</t><x/><t></t>\r\n<t>b c</t></textures>");
  LoadStringListXml(list, "Data/l.xml", "GraphicsLog");
  EXPECT_EQ(list, (std::vector<std::string>{"a", "", "", "b c"}));
  EXPECT_EQ(LogOf("GraphicsLog"), "");
}

TEST_F(StringList, ASelfClosingRootLeavesTheListAsItIs) {
  TempDir::Write("Data/l.xml", std::string(kHeader) + "<list/>");
  LoadStringListXml(list, "Data/l.xml", "GraphicsLog");
  EXPECT_EQ(list, std::vector<std::string>{"kept"});
}

// A list that is read at every map load names its absence once, in the log of the system
// that reads it; each missing list gets its line.
TEST_F(StringList, AMissingListIsNamedOncePerRunByItsReaderAndNotWritten) {
  for (int load = 0; load < 3; ++load) {
    LoadStringListXml(list, "Data/new.xml", "PhysicsLog");
    LoadStringListXml(list, "Data/other.xml", "PhysicsLog");
  }
  EXPECT_EQ(list, std::vector<std::string>{"kept"});
  EXPECT_EQ(LogOf("PhysicsLog"), "Failed to load config. Data/new.xml: could not open file\n"
                                 "Failed to load config. Data/other.xml: could not open file\n");
  EXPECT_FALSE(TempDir::Exists("GraphicsLog.txt"));
  EXPECT_FALSE(TempDir::Exists("Data/new.xml"));
  // A broken list is no absence: it is named at every read.
  TempDir::Write("Data/l.xml", std::string(kHeader) + "<list><string>a</list>");
  LoadStringListXml(list, "Data/l.xml", "PhysicsLog");
  LoadStringListXml(list, "Data/l.xml", "PhysicsLog");
  EXPECT_EQ(CountLinesStarting(LogOf("PhysicsLog"), "Failed to load config. Data/l.xml"), 2);
}

TEST_F(StringList, ABrokenFileIsLoggedKeepsWhatWasReadAndStays) {
  const std::string broken = std::string(kHeader) + "<list><string>a</string><string>b</list>";
  TempDir::Write("Data/l.xml", broken);
  LoadStringListXml(list, "Data/l.xml", "GraphicsLog");
  EXPECT_EQ(list, std::vector<std::string>{"a"});
  EXPECT_NE(LogOf("GraphicsLog").find("Failed to load config. "), std::string::npos);
  EXPECT_EQ(TempDir::Read("Data/l.xml"), broken);

  TempDir::Write("Data/nested.xml", std::string(kHeader) + "<list><string><a/></string></list>");
  LoadStringListXml(list, "Data/nested.xml", "GraphicsLog");
  EXPECT_TRUE(list.empty());
  TempDir::Write("Data/cut.xml", std::string(kHeader) + "<list><string>a</string>");
  LoadStringListXml(list, "Data/cut.xml", "GraphicsLog");
  EXPECT_EQ(list, std::vector<std::string>{"a"});
}

TEST_F(StringList, SavesAndReadsBackAndLogsAFailedSave) {
  SaveStringListXml({"textures/a", "", "textures/b"}, "Data/out.xml");
  LoadStringListXml(list, "Data/out.xml", "GraphicsLog");
  EXPECT_EQ(list, (std::vector<std::string>{"textures/a", "", "textures/b"}));
  // A missing folder is made; a file standing where the folder belongs is not replaced.
  SaveStringListXml({"x"}, "NoFolder/out.xml");
  EXPECT_EQ(TempDir::Read("NoFolder/out.xml"), std::string(kHeader) + "<list><string>x</string></list>");
  TempDir::Write("Blocked", "");
  SaveStringListXml({"x"}, "Blocked/out.xml");
  EXPECT_EQ(LogOf("GraphicsLog").rfind("Failed to save config. Blocked/out.xml: could not create folder Blocked (", 0), 0u);
  EXPECT_EQ(*FindStringInRange(list.begin(), list.end(), "textures/b"), "textures/b");
  EXPECT_EQ(FindStringInRange(list.begin(), list.end(), "textures/B"), list.end());
}

}  // namespace
