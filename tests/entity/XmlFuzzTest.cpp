#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"

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

// Bytes that steer the scanner into its less travelled paths.
const char kSpecial[] = "<>/=\" \t\n\r!?-[]&;'\0\xff";

std::string Mutate(std::mt19937& rng, const std::vector<std::string>& corpus) {
  std::string doc = corpus[rng() % corpus.size()];
  int edits = 1 + rng() % 8;
  for (int e = 0; e < edits && !doc.empty(); ++e) {
    size_t at = rng() % doc.size();
    switch (rng() % 7) {
      case 0: doc[at] = static_cast<char>(rng()); break;
      case 1: doc[at] = kSpecial[rng() % (sizeof kSpecial - 1)]; break;
      case 2: doc.insert(at, 1, kSpecial[rng() % (sizeof kSpecial - 1)]); break;
      case 3: doc.erase(at, 1 + rng() % 16); break;
      case 4: doc.resize(at); break;
      case 5: {  // repeat a slice, nesting elements deeper
        std::string slice = doc.substr(at, 1 + rng() % 64);
        doc.insert(rng() % doc.size(), slice);
        break;
      }
      default: {  // splice in a piece of another document
        const std::string& other = corpus[rng() % corpus.size()];
        size_t from = rng() % other.size();
        doc.insert(at, other.substr(from, 1 + rng() % 80));
        break;
      }
    }
  }
  return doc;
}

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
  std::vector<std::string> corpus(std::begin(kCorpus), std::end(kCorpus));
  std::mt19937 rng(20261206);
  const int kDocuments = 100000;
  int failures = 0;
  for (int i = 0; i < kDocuments; ++i) {
    std::string doc = Mutate(rng, corpus);
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
