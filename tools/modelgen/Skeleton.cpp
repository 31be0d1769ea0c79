#include "tools/modelgen/Skeleton.h"

#include <stdexcept>

namespace modelgen {

using namespace platform::xfile;

namespace {
Quat Conjugate(const Quat& q) { return {-q.x, -q.y, -q.z, q.w}; }
}  // namespace

uint32_t Skeleton::Add(const std::string& name, int32_t parent, const Vec3& joint,
                       const Quat& axes) {
  bones_.push_back({name, parent, joint, axes});
  return uint32_t(bones_.size() - 1);
}

uint32_t Skeleton::Find(const std::string& name) const {
  for (uint32_t i = 0; i < bones_.size(); ++i)
    if (bones_[i].name == name) return i;
  throw std::runtime_error("no bone " + name);
}

std::vector<std::string> Skeleton::Names() const {
  std::vector<std::string> names;
  for (const Bone& b : bones_) names.push_back(b.name);
  return names;
}

Quat Skeleton::ParentAxes(uint32_t bone) const {
  const int32_t p = bones_[bone].parent;
  return p < 0 ? Quat{} : bones_[size_t(p)].axes;
}

Quat Skeleton::LocalRotation(uint32_t bone, const Quat& pose) const {
  const Quat bind = Then(bones_[bone].axes, Conjugate(ParentAxes(bone)));
  return Then(bind, pose);
}

Vec3 Skeleton::LocalTranslation(uint32_t bone) const {
  const int32_t p = bones_[bone].parent;
  const Vec3 fromParent =
      p < 0 ? bones_[bone].joint : Sub(bones_[bone].joint, bones_[size_t(p)].joint);
  return Rotate(Conjugate(ParentAxes(bone)), fromParent);
}

Matrix Skeleton::Local(uint32_t bone, const Quat& pose, const Vec3& shift) const {
  return RotateTranslate(LocalRotation(bone, pose),
                         platform::xfile::Add(LocalTranslation(bone), shift));
}

std::vector<Matrix> Skeleton::Offsets() const {
  std::vector<Matrix> offsets;
  for (const Bone& b : bones_) offsets.push_back(InverseRigid(RotateTranslate(b.axes, b.joint)));
  return offsets;
}

void Skeleton::AppendFrames(Model& model, uint32_t parent) const {
  std::vector<uint32_t> frameOf(bones_.size());
  for (uint32_t i = 0; i < bones_.size(); ++i) {
    const int32_t p = bones_[i].parent;
    const uint32_t parentFrame = p < 0 ? parent : frameOf[size_t(p)];
    Frame f;
    f.name = bones_[i].name;
    f.transform = Local(i);
    f.parent = int32_t(parentFrame);
    frameOf[i] = uint32_t(model.frames.size());
    model.frames[parentFrame].children.push_back(frameOf[i]);
    model.frames.push_back(std::move(f));
  }
}

}  // namespace modelgen
