#include "tools/modelgen/Motion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace modelgen {

using namespace platform::xfile;

namespace {

constexpr float kTwoPi = 6.28318530718f;

// Model axes: the character faces -x, its left is +y, up is +z. A positive turn about y
// swings a hanging limb forward and tips an upright one back; about x it lifts a left limb
// outward.
float Deg(float d) { return Radians(d); }

struct Gait {
  float legSwing, kneeBase, kneeLift, armSwing, elbow, lean, crouch;
};

// One stride cycle: the left leg swings forward over the first half.
void Stride(const Gait& g, const MotionStyle& style, float phase, Pose& p) {
  const float a = kTwoPi * phase;
  const float swing = g.legSwing * style.stride;
  for (int side = 0; side < 2; ++side) {
    const bool left = side == 0;
    const float s = left ? std::sin(a) : -std::sin(a);
    const float c = left ? std::cos(a) : -std::cos(a);
    const float thigh = swing * s + g.crouch;
    const float knee = g.kneeBase + g.kneeLift * std::max(0.f, c) + g.crouch * 1.6f;
    const std::string prefix = left ? "Bip01_L_" : "Bip01_R_";
    p.Turn(prefix + "Thigh", AboutY(Deg(thigh)));
    p.Turn(prefix + "Calf", AboutY(Deg(-knee)));
    p.Turn(prefix + "Foot", AboutY(Deg(0.7f * (knee - thigh))));
    const float out = left ? 6.f : -6.f;
    if (!left && style.holdsLight) continue;
    p.Turn(prefix + "UpperArm",
           Then(AboutX(Deg(out)), AboutY(Deg(-g.armSwing * style.stride * s))));
    p.Turn(prefix + "Forearm", AboutY(Deg(g.elbow + 0.3f * g.elbow * std::max(0.f, -s))));
  }
  p.Turn("Bip01_Pelvis", AboutZ(Deg(4 * std::sin(a))));
  p.Turn("Bip01_Spine", Then(AboutZ(Deg(-6 * std::sin(a))), AboutY(Deg(-g.lean))));
  p.Turn("Bip01_Head", AboutY(Deg(g.lean * 0.6f)));
}

// The right arm raised before the chest, the hand's axis pointing forward and a little down.
void HoldLight(Pose& p, float sway) {
  p.Turn("Bip01_R_UpperArm", Then(AboutX(Deg(-8)), AboutY(Deg(35 + sway))));
  p.Turn("Bip01_R_Forearm", AboutY(Deg(45)));
  p.Turn("Bip01_R_Hand", AboutY(Deg(-sway)));
}

void Breathe(float phase, float depth, Pose& p) {
  const float b = std::sin(kTwoPi * phase);
  p.Turn("Bip01_Spine1", AboutY(Deg(depth * b)));
  p.Turn("Bip01_L_Clavicle", AboutX(Deg(depth * 0.5f * b)));
  p.Turn("Bip01_R_Clavicle", AboutX(Deg(-depth * 0.5f * b)));
}

void RestArms(Pose& p, float phase, bool right) {
  const float sway = 2 * std::sin(kTwoPi * phase);
  p.Turn("Bip01_L_UpperArm", AboutX(Deg(7 + sway * 0.5f)));
  p.Turn("Bip01_L_Forearm", AboutY(Deg(12 + sway)));
  if (!right) return;
  p.Turn("Bip01_R_UpperArm", AboutX(Deg(-7 - sway * 0.5f)));
  p.Turn("Bip01_R_Forearm", AboutY(Deg(12 + sway)));
}

Clip Idle(const MotionStyle& style) {
  return {"Idle", 3.0f, [style](float t, Pose& p) {
            Breathe(t, 2.5f, p);
            RestArms(p, t, !style.holdsLight);
            if (style.holdsLight) {
              // Looking about: head and light sweep left and right together.
              const float look = 35 * std::sin(kTwoPi * t);
              p.Turn("Bip01_Head", AboutZ(Deg(look)));
              p.Turn("Bip01_Spine1", AboutZ(Deg(look * 0.4f)));
              HoldLight(p, 0);
            }
          }};
}

Clip Walk(const MotionStyle& style) {
  return {"Walk", 0.7f, [style](float t, Pose& p) {
            Stride({30, 6, 50, 25, 15, 3, 0}, style, t, p);
            if (style.holdsLight) HoldLight(p, 3 * std::sin(kTwoPi * t));
          }};
}

Clip Run(const MotionStyle& style) {
  return {"Run", 0.5f, [style](float t, Pose& p) {
            Stride({45, 15, 85, 45, 75, 12, 0}, style, t, p);
            if (style.holdsLight) HoldLight(p, 8 * std::sin(kTwoPi * t));
          }};
}

Clip Sneak(const MotionStyle& style) {
  return {"Sneak", 1.0f, [style](float t, Pose& p) {
            Stride({20, 10, 35, 10, 60, 25, 25}, style, t, p);
          }};
}

Clip Confuse(const MotionStyle&) {
  return {"Confuse", 2.0f, [](float t, Pose& p) {
            const float a = kTwoPi * t;
            Breathe(t, 1.5f, p);
            // The left hand scratches the head while it shakes; the light hangs down.
            p.Turn("Bip01_L_UpperArm", Then(AboutX(Deg(50)), AboutY(Deg(60))));
            p.Turn("Bip01_L_Forearm", AboutY(Deg(120 + 10 * std::sin(4 * a))));
            p.Turn("Bip01_R_UpperArm", AboutX(Deg(-8)));
            p.Turn("Bip01_R_Forearm", AboutY(Deg(20)));
            p.Turn("Bip01_Head", Then(AboutY(Deg(-10)), AboutZ(Deg(25 * std::sin(a)))));
            p.Turn("Bip01_Spine", AboutX(Deg(4 * std::sin(a))));
          }};
}

Clip Sleep(const MotionStyle&) {
  return {"Sleep", 4.0f, [](float t, Pose& p) {
            const float b = std::sin(kTwoPi * t);
            // Dozing on its feet: slumped, head on the chest, arms hanging, slow breaths.
            p.Turn("Bip01_Spine", AboutY(Deg(-10)));
            p.Turn("Bip01_Spine1", AboutY(Deg(-6 + 3 * b)));
            p.Turn("Bip01_Neck", AboutY(Deg(-20)));
            p.Turn("Bip01_Head", Then(AboutY(Deg(-25 - 5 * b)), AboutX(Deg(8))));
            p.Turn("Bip01_L_UpperArm", AboutX(Deg(4)));
            p.Turn("Bip01_R_UpperArm", AboutX(Deg(-4)));
            p.Turn("Bip01_L_Forearm", AboutY(Deg(8)));
            p.Turn("Bip01_R_Forearm", AboutY(Deg(8)));
            for (const char* side : {"Bip01_L_", "Bip01_R_"}) {
              p.Turn(std::string(side) + "Thigh", AboutY(Deg(6)));
              p.Turn(std::string(side) + "Calf", AboutY(Deg(-12)));
              p.Turn(std::string(side) + "Foot", AboutY(Deg(6)));
            }
          }};
}

}  // namespace

