#include <gtest/gtest.h>

#include <vector>

#include "entity/EntityClass.h"
#include "player/EntityList.h"
#include "tests/support/EngineFixture.h"

namespace {

class Marker : public EntityClass<Marker> {
 public:
  static constexpr char kClassName[] = "Marker";
  static void Describe(ClassBuilder<Marker>&) {}
  void OnCreate() override {}
};

class EntityListTest : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    RegisterEntityClass<Marker>("LogicLog");
  }
  Entity* Make() { return Engine::Get()->GetEntityManager()->Create("Marker"); }
  static std::vector<Entity*> Walk(const EntityList& list) {
    std::vector<Entity*> out;
    for (Entity& e : list) out.push_back(&e);
    return out;
  }
};

// Entities deleted mid-game must never be reached through the list, whether or not their class
// took them off.
TEST_F(EntityListTest, WalksLiveEntitiesInOrderAndSkipsDeletedOnes) {
  EntityList list;
  Entity* a = Make();
  Entity* b = Make();
  Entity* c = Make();
  for (Entity* e : {a, b, c}) list.Add(*e);
  EXPECT_EQ(Walk(list), (std::vector<Entity*>{a, b, c}));

  EntityManager* manager = Engine::Get()->GetEntityManager();
  manager->QueueDelete(a);
  manager->QueueDelete(c);
  manager->ProcessDeletions();
  EXPECT_EQ(Walk(list), (std::vector<Entity*>{b}));
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.At(0), b);
  EXPECT_EQ(list.At(1), nullptr);

  // Removing a stranger changes nothing.
  Entity* d = Make();
  list.Add(*d);
  list.Remove(*Make());
  list.Remove(*b);
  EXPECT_EQ(Walk(list), (std::vector<Entity*>{d}));
}

}  // namespace
