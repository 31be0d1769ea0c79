#pragma once
#include <cstdint>
#include <vector>

#include "entity/EntityClass.h"
#include "graphics/Camera.h"
#include "input/ControlMap.h"
#include "physics/InterpNodes.h"

class DebugDraw;

// The camera-path editor ("InterpEdit"): a free-flying camera of its own over the current map,
// and a working copy of the map's camera path in which nodes are added at the camera, selected
// (a selected node follows the camera), deleted and cleared. It draws the path, flies it as a
// test and saves it where the map's fly-through reads it. The game switches it on and off with
// "Activate" and "Deactivate"; it acts only while its camera is the active one.
class InterpEditControls : public EntityClass<InterpEditControls> {
 public:
  static constexpr char kClassName[] = "InterpEditControls";
  // Units per second along the look direction or the right vector while a key is held.
  static constexpr float kFlySpeed = 500.0f;
  // Radians of yaw per unit of mouse X movement, and of pitch per unit of Y movement.
  static constexpr float kMouseTurn = 0.002f;
  static constexpr float kDirectionLine = 30.0f;
  static constexpr float kNodeRadius = 10.0f;
  static constexpr uint32_t kNodeColour = 0xFFFFFFFF;
  static constexpr uint32_t kLinkColour = 0xFF0000FF;
  static constexpr uint32_t kDirectionColour = 0xFF00FF00;

  static void Describe(ClassBuilder<InterpEditControls>& c);
  void OnCreate() override;

  void MoveForward(bool pressed) { moveForward = pressed; }
  void MoveBack(bool pressed) { moveBack = pressed; }
  void MoveLeft(bool pressed) { moveLeft = pressed; }
  void MoveRight(bool pressed) { moveRight = pressed; }
  void PrintHelp();
  void Save();
  void StartTest();
  void StopTest();
  void Delete();
  void Clear();
  void ToggleShapes() { showShapes = !showShapes; }
  void AddNode();
  void SelectNext();
  void SelectPrev();
  void Deselect() { selected = -1; }
  void OnUpdate();
  void Activate();
  void Deactivate();

  // The path through `draw`, the selected node without its sphere.
  void DrawPath(DebugDraw& draw) const;

  ControlMap controlMap;
  Camera camera;
  uint8_t moveForward = 0;
  uint8_t moveBack = 0;
  uint8_t moveLeft = 0;
  uint8_t moveRight = 0;
  uint8_t showShapes = 0;
  // -1: none.
  int32_t selected = -1;
  std::vector<InterpNode> path;

 private:
  // Selects the node and puts the camera where it stands, looking its way; the camera's up and
  // right vectors stay.
  void Select(int32_t index);
  bool HasSelection() const { return selected >= 0 && selected < static_cast<int32_t>(path.size()); }
  // The free flight of one frame.
  void Fly(float seconds, int32_t mouseX, int32_t mouseY);
};
