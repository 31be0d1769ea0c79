#include "physics/MapCollision.h"

#include <algorithm>

#include "engine/Engine.h"
#include "map/BspData.h"
#include "map/BspMap.h"
#include "map/StringList.h"
#include "physics/Physics.h"
#include "platform/physics/Scene.h"
#include "platform/physics/Stream.h"
#include "platform/physics/TriangleMesh.h"

namespace pp = platform::physics;

namespace {

void LogFailure(const std::string& text) { Engine::Get()->GetLog()->Write("PhysicsLog", text, 2); }

pp::Scene* CurrentScene() {
  Physics* physics = ActivePhysics();
  return physics ? physics->GetScene() : nullptr;
}

// Cooks the mesh through the scratch file, as the world reads meshes from streams, and reads it
// back (none for a mesh without triangles). `failure` says why the file could not carry it.
std::shared_ptr<pp::TriangleMesh> CookThroughFile(const pp::TriangleMeshDesc& desc, pp::CookResult& cooked,
                                                  std::string& failure) {
  pp::PhysicsFileStream out(kCookedMeshPath, false);
  cooked = pp::CookTriangleMesh(desc, out);
  if (!out.Close() || !cooked.ok) {
    failure = std::string("Could not write ") + kCookedMeshPath + ". " +
              (cooked.error.empty() ? "could not write the cooked mesh" : cooked.error);
    return nullptr;
  }
  if (cooked.triangles == 0) return nullptr;
  pp::PhysicsFileStream in(kCookedMeshPath, true);
  std::string error;
  std::shared_ptr<pp::TriangleMesh> mesh = pp::TriangleMesh::Read(in, &error);
  if (!mesh) failure = std::string("Could not read ") + kCookedMeshPath + ". " + error;
  return mesh;
}

}  // namespace

MapCollision::~MapCollision() { ReleaseActor(); }

std::vector<uint32_t> MapCollision::CollectTriangles(const BspData& map, const std::vector<std::string>& excluded) {
  std::vector<uint32_t> indices;
  const size_t meshVertexCount = map.meshVertices.size();
  for (const BspFace& face : map.faces) {
    if (face.texture < 0 || static_cast<size_t>(face.texture) >= map.textures.size()) continue;
    const std::string_view name = BspName(map.textures[face.texture].name);
    if (std::find(excluded.begin(), excluded.end(), name) != excluded.end()) continue;
    if (face.firstMeshVertex < 0 || face.meshVertexCount < 0) continue;
    const size_t first = static_cast<size_t>(face.firstMeshVertex);
    for (size_t j = 0; j + 2 < static_cast<size_t>(face.meshVertexCount); j += 3) {
      if (first + j + 2 >= meshVertexCount) break;
      for (size_t k = 0; k < 3; ++k) {
        // Summed without overflow; indices outside the vertices are left out by the cooking,
        // with their triangle.
        const auto offset = static_cast<uint32_t>(map.meshVertices[first + j + k]);
        indices.push_back(offset + static_cast<uint32_t>(face.firstVertex));
      }
    }
  }
  return indices;
}

bool MapCollision::CookWorldMesh(const BspData& map) {
  ReleaseActor();
  map_ = &map;
  std::vector<std::string> excluded;
  LoadStringListXml(excluded, kNoPhysicsTexturesPath, "PhysicsLog");
  const std::vector<uint32_t> indices = CollectTriangles(map, excluded);
  triangleCount_ = static_cast<uint32_t>(indices.size() / 3);

  pp::TriangleMeshDesc desc;
  desc.numVertices = static_cast<uint32_t>(map.vertices.size());
  desc.numTriangles = triangleCount_;
  desc.pointStrideBytes = sizeof(BspVertex);
  desc.triangleStrideBytes = 3 * sizeof(uint32_t);
  desc.points = map.vertices.data();
  desc.triangles = indices.data();

  std::string failure;
  pp::CookResult cooked;
  std::shared_ptr<pp::TriangleMesh> mesh = CookThroughFile(desc, cooked, failure);
  if (!failure.empty()) {
    // A working folder that cannot be written (a read-only data tree, a full disk) must not cost
    // the round its walls.
    LogFailure(failure + ". The collision mesh is cooked in memory instead");
    pp::PhysicsMemoryStream memory;
    cooked = pp::CookTriangleMesh(desc, memory);
    std::string error = cooked.error;
    if (cooked.ok && cooked.triangles > 0) mesh = pp::TriangleMesh::Read(memory, &error);
    if (!cooked.ok || (cooked.triangles > 0 && !mesh)) {
      LogFailure("Could not cook the collision mesh in memory. " + error);
      return false;
    }
  }
  if (cooked.droppedOutOfRange + cooked.droppedDegenerate > 0) {
    LogFailure("Collision mesh: left out " + std::to_string(cooked.droppedOutOfRange) + " triangles outside the map and " +
               std::to_string(cooked.droppedDegenerate) + " degenerate ones");
  }
  if (cooked.triangles == 0) return true;

  pp::Scene* scene = CurrentScene();
  if (!scene) return false;
  pp::ActorDesc actorDesc;
  actorDesc.shapes.push_back(pp::ShapeDesc::Mesh(std::move(mesh)));
  actor_ = scene->CreateActor(actorDesc);
  if (!actor_) return false;
  actor_->userData = nullptr;
  return true;
}

bool MapCollision::CookWorldMesh(const BspMap& map) { return CookWorldMesh(map.Data()); }

void MapCollision::ReleaseActor() {
  if (!actor_) return;
  // A world restarted since the cook left the actor a husk, which any world frees safely.
  if (pp::Scene* scene = CurrentScene()) {
    scene->ReleaseActor(actor_);
    actor_ = nullptr;
  }
}
