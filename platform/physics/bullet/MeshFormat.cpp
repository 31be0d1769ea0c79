#include "platform/physics/bullet/MeshFormat.h"

#include <algorithm>

namespace platform::physics::bullet {
namespace {

// Reads `count` elements a block at a time, so a damaged count cannot make us allocate more
// than the stream really holds.
template <typename T>
bool ReadArray(PhysicsStream& stream, uint32_t count, std::vector<T>& out) {
  constexpr uint32_t kBlock = 1u << 16;
  out.clear();
  for (uint32_t done = 0; done < count && !stream.Failed();) {
    const uint32_t n = std::min(kBlock, count - done);
    out.resize(size_t{done} + n);
    stream.ReadBuffer(out.data() + done, n * sizeof(T));
    done += n;
  }
  return !stream.Failed();
}

}  // namespace

void WriteMesh(PhysicsStream& stream, const std::vector<Vec3>& vertices,
               const std::vector<uint32_t>& indices) {
  stream.StoreDword(kMeshTag).StoreDword(kMeshVersion);
  stream.StoreDword(static_cast<uint32_t>(vertices.size()));
  stream.StoreDword(static_cast<uint32_t>(indices.size() / 3));
  stream.StoreBuffer(vertices.data(), static_cast<uint32_t>(vertices.size() * sizeof(Vec3)));
  stream.StoreBuffer(indices.data(), static_cast<uint32_t>(indices.size() * sizeof(uint32_t)));
}

bool ReadMesh(PhysicsStream& stream, std::vector<Vec3>& vertices, std::vector<uint32_t>& indices,
              std::string& error) {
  const uint32_t tag = stream.ReadDword();
  const uint32_t version = stream.ReadDword();
  const uint32_t numVertices = stream.ReadDword();
  const uint32_t numTriangles = stream.ReadDword();
  if (stream.Failed()) {
    error = "could not read the cooked mesh";
    return false;
  }
  if (tag != kMeshTag || version != kMeshVersion) {
    error = "not a cooked mesh";
    return false;
  }
  if (numVertices > kMaxMeshElements || numTriangles > kMaxMeshElements) {
    error = "cooked mesh too large";
    return false;
  }
  if (!ReadArray(stream, numVertices, vertices) || !ReadArray(stream, numTriangles * 3, indices)) {
    error = "cooked mesh is truncated";
    return false;
  }
  if (!std::all_of(vertices.begin(), vertices.end(), [](const Vec3& v) { return v.IsFinite(); })) {
    error = "cooked mesh has a vertex that is not a number";
    return false;
  }
  if (!std::all_of(indices.begin(), indices.end(), [&](uint32_t i) { return i < numVertices; })) {
    error = "cooked mesh has an index out of range";
    return false;
  }
  return true;
}

}  // namespace platform::physics::bullet
