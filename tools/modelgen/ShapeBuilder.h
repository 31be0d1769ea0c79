#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/xfile/Model.h"

namespace modelgen {

using platform::xfile::MeshContainer;
using platform::xfile::Vec3;

// A rectangle of a texture, u0 v0 top left; the shapes spread their texture coordinates over it.
struct UvRect {
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

// The bones that move a vertex: bone0 with weight0, bone1 with the rest.
struct Influence {
  uint32_t bone0 = 0, bone1 = 0;
  float weight0 = 1;
};
using InfluenceFn = std::function<Influence(const Vec3&)>;

// One ring of a surface of revolution: its radius at a distance along the axis.
struct ProfilePoint {
  float radius, along;
};

// Collects low-poly shapes into one indexed mesh with smooth normals, texture coordinates, a
// material per triangle and, for skinned meshes, up to two bones per vertex. Triangles are
// turned so that they face the way their vertex normals point; zero-area ones are dropped.
class ShapeBuilder {
 public:
  void SetMaterial(uint32_t material) { material_ = material; }
  // Vertices added from now on take their bones from f; without one they get bone 0.
  void SetInfluence(InfluenceFn f) { influence_ = std::move(f); }

  void Box(const Vec3& centre, const Vec3& half, const UvRect& uv);
  // Rings around the axis from base; the cross-section is an ellipse stretched by widthX
  // and widthY across the axis (x and y for a vertical axis). Caps close open ends.
  void Lathe(const Vec3& base, const Vec3& axis, std::span<const ProfilePoint> profile,
             int segments, const UvRect& uv, float widthX = 1, float widthY = 1, bool caps = true);
  // A tube from a to b with end radii ra and rb, in `rings` sections.
  void Tube(const Vec3& a, const Vec3& b, float ra, float rb, int segments, int rings,
            const UvRect& uv);
  // A flat round face whose texture rect is laid over it like a label, upright and unmirrored
  // for a viewer in front of it whose right is `right`.
  void Disc(const Vec3& centre, const Vec3& normal, const Vec3& right, float radius, int segments,
            const UvRect& uv);
  // Texture u runs once around, from the back (+x) through the front (-x) at u = 0.5.
  void Ellipsoid(const Vec3& centre, const Vec3& radii, int segments, int rings, const UvRect& uv);

  size_t VertexCount() const { return positions_.size(); }

  // The mesh, with one skin bone per name that weights at least one vertex; offsets[i] is the
  // bone offset matrix of bone i. Empty names: a mesh without skin.
  MeshContainer Finish(const std::string& name, std::vector<platform::xfile::Material> materials,
                       std::span<const std::string> boneNames = {},
                       std::span<const platform::xfile::Matrix> offsets = {}) const;

 private:
  uint32_t Vertex(const Vec3& p, const Vec3& n, float u, float v);
  void Triangle(uint32_t a, uint32_t b, uint32_t c);
  // A grid of rows x cols vertices already added from `first`, row-major, joined into quads.
  void Grid(uint32_t first, int rows, int cols);

  std::vector<Vec3> positions_, normals_;
  std::vector<std::array<float, 2>> uvs_;
  std::vector<Influence> influences_;
  std::vector<uint32_t> indices_, triangleMaterials_;
  uint32_t material_ = 0;
  InfluenceFn influence_;
};

}  // namespace modelgen
