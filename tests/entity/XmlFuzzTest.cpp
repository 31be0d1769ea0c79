#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "platform/core/Random.h"
#include "tests/support/Mutator.h"

// Seeded mutation fuzzing of the reader: every damaged document must end in a SerException or
// read through, never crash, hang or throw anything else. Runs in memory, so it stays fast
// enough for every test run (and the sanitizer pass).
namespace {

const char* kCorpus[] = {
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<var><bool name=\"RunAI\">true</bool>"
    "<bool name=\"RunGraphics\">false</bool><float name=\"dbgInterval\">1.5</float>"
    "<int name=\"count\">-42</int><string name=\"FileName\">models/guard.x</string></var>",
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<list name=\"bindings\">\r\n  <var>\r\n"
    "    <string name=\"Function\">MoveForward</string>\r\n    <string name=\"KeyName\">W</string>\r\n"
    "    <bool name=\"Mouse\">false</bool>\r\n  </var>\r\n  <var/>\r\n</list>\r\n",
    "<?xml version=\"1.0\"?><list><var name=\"pos\"><float name=\"x\">1e+06</float><float name=\"y\">"
    "-0.25</float><float name=\"z\">nan</float></var><list></list><string>a &amp; b\n  c</string></list>",
    "<?xml version=\"1.0\"?><classes><point name=\"ItemSpawn\" box=\"-16 -16 -16 16 16 16\" color=\"1 0 0\">"
    "<string key=\"areaName\" name=\"areaName\">hall</string><integer key=\"k\" name=\"k\">0</integer>"
    "</point></classes>",
};

// Bytes and pieces that steer the scanner into its less travelled paths.
const MutationLimits kLimits{8, 16, 64, {"<", ">", "/", "=", "\"", " ", "\t", "\n", "\r", "!", "?", "-", "[", "]",
                                      "&", ";", "'", std::string(1, '\0'), "\xff", "<var>", "</var>", "<var/>",
                                      "<list name=\"l\">", "</list>", "<float name=\"f\">", "&amp;", "<?xml ?>"}};

// Walks the whole document the way the loaders do: records of value fields, lists by children.
void ReadLikeALoader(const std::string& document) {
  XmlReader reader;
  reader.OpenBuffer(document);
  reader.ReadTag();
  bool flag = false;
  float number = 0;
  int count = 0;
  std::string text;
  for (int step = 0; reader.HasChildren(); ++step) {
    switch (step % 5) {
      case 0: Params::ReadBool(reader, "b", flag); break;
      case 1: Params::ReadFloat(reader, "f", number); break;
      case 2: XmlReadIntElement(reader, count); break;
      case 3: XmlReadStringElement(reader, text); break;
      default:
        reader.ReadTag();
        text = reader.GetAttributes().empty() ? "" : reader.GetAttributes().begin()->second;
        break;
    }
  }
  for (;;) reader.ReadTag();  // ends at the document's end with a SerException
}

TEST(XmlFuzzTest, MutatedDocumentsOnlyEverThrowSerException) {
  platform::SeedRandom(20261206);
  const int kDocuments = 100000;
  int failures = 0;
  for (int i = 0; i < kDocuments; ++i) {
    const std::string doc = Mutate(kCorpus[PickBelow(std::size(kCorpus))], kLimits);
    try {
      ReadLikeALoader(doc);
    } catch (const SerException& e) {
      ++failures;
      ASSERT_TRUE(e.Code() == 1) << e.what();
    } catch (const std::exception& e) {
      FAIL() << "document " << i << " threw " << e.what();
    }
  }
  EXPECT_EQ(failures, kDocuments);  // every walk ends past the document's end
}

}  // namespace
