#include <gtest/gtest.h>

#include "entity/RecordFields.h"
#include "tests/entity/XmlTestUtil.h"
#include "tests/support/TempDir.h"

namespace {

struct Key {
  float t = 0.0f;
  float value[4] = {0, 0, 0, 0};
};

template <class Fields>
void VisitFields(Fields& f, Key& k) {
  f("t", k.t);
  f("value", k.value);
}

struct Sample {
  bool on = true;
  int count = 7;
  float volume = 0.5f;
  std::string name = "default";
  platform::Vector3 where{1, 2, 3};
  platform::Color tint{0.1f, 0.2f, 0.3f, 1.0f};
  std::vector<Key> keys;
  std::map<std::string, std::vector<std::string>> groups;
};

template <class Fields>
void VisitFields(Fields& f, Sample& s) {
  f("on", s.on);
  f("count", s.count);
  f("volume", s.volume, RecordFields::Limits{0.0, 1.0});
  f("name", s.name);
  f("where", s.where);
  f("tint", s.tint);
  f("keys", s.keys);
  f("groups", s.groups);
}

// Numbers with a least value only.
struct Stock {
  int count = 3;
  float time = 1.5f;
};

template <class Fields>
void VisitFields(Fields& f, Stock& s) {
  f("count", s.count, RecordFields::AtLeast(0.0));
  f("time", s.time, RecordFields::AtLeast(0.0));
}

std::string Write(const Sample& sample) {
  TempDir dir;
  XmlWriter writer;
  writer.Open("out.xml");
  RecordFields::FieldWriter(writer).WriteDocument(sample);
  writer.Close();
  return TempDir::Read("out.xml").substr(kXmlDeclaration.size());
}

// Reads `body` into a sample that starts from its defaults; the notes go to `notes`.
Sample Read(const std::string& body, std::vector<std::string>* notes = nullptr,
            RecordFields::FieldReader::Order order = RecordFields::FieldReader::Order::Positional) {
  XmlReader reader;
  reader.OpenBuffer(kXmlDeclaration + body);
  RecordFields::FieldReader fields(reader, order);
  Sample sample;
  fields.ReadDocument(sample);
  if (notes) *notes = fields.Notes();
  return sample;
}

const std::string kDefaultShape =
    "<var><bool name=\"on\">true</bool><int name=\"count\">7</int><float name=\"volume\">0.5</float>"
    "<string name=\"name\">default</string>"
    "<var name=\"where\"><float name=\"x\">1</float><float name=\"y\">2</float><float name=\"z\">3</float></var>"
    "<var name=\"tint\"><float name=\"0\">0.1</float><float name=\"1\">0.2</float><float name=\"2\">0.3</float>"
    "<float name=\"3\">1</float></var><list name=\"keys\"></list><list name=\"groups\"></list></var>";

TEST(RecordFieldsTest, OneFieldListGivesTheWrittenShapeAndReadsItBack) {
  EXPECT_EQ(Write(Sample()), kDefaultShape);

  Sample s;
  s.on = false;
  s.name = "hall";
  s.keys = {{0.5f, {1, 0.5f, 0.25f, 0}}};
  s.groups = {{"a", {"x", ""}}, {"b", {}}};
  const std::string written = Write(s);
  EXPECT_NE(written.find("<list name=\"keys\"><var><float name=\"t\">0.5</float><var name=\"value\"><float name=\"0\">1"
                         "</float><float name=\"1\">0.5</float>"),
            std::string::npos);
  EXPECT_NE(written.find("<list name=\"groups\"><pair><string>a</string><list><string>x</string><string></string>"
                         "</list></pair><pair><string>b</string><list></list></pair></list>"),
            std::string::npos);
  const Sample back = Read(written);
  EXPECT_FALSE(back.on);
  EXPECT_EQ(back.name, "hall");
  ASSERT_EQ(back.keys.size(), 1u);
  EXPECT_EQ(back.keys[0].value[1], 0.5f);
  EXPECT_EQ(back.groups, s.groups);
  EXPECT_EQ(Write(back), written);
}

TEST(RecordFieldsTest, ReadingGoesByPositionAndWhatIsNotThereKeepsItsValue) {
  // Names are not looked at; self-closing elements and a record that ends early keep values.
  Sample s = Read(
      "<x><bool name=\"count\">false</bool><int/><float>0.25</float><string>a</string>"
      "<var><float>9</float></var></x>");
  EXPECT_FALSE(s.on);
  EXPECT_EQ(s.count, 7);
  EXPECT_EQ(s.volume, 0.25f);
  EXPECT_EQ(s.name, "a");
  EXPECT_EQ(s.where, (platform::Vector3{9, 2, 3}));
  EXPECT_EQ(s.tint.r, 0.1f);
  // A self-closing document keeps everything.
  EXPECT_EQ(Read("<var/>").name, "default");
}

TEST(RecordFieldsTest, AnElementWhereAValueOrTheEndBelongsIsRefused) {
  ExpectSerException([] { Read("<var><bool><a/></bool></var>"); }, "<a/> found inside <bool>", 1);
  ExpectSerException(
      [] { Read("<var><bool/><int/><float/><string/><var><float/><float/><float/><float/></var></var>"); },
      "<float/> found inside <var>", 1);
}

TEST(RecordFieldsTest, NumbersNoFieldCanHoldKeepTheValueWithANoteNamingTheField) {
  std::vector<std::string> notes;
  Sample s = Read(
      "<var><bool/><int>-99999999999999999999</int><float>1e20</float><string/>"
      "<var><float>nan</float><float>1.#INF</float><float>1e39</float></var>"
      "<var><float>inf</float></var>"
      "<list><var><float>2</float><var><float>1</float><float>-1.#IND</float></var></var></list></var>",
      &notes);
  EXPECT_EQ(s.count, 7);
  EXPECT_EQ(s.volume, 0.5f);
  EXPECT_EQ(s.where, (platform::Vector3{1, 2, 3}));
  EXPECT_EQ(s.tint.r, 0.1f);
  ASSERT_EQ(s.keys.size(), 1u);
  EXPECT_EQ(s.keys[0].t, 2.0f);
  EXPECT_EQ(s.keys[0].value[0], 1.0f);
  EXPECT_EQ(s.keys[0].value[1], 0.0f);
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "count \"-99999999999999999999\" does not fit a 32-bit integer: kept 7",
                       "volume 1e+20 is outside 0 to 1: kept 0.5",
                       "where.x \"nan\" is not a finite number: kept 1",
                       "where.y \"1.#INF\" is not a finite number: kept 2",
                       "where.z \"1e39\" is not a finite number: kept 3",
                       "tint.0 \"inf\" is not a finite number: kept 0.1",
                       "tint.1 and the fields after it are missing: they keep their values",
                       "keys[0].value.1 \"-1.#IND\" is not a finite number: kept 0",
                       "keys[0].value.2 and the fields after it are missing: they keep their values",
                       "groups and the fields after it are missing: they keep their values",
                   }));
}

