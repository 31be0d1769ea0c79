#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/xfile/XMath.h"

// A model as the game's mesh-hierarchy loader hands it over: a tree of named frames with their
// matrices, the mesh containers each frame holds, and the animation sets.
namespace platform::xfile {

struct Material {
  std::array<float, 4> diffuse{1, 1, 1, 1};  // RGBA
  float power = 0;
  std::array<float, 3> specular{0, 0, 0};
  std::array<float, 3> emissive{0, 0, 0};
  std::string textureFilename;  // as written in the file, path and all; empty when none
};

// One bone of a skinned mesh: the vertices it moves, with their weights, and the matrix that
// takes mesh space into the bone's space.
struct Bone {
  std::string name;  // the frame that drives it
  std::vector<uint32_t> vertices;
  std::vector<float> weights;  // one per entry of vertices
  Matrix offset = IdentityMatrix();
};

// An indexed triangle mesh. Vertices are the file's, in the file's order; a vertex that the
// file gives different normals on different faces is repeated at the end, once per extra
// normal, carrying its texture coordinates, colour and skin weights along.
struct MeshContainer {
  std::string name;
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;                    // empty when the file has none
  std::vector<std::array<float, 2>> texCoords;  // empty when none
  std::vector<std::array<float, 4>> colors;     // RGBA, empty when none
  std::vector<uint32_t> indices;                // three per triangle; polygons are fanned
  std::vector<uint32_t> triangleMaterials;      // one per triangle, indexes materials
  std::vector<Material> materials;              // at least one
  std::vector<Bone> bones;                      // empty for a mesh without skin
  uint32_t maxVertexInfluences = 0;             // most bones acting on one vertex

  size_t TriangleCount() const { return indices.size() / 3; }
};

struct Frame {
  std::string name;                     // empty for a frame without a name
  Matrix transform = IdentityMatrix();  // relative to the parent frame
  int32_t parent = -1;                  // -1 for the root
  std::vector<uint32_t> children;       // frame indices, in file order
  std::vector<uint32_t> meshes;         // mesh container indices, in file order
};

template <typename T>
struct Key {
  uint32_t time = 0;  // ticks
  T value{};
};

// The keys of one frame within an animation set; each kind may be absent.
struct Animation {
  std::string frameName;
  std::vector<Key<Quat>> rotations;  // the file's w, x, y, z, kept as read
  std::vector<Key<Vec3>> scales;
  std::vector<Key<Vec3>> positions;
  std::vector<Key<Matrix>> matrices;  // when present they give the whole matrix
};

struct AnimationSet {
  std::string name;
  double ticksPerSecond = 4800;
  std::vector<Animation> animations;

  uint32_t LengthInTicks() const;  // the latest key time of any animation
};

struct Model {
  // Pre-order: a parent comes before its children, frames[0] is the root. A file with several
  // top-level frames (or meshes outside any frame) gets an unnamed identity root above them.
  std::vector<Frame> frames;
  std::vector<MeshContainer> meshes;  // file order
  // Reverse file order, as the game selects them by index: the last set in the file is 0.
  std::vector<AnimationSet> animationSets;

  // The first frame in pre-order with exactly this name; -1 when none.
  int32_t FindFrame(const std::string& name) const;
};

struct ReadResult {
  std::optional<Model> model;
  std::string error;  // what was wrong; the caller adds the file name
};

// Reads a model from the bytes of a text, binary or compressed file.
ReadResult ReadModel(std::span<const uint8_t> bytes);

// Reads a model file, looking its name up the way every data file is looked up.
ReadResult ReadModelFile(const std::string& path);

}  // namespace platform::xfile
