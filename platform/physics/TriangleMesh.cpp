#include "platform/physics/TriangleMesh.h"

#include "platform/physics/bullet/MeshFormat.h"
#include "platform/physics/bullet/MeshImpl.h"

namespace platform::physics {

void TriangleMesh::Impl::Build() {
  if (indices.empty()) return;
  btIndexedMesh part;
  part.m_numTriangles = static_cast<int>(indices.size() / 3);
  part.m_triangleIndexBase = reinterpret_cast<const unsigned char*>(indices.data());
  part.m_triangleIndexStride = 3 * sizeof(uint32_t);
  part.m_numVertices = static_cast<int>(vertices.size());
  part.m_vertexBase = reinterpret_cast<const unsigned char*>(vertices.data());
  part.m_vertexStride = sizeof(Vec3);
  part.m_indexType = PHY_INTEGER;
  part.m_vertexType = PHY_FLOAT;
  arrays = std::make_unique<btTriangleIndexVertexArray>();
  arrays->addIndexedMesh(part, PHY_INTEGER);
  shape = std::make_unique<btBvhTriangleMeshShape>(arrays.get(), true);
  rayTree.Build(vertices, indices);
}

TriangleMesh::TriangleMesh(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TriangleMesh::~TriangleMesh() = default;

std::shared_ptr<TriangleMesh> TriangleMesh::Read(PhysicsStream& stream, std::string* error) {
  auto impl = std::make_unique<Impl>();
  std::string why;
  if (!bullet::ReadMesh(stream, impl->vertices, impl->indices, why)) {
    if (error) *error = why;
    return nullptr;
  }
  impl->Build();
  return std::make_shared<TriangleMesh>(std::move(impl));
}

uint32_t TriangleMesh::GetNbVertices() const { return static_cast<uint32_t>(impl_->vertices.size()); }
uint32_t TriangleMesh::GetNbTriangles() const { return static_cast<uint32_t>(impl_->indices.size() / 3); }
const Vec3* TriangleMesh::GetVertices() const { return impl_->vertices.data(); }
const uint32_t* TriangleMesh::GetTriangles() const { return impl_->indices.data(); }

}  // namespace platform::physics
