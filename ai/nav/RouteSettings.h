#pragma once

// How the route planner works, as its owner's settings say.
struct RouteSettings {
  // Reuse a stored route between nodes near both ends before searching.
  bool useDatabase = false;
  // Shorten searched routes by sight, over this many passes.
  bool pull = false;
  int pullPasses = 1;
  // Store searched routes in the map's route database.
  bool save = false;
};
