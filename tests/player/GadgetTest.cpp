// The gadget framework: the registry, gadget files good and bad, and where a held gadget sits.
#include <filesystem>
#include <fstream>

#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetBase.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/GadgetRegistry.h"
#include "player/gadgets/Taser.h"
#include "tests/player/PlayerTestSupport.h"

namespace {

TEST(GadgetRegistryTest, FindsTheFiveBehavioursWhateverTheCapitalsAndKeepsTheLastOfAName) {
  GadgetRegistry& gadgets = Gadgets();
  EXPECT_EQ(gadgets.Size(), 5u);
  GadgetBase* taser = gadgets.Find("Taser");
  ASSERT_NE(taser, nullptr);
  EXPECT_NE(dynamic_cast<Taser*>(taser), nullptr);
  for (const char* name : {"taser", "TASER", "tAsEr"}) EXPECT_EQ(gadgets.Find(name), taser) << name;
  for (const char* name : {"Default", "SuctionCupGun", "SmokeGrenade", "Box"}) EXPECT_NE(gadgets.Find(name), nullptr);
  EXPECT_EQ(gadgets.Find("Tazer"), nullptr);
  EXPECT_EQ(gadgets.Find(""), nullptr);

  // A later behaviour under the same name, in any capitals, replaces the first.
  GadgetRegistry registry;
  registry.Add("Thing", gadgets.Find("Box"));
  registry.Add("THING", taser);
  EXPECT_EQ(registry.Size(), 1u);
  EXPECT_EQ(registry.Find("thing"), taser);
}

class GadgetTest : public PlayerWorldTest {
 protected:
  void SetUp() override {
    StartWorld();
    CookWorld(Floor());
  }
  static void WriteGadgetFile(const std::string& name, const std::string& text) {
    std::ofstream(GadgetFilePath(name)) << text;
  }
  static std::string GadgetFile(const std::string& behaviour) {
    return "<?xml version=\"1.0\"?>\n<var><var name=\"GadgetComp\"><string name=\"BehaviorName\">" + behaviour +
           "</string></var><var name=\"ModelComp\"><string name=\"FileName\">taser</string></var></var>\n";
  }
};

TEST_F(GadgetTest, TheKindsCarryTheirHudSizesAndAim) {
  struct Case {
    const char* file;
    bool canTarget;
    int32_t hudSize;
    float hudOffset;
  } cases[] = {{"Taser", true, 15, -5.0f}, {"SmokeGrenade", true, 10, -20.0f}, {"Box", false, 1, 20.0f},
               {"SuctionCupGun", true, 0, 0.0f}};
  for (const Case& c : cases) {
    GadgetEnt* gadget = MakeGadget(*Engine::Get(), c.file);
    ASSERT_NE(gadget->gadget.behavior, nullptr) << c.file;
    EXPECT_EQ(gadget->gadget.behavior->canTarget, c.canTarget) << c.file;
    EXPECT_EQ(gadget->gadget.GetHudSize(), c.hudSize) << c.file;
    EXPECT_FLOAT_EQ(gadget->gadget.GetHudHeightOffset(), c.hudOffset) << c.file;
    EXPECT_FALSE(gadget->model.visible);
    EXPECT_NE(gadget->model.GetModel(), nullptr) << c.file;
  }
}

TEST_F(GadgetTest, AMissingEmptyOrUnknownGadgetFileLeavesAnInertGadgetAndSaysWhy) {
  WriteGadgetFile("Empty", "");
  WriteGadgetFile("Unknown", GadgetFile("Crowbar"));
  for (const char* name : {"Missing", "Empty", "Unknown"}) {
    GadgetEnt* gadget = MakeGadget(*Engine::Get(), name);
    ASSERT_NE(gadget, nullptr) << name;
    EXPECT_EQ(gadget->gadget.behavior, nullptr) << name;
    EXPECT_EQ(gadget->gadget.GetHudSize(), 0) << name;
    EXPECT_NE(LogOf("LogicLog").find(GadgetFilePath(name)), std::string::npos) << name;
  }
  EXPECT_NE(LogOf("LogicLog").find("\"Crowbar\""), std::string::npos);

  // Held and fired, the inert gadget does nothing.
  Player* thief = SpawnThief({0, 0, 40});
  thief->Send(kGetGadget, static_cast<Entity*>(MakeGadget(*Engine::Get(), "Unknown")));
  thief->Send(kSwitchGadget, 3);
  const size_t entities = Engine::Get()->GetEntityManager()->Count();
  thief->Send(ThiefOrder::kTargetOrFire);
  thief->Send(kFire);
  EXPECT_EQ(Engine::Get()->GetEntityManager()->Count(), entities);
}

TEST_F(GadgetTest, TheUsersGadgetSitsInFrontOfTheCameraWhateverItsPitch) {
  WriteGadgetFile("LowerCaseSmoke", GadgetFile("smokegrenade"));
  Player* thief = SpawnThief({0, 0, 40});
  Frames(2);
  struct Case {
    const char* file;
    float below;
  } cases[] = {{"Taser", 10.0f}, {"SmokeGrenade", 15.0f}, {"LowerCaseSmoke", 10.0f}};
  for (const Case& c : cases) {
    GadgetEnt* gadget = MakeGadget(*Engine::Get(), c.file);
    gadget->gadget.player.Set(thief);
    for (const platform::Vector3 look : {platform::Vector3{0, 1, 0}, platform::Vector3{0.6f, 0, -0.8f}}) {
      thief->camera.position = {100, 200, 300};
      thief->camera.direction = look;
      thief->camera.right = {1, 0, 0};
      gadget->Send(kOnUpdate);
      const platform::Vector3 expected = thief->camera.position + look * 25.0f + platform::Vector3{8, 0, -c.below};
      const platform::Vector3 at = gadget->physical.GetPosition();
      EXPECT_NEAR(at.x, expected.x, 1e-3f) << c.file;
      EXPECT_NEAR(at.y, expected.y, 1e-3f) << c.file;
      EXPECT_NEAR(at.z, expected.z, 1e-3f) << c.file;
      EXPECT_EQ(gadget->gadget.aimDirection, look);
    }
  }
  EXPECT_NE(MakeGadget(*Engine::Get(), "LowerCaseSmoke")->gadget.behavior, nullptr);
}

// A computer thief's gadget sits ten units along its last aim, hidden; one nobody holds stays
// hidden where it is.
TEST_F(GadgetTest, GadgetsNoUserHoldsStayHidden) {
  Player* thief = SpawnThief({0, 0, 40}, false);
  Frames(2);
  GadgetEnt* gadget = thief->CurrentGadget();
  gadget->gadget.aimDirection = {0, 1, 0};
  gadget->gadget.aimRotation = {0, 0, 1, 0};
  gadget->model.visible = 1;
  gadget->Send(kOnUpdate);
  const platform::Vector3 at = gadget->physical.GetPosition() - thief->physical.GetPosition();
  EXPECT_NEAR(at.y, 10.0f, 1e-3f);
  EXPECT_FALSE(gadget->model.visible);
  EXPECT_EQ(gadget->gadget.aimRotation, (platform::Quaternion{0, 0, 1, 0}));

  GadgetEnt* unheld = MakeGadget(*Engine::Get(), "Taser");
  unheld->physical.SetPosition({5, 6, 7});
  unheld->model.visible = 1;
  unheld->Send(kOnUpdate);
  EXPECT_FALSE(unheld->model.visible);
  EXPECT_EQ(unheld->physical.GetPosition(), (platform::Vector3{5, 6, 7}));
}

}  // namespace
