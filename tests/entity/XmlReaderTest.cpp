#include "entity/XmlReader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/entity/XmlTestUtil.h"
#include "tests/support/TempDir.h"

namespace {

const std::string& kDecl = kXmlDeclaration;

XmlReader Reader(const std::string& body) {
  XmlReader reader;
  reader.OpenBuffer(kDecl + body);
  return reader;
}

// Reads every tag of a document until the reader throws; returns the text of the exception.
std::string ReadToFailure(const std::string& document) {
  XmlReader reader;
  return ThrownSerException([&] {
           reader.OpenBuffer(document);
           for (;;) reader.ReadTag();
         }).what();
}

std::string TextOf(const std::string& element) {
  XmlReader reader = Reader(element);
  reader.ReadTag();
  return reader.GetText();
}

TEST(XmlReaderTest, TrimsTextAndFoldsLineBreaks) {
  EXPECT_EQ(TextOf("<float> \t12.5 \n</float>"), "12.5");
  EXPECT_EQ(TextOf("<string>a\n    b</string>"), "a b");
  EXPECT_EQ(TextOf("<string>a \n b</string>"), "a  b");
  EXPECT_EQ(TextOf("<string>a\n\n\t b\nc</string>"), "a b c");
  EXPECT_EQ(TextOf("<string>   </string>"), "");
  EXPECT_EQ(TextOf("<string></string>"), "");
}

TEST(XmlReaderTest, CrLfLineEndsReadLikeLf) {
  XmlReader reader;
  reader.OpenBuffer("<?xml version=\"1.0\"?>\r\n<var>\r\n<string>a\r\n    b</string>\r\n</var>\r\n");
  reader.ReadTag();
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "a b");
  reader.ReadTag();
  reader.ReadTag();
  EXPECT_TRUE(reader.IsEndTag());
}

TEST(XmlReaderTest, ReadsByPositionWithoutLookingAtNames) {
  XmlReader reader = Reader("<var><int name=\"b\">2</int><float name=\"a\">1</float></var>");
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "");  // text of an element with children is dropped
  reader.ReadTag();
  EXPECT_EQ(reader.GetTagName(), "int");
  EXPECT_EQ(reader.GetAttributes().at("name"), "b");
  EXPECT_EQ(reader.GetText(), "2");
  reader.ReadTag();
  EXPECT_TRUE(reader.IsEndTag());
  EXPECT_EQ(reader.GetText(), "2");  // a closing tag keeps the text
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "1");
}

TEST(XmlReaderTest, ParentTextBeforeChildrenIsDiscarded) {
  XmlReader reader = Reader("<var>lost<int>1</int></var>");
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "");
}

TEST(XmlReaderTest, SelfClosingTagKeepsTextOfLastOpeningTag) {
  XmlReader reader = Reader("<var><int>7</int><int/></var>");
  reader.ReadTag();
  reader.ReadTag();
  reader.ReadTag();
  reader.ReadTag();
  EXPECT_TRUE(reader.IsEmptyTag());
  EXPECT_FALSE(reader.IsEndTag());
  EXPECT_EQ(reader.GetText(), "7");
  reader.ReadTag();
  EXPECT_FALSE(reader.IsEmptyTag());
  EXPECT_TRUE(reader.IsEndTag());
}

TEST(XmlReaderTest, EmptyListHasNoChildren) {
  XmlReader reader = Reader("<list>  </list>");
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "");
  EXPECT_FALSE(reader.HasChildren());
  reader.ReadTag();
  EXPECT_TRUE(reader.IsEndTag());
}

TEST(XmlReaderTest, ListItemsAreCountedWithHasChildren) {
  XmlReader reader = Reader("<list>\n  <string>a</string>\n  <string/>\n  <string>c</string>\n</list>");
  reader.ReadTag();
  std::vector<std::string> items;
  while (reader.HasChildren()) {
    reader.ReadTag();
    if (reader.IsEmptyTag()) continue;
    items.push_back(reader.GetText());
    reader.ReadTag();
  }
  reader.ReadTag();
  EXPECT_EQ(items, (std::vector<std::string>{"a", "c"}));
}

TEST(XmlReaderTest, AttributesKeepTrailingBlanksOfKeyAndLaterDuplicates) {
  XmlReader reader = Reader("<var  a=\"1\" b =\"2\" a=\"3\" c='4\"></var>");
  reader.ReadTag();
  KeyValueMap expected{{"a", "3"}, {"b ", "2"}, {"c", "4"}};
  EXPECT_EQ(reader.GetAttributes(), expected);
}

TEST(XmlReaderTest, BrokenAttributesEndTheAttributeList) {
  XmlReader reader = Reader("<a k=\"1\" flag><b k=\"1\" j=\"open></b></a>");
  reader.ReadTag();
  EXPECT_EQ(reader.GetAttributes(), (KeyValueMap{{"k", "1"}}));
  reader.ReadTag();
  EXPECT_EQ(reader.GetAttributes(), (KeyValueMap{{"k", "1"}}));
  reader.ReadTag();
  reader.ReadTag();
  EXPECT_TRUE(reader.IsEndTag());
}