// Text that is not a number used to read as 0 without a word; a number with text after it is
// taken, as the saved form reads the leading number, but said too.
TEST(RecordFieldsTest, TextThatIsNotWhollyANumberAndARecordEndingEarlyAreNoted) {
  std::vector<std::string> notes;
  Sample s = Read("<var><bool/><int>seven</int><float/><string/><var><float>12abc</float><float></float>"
                  "<float> -4 </float></var></var>",
                  &notes);
  EXPECT_EQ(s.count, 7);
  EXPECT_EQ(s.where, (platform::Vector3{12, 2, -4}));
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "count \"seven\" is not a number: kept 7",
                       "where.x \"12abc\" is not wholly a number: read as 12",
                       "where.y \"\" is not a number: kept 2",
                       "tint and the fields after it are missing: they keep their values",
                   }));
  Read("<var><bool/><int/><float/><string/><var/><var><float>1</float></var><list/><list/></var>", &notes);
  EXPECT_EQ(notes, std::vector<std::string>{"tint.1 and the fields after it are missing: they keep their values"});
}

TEST(RecordFieldsTest, ADocumentHoldingNoneOfItsValuesIsTold) {
  auto foundNone = [](const std::string& body) {
    XmlReader reader;
    reader.OpenBuffer(kXmlDeclaration + body);
    RecordFields::FieldReader fields(reader);
    Sample sample;
    fields.ReadDocument(sample);
    return fields.FoundNoValue();
  };
  EXPECT_TRUE(foundNone("<var/>"));
  EXPECT_TRUE(foundNone("<var></var>"));
  EXPECT_TRUE(foundNone("<var><bool/><int/><float/><string/><var/><var><float/></var></var>"));
  EXPECT_FALSE(foundNone("<var><bool/><int>3</int></var>"));
  EXPECT_FALSE(foundNone("<var><bool/><int/><float/><string/><var/><var/><list></list></var>")) << "an empty list is one";
}

