#include "entity/Params.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "entity/EditorKeys.h"
#include "entity/FgdWriter.h"
#include "entity/ValueText.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "tests/entity/XmlTestUtil.h"
#include "tests/support/TempDir.h"

namespace {

const std::string& kDecl = kXmlDeclaration;

// What `write` puts on the line after the declaration.
template <class Write>
std::string Written(Write write) {
  TempDir dir;
  XmlWriter writer;
  writer.Open("out.xml");
  write(writer);
  writer.Close();
  return TempDir::Read("out.xml").substr(kDecl.size());
}

XmlReader Reader(const std::string& body) {
  XmlReader reader;
  reader.OpenBuffer(kDecl + body);
  return reader;
}

TEST(ValueTextTest, FloatsInDefaultStreamForm) {
  EXPECT_EQ(FloatText(0.1f), "0.1");
  EXPECT_EQ(FloatText(100.0f), "100");
  EXPECT_EQ(FloatText(1234567.0f), "1.23457e+06");
  EXPECT_EQ(FloatText(-0.5f), "-0.5");
  EXPECT_EQ(FloatText(0.0001f), "0.0001");
  EXPECT_EQ(FloatText(0.00001f), "1e-05");
  EXPECT_EQ(FloatText(1.0f / 3.0f), "0.333333");
  for (float f : {0.1f, 100.0f, 1234567.0f, 1.0f / 3.0f}) EXPECT_NEAR(ParseFloatText(FloatText(f)), f, f * 1e-5f);
}

TEST(ValueTextTest, FloatTextsReadAsLeadingNumberClampedToFloatRange) {
  EXPECT_EQ(ParseFloatText("12.5abc"), 12.5f);
  EXPECT_EQ(ParseFloatText("  -3e2"), -300.0f);
  EXPECT_EQ(ParseFloatText("abc"), 0.0f);
  EXPECT_EQ(ParseFloatText(""), 0.0f);
  EXPECT_EQ(ParseFloatText("1e39"), FLT_MAX);
  EXPECT_EQ(ParseFloatText("-1e999"), -FLT_MAX);
  EXPECT_EQ(ParseFloatText("inf"), FLT_MAX);
  EXPECT_EQ(ParseFloatText("-Infinity"), -FLT_MAX);
  EXPECT_EQ(ParseFloatText("nan"), 0.0f);
  EXPECT_EQ(ParseFloatText("1e-50"), 0.0f);
}

TEST(ValueTextTest, IntsAreBaseTenClampedTo32Bits) {
  EXPECT_EQ(ParseIntText("-12abc"), -12);
  EXPECT_EQ(ParseIntText(" +7"), 7);
  EXPECT_EQ(ParseIntText("0x10"), 0);
  EXPECT_EQ(ParseIntText("abc"), 0);
  EXPECT_EQ(ParseIntText("2147483648"), INT_MAX);
  EXPECT_EQ(ParseIntText("-99999999999999999999999"), INT_MIN);
}

TEST(ValueTextTest, SettingsNumbersSayWhetherTheTextIsWhollyANumber) {
  using F = NumberReading<float>;
  using I = NumberReading<int>;
  struct FloatCase {
    const char* text;
    F::Kind kind;
    float value;
  } floats[] = {{"12.5", F::kWhole, 12.5f}, {" -3e2 ", F::kWhole, -300.0f}, {"12abc", F::kTrailing, 12.0f},
                {"1.5 2", F::kTrailing, 1.5f},  {"seven", F::kNoNumber, 0.0f}, {"", F::kNoNumber, 0.0f},
                {"nan", F::kUnfit, 0.0f},       {"1e39", F::kUnfit, 0.0f},     {"1.#QNAN", F::kUnfit, 0.0f}};
  for (const FloatCase& c : floats) {
    const F read = ReadFloatSetting(c.text);
    EXPECT_EQ(read.kind, c.kind) << c.text;
    if (read.Taken()) {
      EXPECT_EQ(read.value, c.value) << c.text;
    }
  }
  struct IntCase {
    const char* text;
    I::Kind kind;
    int value;
  } ints[] = {{"-5", I::kWhole, -5}, {"+7", I::kWhole, 7}, {"12abc", I::kTrailing, 12}, {"1.5", I::kTrailing, 1},
              {"seven", I::kNoNumber, 0}, {" ", I::kNoNumber, 0}, {"2147483648", I::kUnfit, 0}};
  for (const IntCase& c : ints) {
    const I read = ReadIntSetting(c.text);
    EXPECT_EQ(read.kind, c.kind) << c.text;
    if (read.Taken()) {
      EXPECT_EQ(read.value, c.value) << c.text;
    }
  }
}

TEST(ValueTextTest, OnlyTrueIsTrue) {
  EXPECT_TRUE(ParseBoolText("true"));
  for (const char* text : {"True", "TRUE", "1", "yes", "true ", ""}) EXPECT_FALSE(ParseBoolText(text)) << text;
}

TEST(ParamsTest, ValueWritersByteExact) {
  EXPECT_EQ(Written([](XmlWriter& w) {
              w.WriteStartElement("var");
              Params::WriteNamedBool(w, "RunAI", true);
              Params::WriteBool(w, "RunAI", false, false);
              Params::WriteNamedFloat(w, "dbgInterval", 1.0f);
              Params::WriteFloat(w, "x", 1234567.0f, false);
              XmlWriteNamedInt(w, "count", -42);
              XmlWriteInt(w, "count", 7, false);
              XmlWriteNamedString(w, "FileName", "a b");
              XmlWriteString(w, "FileName", "", true);
              XmlWriteString(w, "", "item", false);
              XmlWriteComponent(w, "Physical", true);
              XmlWriteComponent(w, "Physical", false);
              w.WriteEndElement();
            }),
            "<var><bool name=\"RunAI\">true</bool><bool>false</bool><float name=\"dbgInterval\">1</float>"
            "<float>1.23457e+06</float><int name=\"count\">-42</int><int>7</int>"
            "<string name=\"FileName\">a b</string><string name=\"FileName\"></string><string>item</string>"
            "<var name=\"Physical\"></var><var></var></var>");
}

TEST(ParamsTest, ElementReadersTakeValuesByPosition) {
  XmlReader reader = Reader(
      "<var><bool name=\"b\">true</bool><float name=\"a\"> 0.25 </float><int>-3x</int>"
      "<string>a\n  b</string><var name=\"Physical\"></var><string>z</string></var>");
  bool b = false;
  float f = 0;
  int i = 0;
  std::string s, z;
  reader.ReadTag();
  Params::ReadBool(reader, "a", b);
  Params::ReadFloat(reader, "b", f);
  XmlReadNamedInt(reader, "i", i);
  XmlReadNamedString(reader, "s", s);
  XmlReadComponent(reader, "Physical");
  XmlReadStringElement(reader, z);
  reader.ReadTag();
  EXPECT_TRUE(b);
  EXPECT_EQ(f, 0.25f);
  EXPECT_EQ(i, -3);
  EXPECT_EQ(s, "a b");
  EXPECT_EQ(z, "z");
  EXPECT_TRUE(reader.IsEndTag());
}

TEST(ParamsTest, SelfClosingElementsLeaveFieldsUnchanged) {
  XmlReader reader = Reader("<var><float/><int/><bool/><string/><var/></var>");
  float f = 2.5f;
  int i = 9;
  bool b = true;
  std::string s = "keep";
  reader.ReadTag();
  Params::ReadFloat(reader, "f", f);
  XmlReadIntElement(reader, i);
  Params::ReadBool(reader, "b", b);
  XmlReadStringElement(reader, s);
  XmlReadComponent(reader, "c");
  reader.ReadTag();
  EXPECT_EQ(f, 2.5f);
  EXPECT_EQ(i, 9);
  EXPECT_TRUE(b);
  EXPECT_EQ(s, "keep");
}

// A hand-shortened record: the reader for the missing field meets the record's end tag and
// must not take the previous element's text.
TEST(ParamsTest, ShortRecordLeavesMissingFieldsUnchanged) {
  XmlReader reader = Reader("<var><int>5</int></var>");
  int first = 0, second = 77;
  reader.ReadTag();
  XmlReadIntElement(reader, first);
  XmlReadIntElement(reader, second);
  EXPECT_EQ(first, 5);
  EXPECT_EQ(second, 77);
  ExpectSerException([&] { XmlReadIntElement(reader, second); }, "error reading XML tag", 1);
  EXPECT_EQ(second, 77);
}

struct Settings {
  bool run[7] = {true, true, true, true, true, true, false};
  float interval = 1.0f;
  bool widescreen = false;
};

const char* kNames[] = {"RunAI", "RunGraphics", "RunPhysics", "RunLogic", "RunSound", "RunInput", "dbgTimer"};

// The engine settings file: a caller of the kind this layer is made for.
TEST(ParamsTest, SettingsRoundTripAndHandEditedValues) {
  TempDir dir;
  Settings saved;
  saved.run[4] = false;
  saved.interval = 0.1f;
  saved.widescreen = true;
  XmlWriter writer;
  writer.Open("EngineConfig.xml");
  writer.WriteStartElement("var");
  for (int i = 0; i < 7; ++i) Params::WriteNamedBool(writer, kNames[i], saved.run[i]);
  Params::WriteNamedFloat(writer, "dbgInterval", saved.interval);
  Params::WriteNamedBool(writer, "Widescreen", saved.widescreen);
  writer.WriteEndElement();
  writer.Close();

  auto load = [](const std::string& document) {
    Settings s;
    XmlReader reader;
    reader.OpenBuffer(document);
    reader.ReadTag();
    for (int i = 0; i < 7; ++i) Params::ReadBool(reader, kNames[i], s.run[i]);
    Params::ReadFloat(reader, "dbgInterval", s.interval);
    Params::ReadBool(reader, "Widescreen", s.widescreen);
    reader.ReadTag();
    return s;
  };
  std::string text = TempDir::Read("EngineConfig.xml");
  Settings loaded = load(text);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(loaded.run[i], saved.run[i]) << kNames[i];
  EXPECT_EQ(loaded.interval, 0.1f);
  EXPECT_TRUE(loaded.widescreen);

  std::string edited = text;
  edited.replace(edited.find("<bool name=\"RunAI\">true"), 23, "<bool name=\"RunAI\">TRUE");
  EXPECT_FALSE(load(edited).run[0]);
}

TEST(EditorKeysTest, KeysFillMatchingFieldsOnly) {
  KeyValueMap keys{{"areaName", "hall"}, {"isPlayerOnly", "-12abc"}, {"extra", "1"}};
  std::string area = "none", other = "x";
  int flag = 3, missing = 4;
  KeyValueReadString(keys, "areaName", area);
  KeyValueReadString(keys, "AreaName", other);
  KeyValueReadInt(keys, "isPlayerOnly", flag);
  KeyValueReadInt(keys, "count", missing);
  EXPECT_EQ(area, "hall");
  EXPECT_EQ(other, "x");
  EXPECT_EQ(flag, -12);
  EXPECT_EQ(missing, 4);
}

TEST(EditorKeysTest, DefinitionElementsByteExact) {
  EXPECT_EQ(Written([](XmlWriter& w) {
              w.WriteStartElement("point");
              EntDefWriteString(w, "areaName", "hall");
              EntDefWriteInt(w, "isPlayerOnly", 0);
              w.WriteEndElement();
            }),
            "<point><string key=\"areaName\" name=\"areaName\">hall</string>"
            "<integer key=\"isPlayerOnly\" name=\"isPlayerOnly\">0</integer></point>");
}

TEST(FgdWriterTest, ClassBlockWithPropertyLines) {
  TempDir dir;
  FgdWriter fgd;
  fgd.Open("Entities.fgd");
  fgd.BeginClass("ItemSpawn");
  FgdWriteString(fgd, "areaName", "hall");
  FgdWriteInt(fgd, "isPlayerOnly", -1);
  fgd.EndClass();
  fgd.Close();
  EXPECT_EQ(TempDir::Read("Entities.fgd"),
            "@PointClass = ItemSpawn : \"Description of the class\"\n[\n"
            "\tareaName(string) : \"areaName\" : \"hall\"\n"
            "\tisPlayerOnly(integer) : \"isPlayerOnly\" : -1\n]\n");
  ExpectSerException([&] { fgd.Open("missing/Entities.fgd"); }, "could not open file", 0);
}

}  // namespace
