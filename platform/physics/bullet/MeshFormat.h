#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/physics/Stream.h"
#include "platform/physics/Vector.h"

// The cooked-mesh stream: a tag, a version, the vertex and triangle counts, the vertex
// positions, then three 32-bit indices per triangle. Everything was checked when cooking; the
// reader checks it all again, for the file may have been damaged since.
namespace platform::physics::bullet {

constexpr uint32_t kMeshTag = 0x4D545256;  // "VRTM"
constexpr uint32_t kMeshVersion = 1;
constexpr uint32_t kMaxMeshElements = 1u << 26;

void WriteMesh(PhysicsStream& stream, const std::vector<Vec3>& vertices,
               const std::vector<uint32_t>& indices);
// False, with the reason, when the stream fails or does not hold a sound mesh.
bool ReadMesh(PhysicsStream& stream, std::vector<Vec3>& vertices, std::vector<uint32_t>& indices,
              std::string& error);

}  // namespace platform::physics::bullet
