#pragma once
#include <string>

#include "ai/nav/RouteSettings.h"
#include "entity/RecordFields.h"

inline constexpr const char* kAIConfigPath = "Data/AIConfig.xml";
inline constexpr const char* kAILog = "AI Log";

// The AI's tuning and switches. The record has no defaults of its own in the data: a missing
// file is written back from what it holds, so everything starts off and at zero (no agents
// act, no thieves, no guards) until the file says otherwise.
struct AIConfig {
  bool Train = false;
  bool EnableAI = false;
  bool NodeGraphDraw = false;
  bool NodePathDraw = false;
  bool ChaseThieves = false;
  bool AvoidGuards = false;
  int MaxGuards = 0;
  int MaxThieves = 0;
  bool SavePaths = false;
  bool UseDataBase = false;
  bool PullPaths = false;
  float UPDATE_TIME = 0.0f;
  float THIEF_STUN_TIME = 0.0f;
  float DISABLE_TRIP_TIME = 0.0f;
  float VERIFY_ACTION_TIME = 0.0f;
  float MIN_CHASE_TIME = 0.0f;
  float TRIP_LASER_STUN_TIME = 0.0f;
  float INVESTIGATE_TIME = 0.0f;
  float SURPRISE_TIME = 0.0f;
  float CONFUSED_TIME = 0.0f;
  float SNEAK_SPEED_MAX = 0.0f;
  float WALK_SPEED_MAX = 0.0f;
  float RETURN_ITEM_SPEED = 0.0f;
  float PATROL_SPEED = 0.0f;
  float CHASE_SPEED = 0.0f;
  float INVESTIGATE_SPEED = 0.0f;
  float HIDE_SPEED = 0.0f;
  float SEARCH_SPEED = 0.0f;
  float ITEM_STEAL_RADIUS = 0.0f;
  float TRIP_DISABLE_RADIUS = 0.0f;
  float SLEEPING_GUARD_RADIUS = 0.0f;
  float INVESTIGATE_RADIUS = 0.0f;
  float THIEF_STUN_RANGE = 0.0f;
  float GUARD_VISION_RANGE = 0.0f;
  float THIEF_VISION_RANGE = 0.0f;
  float LISTEN_RANGE_MODIFIER = 0.0f;
};

// Every number here is a count, a time, a speed, a distance (the vision ranges squared) or the
// hearing's factor, none of which means anything below zero: such a value keeps the one held, and
// is logged. The counts have their upper bounds where they are used (the thieves wanted, the
// guard paths there are).
inline constexpr RecordFields::Limits kAINonNegative = RecordFields::AtLeast(0.0);

// The file's order, which is not the record's: files written by earlier versions stand in it.
template <class Fields>
void VisitFields(Fields& f, AIConfig& c) {
  f("Train", c.Train);
  f("EnableAI", c.EnableAI);
  f("NodeGraphDraw", c.NodeGraphDraw);
  f("NodePathDraw", c.NodePathDraw);
  f("ChaseThieves", c.ChaseThieves);
  f("AvoidGuards", c.AvoidGuards);
  f("MaxGuards", c.MaxGuards, kAINonNegative);
  f("MaxThieves", c.MaxThieves, kAINonNegative);
  f("SavePaths", c.SavePaths);
  f("UseDataBase", c.UseDataBase);
  f("PullPaths", c.PullPaths);
  f("SNEAK_SPEED_MAX", c.SNEAK_SPEED_MAX, kAINonNegative);
  f("WALK_SPEED_MAX", c.WALK_SPEED_MAX, kAINonNegative);
  f("UPDATE_TIME", c.UPDATE_TIME, kAINonNegative);
  f("CHASE_SPEED", c.CHASE_SPEED, kAINonNegative);
  f("INVESTIGATE_SPEED", c.INVESTIGATE_SPEED, kAINonNegative);
  f("HIDE_SPEED", c.HIDE_SPEED, kAINonNegative);
  f("THIEF_STUN_TIME", c.THIEF_STUN_TIME, kAINonNegative);
  f("ITEM_STEAL_RADIUS", c.ITEM_STEAL_RADIUS, kAINonNegative);
  f("SEARCH_SPEED", c.SEARCH_SPEED, kAINonNegative);
  f("TRIP_DISABLE_RADIUS", c.TRIP_DISABLE_RADIUS, kAINonNegative);
  f("DISABLE_TRIP_TIME", c.DISABLE_TRIP_TIME, kAINonNegative);
  f("THIEF_STUN_RANGE", c.THIEF_STUN_RANGE, kAINonNegative);
  f("VERIFY_ACTION_TIME", c.VERIFY_ACTION_TIME, kAINonNegative);
  f("MIN_CHASE_TIME", c.MIN_CHASE_TIME, kAINonNegative);
  f("TRIP_LASER_STUN_TIME", c.TRIP_LASER_STUN_TIME, kAINonNegative);
  f("INVESTIGATE_TIME", c.INVESTIGATE_TIME, kAINonNegative);
  f("SURPRISE_TIME", c.SURPRISE_TIME, kAINonNegative);
  f("RETURN_ITEM_SPEED", c.RETURN_ITEM_SPEED, kAINonNegative);
  f("PATROL_SPEED", c.PATROL_SPEED, kAINonNegative);
  f("SLEEPING_GUARD_RADIUS", c.SLEEPING_GUARD_RADIUS, kAINonNegative);
  f("CONFUSED_TIME", c.CONFUSED_TIME, kAINonNegative);
  f("INVESTIGATE_RADIUS", c.INVESTIGATE_RADIUS, kAINonNegative);
  f("LISTEN_RANGE_MODIFIER", c.LISTEN_RANGE_MODIFIER, kAINonNegative);
  f("GUARD_VISION_RANGE", c.GUARD_VISION_RANGE, kAINonNegative);
  f("THIEF_VISION_RANGE", c.THIEF_VISION_RANGE, kAINonNegative);
}

// Fills the record from the file; never throws. A file that cannot be opened is written back
// from the values held; a damaged one is logged on "AI Log", naming the file, and the values
// read before the fault stay. Besides their order, the elements' kinds and names are checked,
// so a file whose elements were moved about is refused rather than read into the wrong fields.
void LoadAIConfig(AIConfig& config, const std::string& path);
// Writes the whole file; never throws (failures are logged).
void SaveAIConfig(const AIConfig& config, const std::string& path);

// How the route planner works under these settings: training pulls routes over five passes.
RouteSettings PlanningSettings(const AIConfig& config);