Pose::Pose(const Skeleton& skeleton) : skeleton_(skeleton), rotations_(skeleton.Bones().size()) {}

Pose& Pose::Turn(const std::string& bone, const Quat& q) {
  Quat& r = rotations_[skeleton_.Find(bone)];
  r = Then(r, q);
  return *this;
}

Pose& Pose::Shift(const Vec3& offset) {
  shift_ = Add(shift_, offset);
  return *this;
}

namespace {

// How far the pose must rise (or sink) for its lowest contact to stand as low as the lowest
// one stands in the bind pose: on the floor.
float Grounding(const Skeleton& skeleton, const Pose& pose, std::span<const Contact> contacts) {
  if (contacts.empty()) return 0;
  const auto& bones = skeleton.Bones();
  const std::vector<Matrix> offsets = skeleton.Offsets();
  std::vector<Matrix> combined(bones.size());
  for (size_t b = 0; b < bones.size(); ++b) {
    const int32_t parent = bones[b].parent;
    const Matrix local =
        skeleton.Local(uint32_t(b), pose.Rotations()[b], parent < 0 ? pose.RootShift() : Vec3{});
    combined[b] = parent < 0 ? local : Multiply(local, combined[size_t(parent)]);
  }
  float floor = std::numeric_limits<float>::max(), lowest = floor;
  for (const Contact& c : contacts) {
    floor = std::min(floor, c.point.z);
    const Matrix m = Multiply(offsets[c.bone], combined[c.bone]);
    lowest = std::min(lowest, TransformPoint(c.point, m).z);
  }
  return floor - lowest;
}

}  // namespace

AnimationSet SampleClip(const Skeleton& skeleton, const Clip& clip,
                        std::span<const Contact> contacts, int keysPerCycle) {
  AnimationSet set;
  set.name = clip.name;
  set.ticksPerSecond = kTicksPerSecond;
  const auto& bones = skeleton.Bones();
  set.animations.resize(bones.size());
  for (size_t b = 0; b < bones.size(); ++b) set.animations[b].frameName = bones[b].name;
  for (int k = 0; k <= keysPerCycle; ++k) {
    const float phase = k == keysPerCycle ? 0.f : float(k) / float(keysPerCycle);
    const auto time = uint32_t(std::lround(clip.seconds * kTicksPerSecond * k / keysPerCycle));
    Pose pose(skeleton);
    clip.pose(phase, pose);
    pose.Shift({0, 0, Grounding(skeleton, pose, contacts)});
    for (uint32_t b = 0; b < bones.size(); ++b) {
      Animation& a = set.animations[b];
      a.rotations.push_back({time, FileKey(skeleton.LocalRotation(b, pose.Rotations()[b]))});
      if (bones[b].parent >= 0 && k > 0) continue;  // the other bones keep their joints
      Vec3 t = skeleton.LocalTranslation(b);
      if (bones[b].parent < 0) t = Add(t, pose.RootShift());
      a.positions.push_back({time, t});
    }
  }
  return set;
}

std::vector<Clip> ThiefClips(const MotionStyle& style) {
  return {Idle(style), Sneak(style), Walk(style), Run(style)};
}

std::vector<Clip> GuardClips(const MotionStyle& style) {
  return {Idle(style), Walk(style), Run(style), Confuse(style), Sleep(style)};
}

}  // namespace modelgen
