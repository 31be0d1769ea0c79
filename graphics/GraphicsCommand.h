#pragma once
#include "entity/EntityClass.h"

// Receives the graphics console commands on "ConsoleCmd": "setoutline", "rlshaders",
// "ambient", "StartFadeWhite" and "StartVideo".
class GraphicsCommand : public EntityClass<GraphicsCommand> {
 public:
  static constexpr char kClassName[] = "GraphicsCommand";
  static void Describe(ClassBuilder<GraphicsCommand>& c);
  // Listens on "ChangeMapsCmd" as well, though nothing is sent there.
  void OnCreate() override;
};

// Receives the commands of clicked GUI elements on "GUICmd" that belong to graphics:
// "ToggleVariable" from the lines of the debug variable panel.
class GUICommand : public EntityClass<GUICommand> {
 public:
  static constexpr char kClassName[] = "GUICommand";
  static void Describe(ClassBuilder<GUICommand>& c);
  void OnCreate() override {}
};
