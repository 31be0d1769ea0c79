#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/xfile/Model.h"
#include "tools/modelgen/Rotation.h"

namespace modelgen {

// The bones of a character: a tree of joints placed in model space, each bone's axes given as
// an orientation in model space (identity for all but the bones whose axes the game reads).
class Skeleton {
 public:
  struct Bone {
    std::string name;
    int32_t parent;  // -1 for the root bone
    Vec3 joint;      // model space, in the bind pose
    Quat axes;       // orientation of the bone's axes in model space, in the bind pose
  };

  uint32_t Add(const std::string& name, int32_t parent, const Vec3& joint, const Quat& axes = {});
  uint32_t Find(const std::string& name) const;  // throws when absent
  const std::vector<Bone>& Bones() const { return bones_; }
  std::vector<std::string> Names() const;

  // The bone's transform relative to its parent: its bind orientation, then `pose` about the
  // parent's axes, at its joint moved by `shift` (in the parent's axes).
  Matrix Local(uint32_t bone, const Quat& pose = {}, const Vec3& shift = {}) const;
  Quat LocalRotation(uint32_t bone, const Quat& pose) const;
  Vec3 LocalTranslation(uint32_t bone) const;
  // Per bone, the matrix taking model space into the bone's space in the bind pose.
  std::vector<Matrix> Offsets() const;
  // Appends the bones as frames in their bind pose under frame `parent` of the model, in
  // pre-order (bones must be added parents first).
  void AppendFrames(platform::xfile::Model& model, uint32_t parent) const;

 private:
  Quat ParentAxes(uint32_t bone) const;
  std::vector<Bone> bones_;
};

}  // namespace modelgen
