#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "map/BspMap.h"
#include "map/EntityLumpParser.h"
#include "physics/CameraPathFollower.h"
#include "physics/InterpNodes.h"
#include "physics/PhysicsSeams.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

using platform::Vector3;

// The thief's follow camera turns about a point this far above the thief, and the thief stands
// where its start (or the teleporter it arrives at) stands: the flight's last leg ends there.
constexpr float kCameraPivotHeight = 50.0f;
// How near a wall, floor, ceiling or door frame the flying camera may come.
constexpr float kWallMargin = 8.0f;
constexpr float kFrameSeconds = 1.0f / 60.0f;

struct Trail : PathCamera {
  void SetPathPose(const Vector3& p, const Vector3&) override { points.push_back(p); }
  std::vector<Vector3> points;
};

// The camera's place frame by frame as the game flies `path` with the thief's camera appended.
// The step that finishes the flight hands the view back to the thief, so its pose is dropped
// and the flight ends at the thief's camera.
std::vector<Vector3> Fly(std::vector<InterpNode> path, const Vector3& thiefCamera) {
  path.push_back({thiefCamera, {1, 0, 0}});
  Trail trail;
  CameraPathFollower follower;
  follower.Start(&trail, &path, false);
  for (int frame = 0; frame < 100000 && !follower.IsDone(); ++frame) {
    const size_t before = trail.points.size();
    follower.Update(kFrameSeconds);
    if (follower.IsDone()) trail.points.resize(before);
  }
  trail.points.push_back(thiefCamera);
  return trail.points;
}

std::string Describe(const Vector3& p) {
  std::string text = "(";
  text.append(std::to_string(int(p.x))).append(", ").append(std::to_string(int(p.y))).append(", ");
  return text.append(std::to_string(int(p.z))).append(")");
}

// The first place where the flight leaves the map's open space, comes within the margin of its
// surfaces or passes through one between two frames; empty when there is none.
std::string FirstFault(const Physics& physics, const BspMap& map, const std::vector<Vector3>& points) {
  static constexpr std::array<Vector3, 6> kAxes{{{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}};
  for (size_t i = 0; i < points.size(); ++i) {
    const Vector3& p = points[i];
    const BspLeaf* leaf = map.FindLeaf(p);
    if (!leaf || leaf->cluster < 0) return Describe(p) + " is inside solid space";
    RayHit hit;
    for (const Vector3& axis : kAxes) {
      if (physics.RayCast(p.x, p.y, p.z, axis.x, axis.y, axis.z, &hit) && hit.distance < kWallMargin)
        return Describe(p) + " is " + std::to_string(hit.distance) + " units from a surface";
    }
    if (i == 0) continue;
    const Vector3 step = p - points[i - 1];
    const float length = platform::Vec3Length(step);
    const Vector3& q = points[i - 1];
    if (length > 0 && physics.RayCast(q.x, q.y, q.z, step.x, step.y, step.z, &hit) && hit.distance < length)
      return "the flight from " + Describe(q) + " to " + Describe(p) + " passes through a surface at " +
             Describe(hit.point);
  }
  return "";
}

// Above every entity of the class (the one with the "targetname", when given), in the world
// frame, where the map's y is negated.
std::vector<Vector3> CameraPivots(const BspMap& map, const std::string& className, const std::string& targetName = "") {
  std::vector<Vector3> pivots;
  for (const KeyValueMap& block : map.Data().entityKeyValues) {
    if (block.at("classname") != className) continue;
    if (!targetName.empty() && (!block.count("targetname") || block.at("targetname") != targetName)) continue;
    float origin[3] = {};
    ReadVectorKey(block.at("origin"), origin);
    pivots.push_back({origin[0], -origin[1], origin[2] + kCameraPivotHeight});
  }
  return pivots;
}

using DemoCameraPathTest = PhysicsTest;

// A round starts with the lobby's flight to the thief on any of the starts; the gallery's and
// the vault's are flown once, when the thief first comes through a teleporter (from the lobby
// and from the gallery), to its camera beside the teleporter it arrives at. A path named after
// the teleporter used replaces the map's, as the game looks that one up first.
TEST_F(DemoCameraPathTest, EveryFlightOfTheDemoMuseumStaysInsideItsRooms) {
  StartPhysics();
  InterpNodeTable paths;
  LoadInterpNodes(paths, std::string(VR_DATA_DIR) + "/Data/InterpNodes.xml");
  struct Flight {
    const char* map;
    const char* startClass;
    const char* arrival;     // the teleporter the thief arrives at
    const char* departure;   // the teleporter the thief used
  };
  const Flight flights[] = {{"lobby.bsp", "PlayerStart", "", ""},
                            {"gallery.bsp", "Teleporter", "galleryToLobby", "lobbyToGallery"},
                            {"vault.bsp", "Teleporter", "vaultToGallery", "galleryToVault"}};
  std::vector<std::unique_ptr<BspMap>> maps;
  std::vector<std::unique_ptr<MapCollision>> collisions;
  for (const Flight& flight : flights) {
    maps.push_back(std::make_unique<BspMap>());
    maps.back()->Load(std::string(VR_GENERATED_DIR) + "/Maps/" + flight.map);
    collisions.push_back(std::make_unique<MapCollision>());
    ASSERT_TRUE(collisions.back()->CookWorldMesh(*maps.back()));
  }
  for (size_t i = 0; i < std::size(flights); ++i) {
    const Flight& flight = flights[i];
    std::vector<InterpNode> path = paths[flight.departure];
    if (path.empty()) path = paths[std::string("Maps/") + flight.map];
    ASSERT_GE(path.size(), 2u) << flight.map;
    const std::vector<Vector3> ends = CameraPivots(*maps[i], flight.startClass, flight.arrival);
    ASSERT_FALSE(ends.empty()) << flight.map;
    for (const Vector3& end : ends)
      EXPECT_EQ(FirstFault(*physics, *maps[i], Fly(path, end)), "") << flight.map << " flown to " << Describe(end);
  }
}

}  // namespace
