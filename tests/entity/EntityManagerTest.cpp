#include <gtest/gtest.h>

#include "entity/XmlWriter.h"
#include "tests/entity/TestEntities.h"
#include "tests/support/EngineFixture.h"

namespace {

// Looks itself up while being destroyed: the manager must already have forgotten it.
class Lookup : public EntityClass<Lookup> {
 public:
  static constexpr char kClassName[] = "Lookup";
  static void Describe(ClassBuilder<Lookup>&) {}
  void OnCreate() override {}
  ~Lookup() override { foundSelfWhileDying = Engine::Get()->GetEntityManager()->FindEntity(GetId()) != nullptr; }
  static inline bool foundSelfWhileDying = true;
};

class Manager : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    RegisterEntityClass<Recorder>("LogicLog");
    RegisterEntityClass<Lookup>("LogicLog");
  }
  EntityManager* em() { return Engine::Get()->GetEntityManager(); }
};

}  // namespace

TEST_F(Manager, UnknownClassesAreLoggedAndGiveNull) {
  EXPECT_EQ(em()->Create("Nothing"), nullptr);
  EXPECT_EQ(LogOf("EngineLog"), "Could not allocate Nothing\n");
}

TEST_F(Manager, DeletionWaitsForTheNextFrameAndHappensOnce) {
  Recorder* r = static_cast<Recorder*>(em()->Create("Recorder"));
  uint32_t id = r->GetId();
  em()->QueueDelete(r);
  em()->QueueDelete(r);
  r->Send(kPing);
  EXPECT_EQ(em()->FindEntity(id), r);
  EntityHandle handle(r);
  em()->ProcessDeletions();
  EXPECT_EQ(em()->FindEntity(id), nullptr);
  EXPECT_EQ(handle.Get(), nullptr);
  EXPECT_EQ(LogOf("EngineLog"),
            "Entity with ID " + std::to_string(id) + " could not be deleted. The entity does not exist.\n");
}

TEST_F(Manager, DestructorsNeverSeeThemselvesHalfGone) {
  Entity* e = em()->Create("Lookup");
  em()->QueueDelete(e);
  em()->ProcessDeletions();
  EXPECT_FALSE(Lookup::foundSelfWhileDying);
  Lookup::foundSelfWhileDying = true;
  em()->Create("Lookup");
  em()->DeleteAll();
  EXPECT_FALSE(Lookup::foundSelfWhileDying);
}

TEST_F(Manager, GroupsGatherLaterEntitiesAndDeleteThemTogether) {
  Entity* before = em()->Create("Recorder");
  em()->BeginGroup("GameEnts");
  uint32_t a = em()->Create("Recorder")->GetId();
  uint32_t b = em()->Create("Recorder")->GetId();
  em()->DeleteGroup("GameEnts");
  EXPECT_FALSE(em()->HasGroup("GameEnts"));
  em()->ProcessDeletions();
  EXPECT_EQ(em()->FindEntity(a), nullptr);
  EXPECT_EQ(em()->FindEntity(b), nullptr);
  EXPECT_NE(em()->FindEntity(before->GetId()), nullptr);

  // Beginning a group again forgets its members without deleting them.
  em()->BeginGroup("GameEnts");
  Entity* c = em()->Create("Recorder");
  em()->BeginGroup("GameEnts");
  em()->DeleteGroup("GameEnts");
  em()->ProcessDeletions();
  EXPECT_EQ(em()->FindEntity(c->GetId()), c);
  em()->DeleteGroup("NoSuchGroup");
}

TEST_F(Manager, CreateFromAMissingFileLogsAndStillSetsTheEntityUp) {
  Recorder* r = static_cast<Recorder*>(em()->CreateFromFile("Recorder", "Data/gadgets/none.xml"));
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->seen, std::vector<std::string>{"OnCreate"});
  EXPECT_EQ(LogOf("EngineLog"), "Error serializing Recorder from Data/gadgets/none.xml. could not open file\n");
}

TEST_F(Manager, FieldsSaveAndLoadByPositionAndReadFromMapKeys) {
  Recorder* r = static_cast<Recorder*>(em()->Create("Recorder"));
  r->count = -12;
  r->label = "west wing";
  r->speed = 0.1f;
  r->enabled = false;
  {
    XmlWriter w;
    w.Open("rec.xml");
    w.WriteStartElement("var");
    r->Save(w);
    w.WriteEndElement();
    w.Close();
  }
  EXPECT_EQ(TempDir::Read("rec.xml"),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<var><int name=\"count\">-12</int>"
            "<string name=\"label\">west wing</string><float name=\"speed\">0.1</float>"
            "<bool name=\"enabled\">false</bool><var name=\"Pos\"></var></var>");
  Recorder* copy = static_cast<Recorder*>(em()->CreateFromFile("Recorder", "rec.xml"));
  EXPECT_EQ(copy->count, -12);
  EXPECT_EQ(copy->label, "west wing");
  EXPECT_FLOAT_EQ(copy->speed, 0.1f);
  EXPECT_FALSE(copy->enabled);

  KeyValueMap keys{{"count", "-42abc"}, {"Label", "ignored"}, {"classname", "Recorder"}};
  copy->ReadKeys(keys);
  EXPECT_EQ(copy->count, -42);
  EXPECT_EQ(copy->label, "west wing");
}
