#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "entity/SerException.h"
#include "tests/entity/TestEntities.h"
#include "tests/support/EngineFixture.h"

class Export : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    // Registered out of name order: the files list classes by name.
    RegisterEntityClass<Recorder>("LogicLog");
    RegisterEntityClass<::Bare>("LogicLog");
  }
  EntityManager* em() { return Engine::Get()->GetEntityManager(); }
};

TEST_F(Export, EntFileListsEveryClassByNameWithItsKeys) {
  em()->ExportEnt();
  EXPECT_EQ(TempDir::Read("Entities.ent"),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
            "<classes>"
            "<point name=\"Bare\" box=\"-16 -16 -16 16 16 16\" color=\"1 0 0\"></point>"
            "<point name=\"Recorder\" box=\"-16 -16 -16 16 16 16\" color=\"1 0 0\">"
            "<integer key=\"count\" name=\"count\">3</integer>"
            "<string key=\"label\" name=\"label\">none</string>"
            "</point></classes>");
}

TEST_F(Export, EveryExportUsesOneIdPerClass) {
  uint32_t before = Entity::PeekNextId();
  em()->ExportEnt();
  EXPECT_EQ(Entity::PeekNextId(), before + 2);
}

TEST_F(Export, FgdAndDefForms) {
  em()->ExportFgd();
  EXPECT_EQ(TempDir::Read("Entities.fgd"),
            "@PointClass = Bare : \"Description of the class\"\n[\n]\n"
            "@PointClass = Recorder : \"Description of the class\"\n[\n"
            "\tcount(integer) : \"count\" : 3\n"
            "\tlabel(string) : \"label\" : \"none\"\n]\n");
  em()->ExportDef();
  EXPECT_EQ(TempDir::Read("entities.def"),
            "/*QUAKED Bare (.3 .3 1) (-16 -16 -16) (16 16 16) SUSPENDED\n-------- KEYS --------\n"
            "ConfigFile : XML file for the Entity's config\n*/\n\n"
            "/*QUAKED Recorder (.3 .3 1) (-16 -16 -16) (16 16 16) SUSPENDED\n-------- KEYS --------\n"
            "ConfigFile : XML file for the Entity's config\n*/\n\n");
}

TEST_F(Export, AFolderThatCannotBeWrittenThrowsCouldNotOpen) {
  // A working folder that has been removed refuses new files, even to root.
  ::mkdir("gone", 0755);
  ASSERT_EQ(::chdir("gone"), 0);
  ::rmdir((dir.Path() + "/gone").c_str());
  try {
    em()->ExportEnt();
    ADD_FAILURE() << "no exception";
  } catch (const SerException& e) {
    EXPECT_EQ(e.Code(), SerException::kCouldNotOpen);
    EXPECT_STREQ(e.what(), "could not open file");
  }
  ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
}