TEST(RecordFieldsTest, CheckedReadingRefusesElementsOutOfPlace) {
  const auto checked = RecordFields::FieldReader::Order::Checked;
  ExpectSerException([&] { Read("<var><int name=\"count\">1</int></var>", nullptr, checked); },
                     "<bool name=\"on\"> expected, found <int name=\"count\">", 1);
  ExpectSerException([&] { Read("<var><bool>true</bool><int name=\"amount\">1</int></var>", nullptr, checked); },
                     "<int name=\"count\"> expected, found <int name=\"amount\">", 1);
  ExpectSerException([&] { Read("<var><bool/></var>", nullptr, checked); },
                     "<int name=\"count\"> expected, found the end of the element around it", 1);
  ExpectSerException([&] { Read("<var/>", nullptr, checked); }, "the document's element is empty", 1);
  // In order, unnamed or self-closing values are fine; a flag that is neither word is noted.
  std::vector<std::string> notes;
  const std::string body = "<var><bool>True</bool><int/><float/><string/><var/><var/><list/><list/></var>";
  EXPECT_FALSE(Read(body, &notes, checked).on);
  EXPECT_EQ(notes, std::vector<std::string>{"on is \"True\", not true or false: read as false"});
  EXPECT_TRUE(Read(body, &notes).on == false && notes.empty()) << "positional reading does not note flags";
}

// A count or a time below zero used to be taken as it stood.
TEST(RecordFieldsTest, ANumberBelowItsLeastKeepsTheValueHeldAndIsNoted) {
  auto read = [](const std::string& body, std::vector<std::string>& notes) {
    XmlReader reader;
    reader.OpenBuffer(kXmlDeclaration + body);
    RecordFields::FieldReader fields(reader);
    Stock stock;
    fields.ReadDocument(stock);
    notes = fields.Notes();
    EXPECT_EQ(fields.RefusedCount(), notes.size());
    return stock;
  };
  std::vector<std::string> notes;
  Stock s = read("<var><int>-1</int><float>-0.5</float></var>", notes);
  EXPECT_EQ(s.count, 3);
  EXPECT_EQ(s.time, 1.5f);
  EXPECT_EQ(notes, (std::vector<std::string>{"count -1 is below 0: kept 3", "time -0.5 is below 0: kept 1.5"}));
  s = read("<var><int>0</int><float>1e30</float></var>", notes);
  EXPECT_EQ(s.count, 0);
  EXPECT_EQ(s.time, 1e30f);
  EXPECT_TRUE(notes.empty());
}

// The camera paths' form never compared names, but a "string" where a "float" stands was read
// as a number without a word.
TEST(RecordFieldsTest, KindsReadingRefusesAnotherKindAndReadsAnotherName) {
  const auto kinds = RecordFields::FieldReader::Order::Kinds;
  ExpectSerException([&] { Read("<var><bool/><string name=\"count\">7</string></var>", nullptr, kinds); },
                     "<int name=\"count\"> expected, found <string name=\"count\">", 1);
  ExpectSerException([&] { Read("<list></list>", nullptr, kinds); }, "<var> expected, found <list>", 1);
  // Names are not compared, and what is not there keeps its value, as in positional reading.
  std::vector<std::string> notes;
  const Sample s = Read("<var><bool name=\"x\">true</bool><int name=\"amount\">4</int><float/></var>", &notes, kinds);
  EXPECT_TRUE(s.on);
  EXPECT_EQ(s.count, 4);
  EXPECT_EQ(s.volume, 0.5f);
  EXPECT_EQ(notes, std::vector<std::string>{"name and the fields after it are missing: they keep their values"});
}

TEST(XmlReaderPositionTest, LinesAndColumnsOfTheFile) {
  XmlReader reader;
  reader.OpenBuffer("<?xml?>\r\n<var>\r\n  <bool>");
  EXPECT_EQ(reader.Position(), "line 1, column 8");
  reader.ReadTag();
  reader.ReadTag();
  EXPECT_EQ(reader.Position(), "line 3, column 9");
}

}  // namespace
