#pragma once
#include <cstdint>
#include <string>
#include <vector>

class BspMap;
struct BspData;

namespace platform::physics {
class Actor;
}

inline constexpr const char* kNoPhysicsTexturesPath = "Data/noPhysicsTextures.xml";
inline constexpr const char* kCookedMeshPath = "tmp.bin";

// The physics side of one loaded map: its faces (less those whose texture is listed in
// "Data/noPhysicsTextures.xml") cooked through the scratch file "tmp.bin" in the working folder
// into one static triangle-mesh actor, so that bodies and characters collide with the map. When
// the file cannot be written or read back, the mesh is cooked in memory.
class MapCollision {
 public:
  MapCollision() = default;
  ~MapCollision();
  MapCollision(const MapCollision&) = delete;
  MapCollision& operator=(const MapCollision&) = delete;

  // `map` in the world frame. A cook releases the actor of an earlier one. A "tmp.bin" that
  // cannot be written or read back is said on "PhysicsLog" and the mesh cooked in memory.
  // Returns false, with the reason on "PhysicsLog", when the world refuses the actor or the
  // mesh cannot be cooked at all; the map then has no collision. A map without collision faces
  // gets no actor and succeeds.
  bool CookWorldMesh(const BspData& map);
  bool CookWorldMesh(const BspMap& map);
  // Hands the actor back to the world (the map's reset).
  void ReleaseActor();

  platform::physics::Actor* GetActor() const { return actor_; }
  // Triangles of the last cook, before cooking left out broken ones.
  uint32_t GetTriangleCount() const { return triangleCount_; }

  // Three vertex indices per collision triangle of the map's faces whose texture is not
  // excluded; indices that would leave the map's arrays are not produced.
  static std::vector<uint32_t> CollectTriangles(const BspData& map, const std::vector<std::string>& excludedTextures);

 private:
  const BspData* map_ = nullptr;
  uint32_t triangleCount_ = 0;
  platform::physics::Actor* actor_ = nullptr;
};
