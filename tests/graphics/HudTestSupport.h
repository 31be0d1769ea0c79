#pragma once
#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/VariableTable.h"
#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "graphics/gui/GadgetSwitchAnimation.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/gui/HudGadgets.h"
#include "graphics/gui/HudSeams.h"
#include "player/PlayerInfo.h"
#include "tests/graphics/GuiTestSupport.h"

// A thief as the HUD sees it: the gadget it holds and its heist state in a "PlayerInfo".
class HudTestThief : public EntityClass<HudTestThief>, public HudGadgetUser {
 public:
  static constexpr char kClassName[] = "HudTestThief";
  static void Describe(ClassBuilder<HudTestThief>& c) { c.Component(&HudTestThief::info); }
  void OnCreate() override {}
  int32_t GetCurrentGadget() const override { return gadget; }
  int32_t GetBattery() const override { return info.battery; }
  float GetMoney() const override { return info.money; }
  int32_t GetSmokeGrenades() const override { return info.smokeGrenades; }
  int32_t GetBoxes() const override { return info.boxes; }
  bool IsAtTeleporter() const override { return info.teleporter.Get() != nullptr; }
  void AddMoney(float amount) override { info.money += amount; }
  void EndGadgetSwitch() override { info.switchingGadget = 0; }

  PlayerInfo info;
  int32_t gadget = 0;
};

// A gadget's "Gadget" component with its HUD values.
class HudTestGadgetComp : public Component, public HudGadget {
 public:
  void Activate() override {}
  int32_t GetHudSize() const override { return size; }
  float GetHudHeightOffset() const override { return heightOffset; }

  int32_t size = 1;
  float heightOffset = 0.0f;
};

// A gadget entity: its HUD values and its model (named, not loaded).
class HudTestGadget : public EntityClass<HudTestGadget> {
 public:
  static constexpr char kClassName[] = "HudTestGadget";
  static void Describe(ClassBuilder<HudTestGadget>& c) {
    c.Component(&HudTestGadget::gadget);
    c.Component(&HudTestGadget::model);
  }
  void OnCreate() override {}

  HudTestGadgetComp gadget;
  ModelComp model;
};

// The running game: a round with time left, the thief under control, the scores credited and
// the level's marks.
class FakeHudGame : public HudGame {
 public:
  bool IsInGame() const override { return inGame; }
  float GetRoundTimeLeft() const override { return timeLeft; }
  bool IsOverlayActive() const override { return overlay; }
  bool IsBusted() const override { return busted; }
  Entity* GetPlayer() const override { return player.Get(); }
  void AddScore(int32_t ownerId, int32_t worth) override { scores.emplace_back(ownerId, worth); }
  void GetGuards(std::vector<GuardMark>& out) const override { out = guards; }
  void GetTeleporters(std::vector<PlaceMark>& out) const override { out = teleporters; }
  void GetDropoffs(std::vector<PlaceMark>& out) const override { out = dropoffs; }

  bool inGame = true;
  float timeLeft = 75.5f;
  bool overlay = false;
  bool busted = false;
  EntityHandle player;
  std::vector<std::pair<int32_t, int32_t>> scores;
  std::vector<GuardMark> guards;
  std::vector<PlaceMark> teleporters;
  std::vector<PlaceMark> dropoffs;
};

// The demo's GUI screens and models with a game handed to the graphics system, its thief
// under control and "AmmoText" bound as the game logic binds it.
class HudTest : public GuiTest {
 protected:
  HudTest() {
    std::filesystem::copy(std::filesystem::path(VR_GENERATED_DIR) / "models", "models",
                          std::filesystem::copy_options::recursive);
  }
  // The engine goes before the game, the thief's variable and the fake it was handed.
  ~HudTest() override { Stop(); }

  void StartHud() {
    StartGui();
    RegisterEntityClass<HudTestThief>("GraphicsLog");
    RegisterEntityClass<HudTestGadget>("GraphicsLog");
    thief = static_cast<HudTestThief*>(Engine::Get()->GetEntityManager()->Create(HudTestThief::kClassName));
    game.player.Set(thief);
    graphics->SetHudGame(&game);
    BindStringVariable("AmmoText", &ammoText);
  }

  HUDAnimationList& Animations() { return *graphics->GetAnimationList(); }
  // Moves the clock and runs the animations once.
  void Tick(double seconds) {
    clock.AdvanceSeconds(seconds);
    Engine::Get()->GetTimer()->Update();
    Animations().Update();
  }
  // The game start's three gadgets on the HUD's models (the demo's models, each kind's HUD size
  // and height), at rest after the start's walk round them, the taser held.
  void BindDemoGadgets() {
    struct Kind {
      const char* model;
      int32_t size;
      float heightOffset;
    };
    const Kind kinds[3] = {{"smokebomb", 10, -20.0f}, {"box", 1, 20.0f}, {"taser", 15, -5.0f}};
    std::deque<GUIModelElement>& models = graphics->GetCurrentScreen()->models;
    for (size_t i = 0; i < 3; ++i) {
      auto* gadget = static_cast<HudTestGadget*>(Engine::Get()->GetEntityManager()->Create(HudTestGadget::kClassName));
      gadget->model.modelName = kinds[i].model;
      gadget->gadget.size = kinds[i].size;
      gadget->gadget.heightOffset = kinds[i].heightOffset;
      models[i].boundEntity.Set(gadget);
    }
    RefreshHudGadgetModels();
    thief->gadget = 0;
    GadgetSwitchAnimation* rest = Animations().AddGadgetSwitch();
    rest->reverse = 1;
    rest->Start();
    for (int i = 0; i < 6; ++i) Tick(0.1);  // the animations' time steps are capped at 0.1 s
  }
  // Deletes an entity the way the game does, at the start of a frame.
  static void Delete(Entity* entity) {
    EntityManager* entities = Engine::Get()->GetEntityManager();
    entities->QueueDelete(entity);
    entities->ProcessDeletions();
  }

  FakeHudGame game;
  HudTestThief* thief = nullptr;
  std::string ammoText;
};
