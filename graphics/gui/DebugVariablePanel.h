#pragma once
#include <memory>
#include <vector>

#include "graphics/gui/GUITextElement.h"

// The developer overlay listing every console variable as "name = value": the timings of the
// profiler (names holding "Time") at x 650 for show, the others at x 850, where a click
// toggles the variable through "ToggleVariable". Both columns start hidden.
class DebugVariablePanel {
 public:
  // Lines for every variable of the table, in its order.
  void Build();
  // Once per frame (click false) and on a click (true): picks up variables registered since
  // the last build and runs the mouse test on the variable column, only while it is shown.
  void Update(bool click);
  void Draw();
  void Clear();

  bool showTimers = false;
  bool showVariables = false;
  std::vector<std::unique_ptr<GUITextElement>> variableElements;
  std::vector<std::unique_ptr<GUITextElement>> timerElements;
};
