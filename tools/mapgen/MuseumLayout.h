#pragma once
#include <string>
#include <utility>
#include <vector>

// The demo museum as plans: each map is a set of rooms and corridors (axis-aligned boxes on
// one floor that touch where a door joins them) and the entities placed in them.
// Coordinates are the map file's, in world units, relative to the map's own offset.

constexpr int kCeilingHeight = 192;
constexpr int kDoorWidth = 96;
constexpr int kDoorHeight = 128;
inline constexpr const char* kCeilingTexture = "textures/museum/ceiling";

struct Area {
  std::string name;
  int minX, minY, maxX, maxY;
  std::string floorTexture;
  std::string wallTexture;
};

// A doorway between two areas that share a side; `center` is its middle along that side.
struct Door {
  int areaA, areaB;
  int center;
};

struct PlacedEntity {
  std::string classname;
  int origin[3];
  std::vector<std::pair<std::string, std::string>> keys;  // besides classname and origin
};

struct MapPlan {
  std::string fileName;  // under Maps/
  std::string title;
  int offsetX;           // maps stand apart: every map's collision shares one physics world
  std::vector<Area> areas;
  std::vector<Door> doors;
  std::vector<PlacedEntity> entities;
};

// The three maps of the demo museum, in map-list order.
std::vector<MapPlan> MuseumPlans();

// Every texture name the plans use.
std::vector<std::string> MuseumTextureNames();
