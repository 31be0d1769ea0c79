#include "entity/XmlWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/entity/XmlTestUtil.h"
#include "tests/support/TempDir.h"

namespace {

const std::string& kDecl = kXmlDeclaration;

TEST(XmlWriterTest, WritesOneLineWithoutEscapingOrShortForm) {
  TempDir dir;
  XmlWriter writer;
  writer.Open("out.xml");
  writer.WriteStartElement("list");
  writer.WriteAttribute("name", "a&b");
  writer.WriteStartElement("string");
  writer.WriteString("x");
  writer.WriteEndElement();
  writer.WriteStartElement("var");
  writer.WriteEndElement();
  writer.WriteElementString("int", "5");
  writer.WriteEndElement();
  writer.Close();
  EXPECT_EQ(TempDir::Read("out.xml"),
            kDecl + "<list name=\"a&b\"><string>x</string><var></var><int>5</int></list>");
}

TEST(XmlWriterTest, AttributeAfterTextLandsInContent) {
  TempDir dir;
  XmlWriter writer;
  writer.Open("out.xml");
  writer.WriteStartElement("var");
  writer.WriteString("t");
  writer.WriteAttribute("name", "n");
  writer.WriteEndElement();
  writer.Close();
  EXPECT_EQ(TempDir::Read("out.xml"), kDecl + "<var>t name=\"n\"</var>");
}

TEST(XmlWriterTest, MisuseThrowsCodeOneAndWritesNothing) {
  TempDir dir;
  XmlWriter writer;
  writer.Open("out.xml");
  ExpectSerException([&] { writer.WriteEndElement(); }, "WriteEndElement failed. There are no elements to end", 1);
  ExpectSerException([&] { writer.WriteString("x"); }, "WriteString failed. There is no current element", 1);
  writer.Close();
  EXPECT_EQ(TempDir::Read("out.xml"), kDecl);
}

TEST(XmlWriterTest, MissingFolderCannotBeOpened) {
  TempDir dir;
  XmlWriter writer;
  ExpectSerException([&] { writer.Open("missing/out.xml"); }, "could not open file", 0);
  EXPECT_FALSE(TempDir::Exists("missing"));
}

TEST(XmlWriterTest, FailedSaveKeepsThePreviousFile) {
  TempDir dir;
  TempDir::Write("Data/Config.xml", "good");
  try {
    XmlWriter writer;
    writer.Open("Data/Config.xml");
    writer.WriteStartElement("var");
    throw std::runtime_error("caller failed half way");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(TempDir::Read("Data/Config.xml"), "good");
  EXPECT_FALSE(TempDir::Exists("Data/Config.xml.tmp"));
}

TEST(XmlWriterTest, SuccessfulCloseReplacesFileFoundCaseInsensitively) {
  TempDir dir;
  TempDir::Write("data/config.xml", "old");
  XmlWriter writer;
  writer.Open("Data\\Config.xml");
  writer.WriteElementString("int", "1");
  EXPECT_EQ(TempDir::Read("data/config.xml"), "old");  // nothing replaced before Close
  writer.Close();
  EXPECT_EQ(TempDir::Read("data/config.xml"), kDecl + "<int>1</int>");
  EXPECT_FALSE(TempDir::Exists("Data"));

  writer.Open("DATA/New.xml");  // a new file in a folder spelled differently
  writer.Close();
  EXPECT_EQ(TempDir::Read("data/New.xml"), kDecl);
}

// A save killed before its rename leaves its temporary file behind; the next save of that file
// takes it away, however either spelled the name.
TEST(XmlWriterTest, TheNextSaveRemovesATemporaryFileLeftByAKill) {
  TempDir dir;
  TempDir::Write("data/input.xml.tmp", "complete but never put in place");
  TempDir::Write("data/sound.xml.tmp", "half");
  XmlWriter writer;
  writer.Open("Data/Input.xml");
  writer.Close();
  writer.Open("data/sound.xml");
  writer.Close();
  EXPECT_EQ(TempDir::Read("data/Input.xml"), kDecl);
  EXPECT_EQ(TempDir::Read("data/sound.xml"), kDecl);
  EXPECT_FALSE(TempDir::Exists("data/input.xml.tmp"));
  EXPECT_FALSE(TempDir::Exists("data/sound.xml.tmp"));
}

TEST(XmlWriterTest, CloseReportsAFileThatCouldNotBePutInPlace) {
  TempDir dir;
  TempDir::Write("Target/keep", "x");  // a folder where the file should go
  XmlWriter writer;
  writer.Open("Target");
  ExpectSerException([&] { writer.Close(); }, "could not write file", 1);
  EXPECT_FALSE(TempDir::Exists("Target.tmp"));
  EXPECT_EQ(TempDir::Read("Target/keep"), "x");
}

}  // namespace
