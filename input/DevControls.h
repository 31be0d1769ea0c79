#pragma once
#include <cstdint>
#include <string>

#include "entity/EntityClass.h"
#include "input/ControlMap.h"

// The developer scheme ("Dev"), given the focus beside every other scheme when the game settings
// ask for it, so its fixed keys work in the menus, in play and in the camera-path editor alike.
// They switch the debug displays and the AI, edit the AI's navigation graphs at the thief's
// position, hide the thief under its box, open the camera-path editor, leave the game, and run
// the test commands: a screenshot, a physics object fired from the thief's view, a test
// particle effect. Every key acts once, on its press.
class DevControls : public EntityClass<DevControls> {
 public:
  static constexpr char kClassName[] = "DevControls";
  static void Describe(ClassBuilder<DevControls>& c);
  void OnCreate() override;

  void ToggleAIInput();
  void ToggleChase();
  void ToggleAI();
  void AddNodeInput();
  void DeleteNodeInput();
  void ExcludeNode();
  void ReLinkNodeGraph();
  // Bound and handled; no path building is fixed for them.
  void ToggleBuildThiefPath() {}
  void ToggleBuildGuardPath() {}
  void ToggleVariables();
  void ToggleTimers();
  void ToggleBox();
  void InterpEditToggle();
  void EndSession();

  void PrintScreen();
  void FirePhyObj(const std::string& className);
  void ParticleTest();
  void CubeTest();
  void ChangeAnimation(int32_t animation);
  void TestLeaf();
  void ResetLeaf();

  ControlMap controlMap;
};