TEST(XmlReaderTest, GreaterThanOrQuoteInsideAttributeValue) {
  XmlReader reader = Reader("<a k=\"x>y\">t</a>");
  reader.ReadTag();
  EXPECT_TRUE(reader.GetAttributes().empty());
  EXPECT_EQ(reader.GetText(), "y\">t");

  reader = Reader("<a k=\"x\"y\" j=\"2\">t</a>");
  reader.ReadTag();
  EXPECT_EQ(reader.GetAttributes(), (KeyValueMap{{"k", "x"}, {"y\" j", "2"}}));
}

TEST(XmlReaderTest, EntityReferencesAreNotDecoded) { EXPECT_EQ(TextOf("<string>a &amp; b&lt;</string>"), "a &amp; b&lt;"); }

TEST(XmlReaderTest, ByteOrderMarkBeforeDeclarationIsSkipped) {
  XmlReader reader;
  reader.OpenBuffer("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<int>5</int>");
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "5");
}

TEST(XmlReaderTest, ErrorTextsAndCodes) {
  XmlReader reader;
  ExpectSerException([&] { reader.Open("no/such/file.xml"); }, "could not open file", 0);
  ExpectSerException([&] { reader.Open(VR_SOURCE_DIR "/entity"); }, "could not open file", 0);
  ExpectSerException([&] { reader.OpenBuffer("  <?xml version"); }, "error reading XML header tag", 1);
  ExpectSerException([&] { reader.OpenBuffer(""); }, "error reading XML header tag", 1);
  auto readThree = [&](const std::string& body) {
    reader = Reader(body);
    for (int i = 0; i < 3; ++i) reader.ReadTag();
  };
  ExpectSerException([&] { readThree("<var></var>  \n"); }, "error reading XML tag", 1);
  ExpectSerException([&] { readThree("<a><b></a>"); }, "End tag: /a was not properly matched", 1);
  EXPECT_EQ(ReadToFailure(kDecl + "</b>"), "End tag: /b was not properly matched");
}

TEST(XmlReaderTest, UnsupportedMarkupFailsWithSerException) {
  std::string decl = kDecl;
  EXPECT_EQ(ReadToFailure(decl + "<var><!-- note --><int>1</int></var>"), "End tag: /var was not properly matched");
  EXPECT_EQ(ReadToFailure(decl + "<var><string><![CDATA[x]]></string></var>"),
            "End tag: /string was not properly matched");
  EXPECT_EQ(ReadToFailure(decl + "<var><?pi x?></var>"), "End tag: /var was not properly matched");
  // Attributes make a tag an opening tag, even with a slash at its end.
  EXPECT_EQ(ReadToFailure(decl + "<var><int name=\"a\"/></var>"), "End tag: /var was not properly matched");
  EXPECT_EQ(ReadToFailure(decl + "<var><int>1</int"), "error reading XML tag");
  const char garbage[] = "\0\xff\x01<\0>\xfe<<>>/";
  EXPECT_EQ(ReadToFailure(std::string(garbage, sizeof garbage - 1)), "error reading XML tag");
}

TEST(XmlReaderTest, DeepNestingNeedsNoRecursion) {
  const int depth = 1000000;
  std::string doc = kDecl;
  for (int i = 0; i < depth; ++i) doc += "<var>";
  for (int i = 0; i < depth; ++i) doc += "</var>";
  XmlReader reader;
  reader.OpenBuffer(std::move(doc));
  for (int i = 0; i < 2 * depth; ++i) reader.ReadTag();
  EXPECT_TRUE(reader.IsEndTag());
  EXPECT_STREQ(ThrownSerException([&] { reader.ReadTag(); }).what(), "error reading XML tag");
}

TEST(XmlReaderTest, LargeTextElementReadsInLinearTime) {
  std::string doc = kDecl + "<string>";
  doc.reserve(50u << 20);
  while (doc.size() < (50u << 20)) doc += "word word\n    word\t";
  doc += "</string>";
  XmlReader reader;
  reader.OpenBuffer(std::move(doc));
  reader.ReadTag();
  EXPECT_GT(reader.GetText().size(), 40000000u);
  EXPECT_EQ(reader.GetText().substr(0, 20), "word word word\tword ");
  reader.ReadTag();
  EXPECT_TRUE(reader.IsEndTag());
}

TEST(XmlReaderTest, OpensReadOnlyFilesByCaseInsensitiveName) {
  TempDir dir;
  TempDir::Write("Data/Settings.xml", kDecl + "<int>3</int>");
  ASSERT_EQ(::chmod("Data/Settings.xml", 0444), 0);
  XmlReader reader;
  reader.Open("data\\SETTINGS.xml");
  reader.ReadTag();
  EXPECT_EQ(reader.GetText(), "3");
  reader.Close();
}

}  // namespace
