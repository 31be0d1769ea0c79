#include "tools/modelgen/Character.h"

#include <cmath>
#include <limits>
#include <utility>

#include "tools/modelgen/Atlas.h"
#include "tools/modelgen/Motion.h"
#include "tools/modelgen/ShapeBuilder.h"
#include "tools/modelgen/Skeleton.h"

namespace modelgen {

using namespace platform::xfile;

namespace {

// Heights above the floor and half widths of a body; the model is then lowered by half the
// height so that it stands centred on the origin.
struct Build {
  float height, hipZ, hipY, kneeZ, ankleZ, waistZ, chestZ, shoulderZ, shoulderY, neckZ, headZ;
  float headR, elbowZ, wristZ, handLen, footLen;
  float depth, chestW, waistW, hipW, neckR, thighR, calfR, upperArmR, forearmR;
};

Build Proportions(CharacterKind kind) {
  Build b{100, 50, 7,  27, 6,  58,   70, 80,   14,   83,   85,   8,   63,
          48,  8,  13, 7,  12, 9.5f, 11, 3.2f, 5.5f, 4.2f, 3.6f, 3.0f};
  auto scale = [&b](float s) {
    for (float* f :
         {&b.height,    &b.hipZ,      &b.hipY,      &b.kneeZ,   &b.ankleZ, &b.waistZ, &b.chestZ,
          &b.shoulderZ, &b.shoulderY, &b.neckZ,     &b.headZ,   &b.headR,  &b.elbowZ, &b.wristZ,
          &b.handLen,   &b.footLen,   &b.depth,     &b.chestW,  &b.waistW, &b.hipW,   &b.neckR,
          &b.thighR,    &b.calfR,     &b.upperArmR, &b.forearmR})
      *f *= s;
  };
  if (kind == CharacterKind::FemaleThief) {
    scale(0.95f);
    b.shoulderY = 12;
    b.chestW = 10.5f;
    b.waistW = 8;
    b.hipW = 11.5f;
    b.upperArmR = 3.1f;
    b.forearmR = 2.6f;
  } else if (kind == CharacterKind::Guard) {
    scale(1.06f);
    b.depth = 9.5f;
    b.chestW = 13.5f;
    b.waistW = 12.5f;
    b.shoulderY = 15.5f;
  }
  return b;
}

constexpr float kBefore = -std::numeric_limits<float>::infinity();

// Bones along a line: bone i from distance starts[i] on, with a blend of `blend` either side
// of each joint so that the skin bends smoothly.
InfluenceFn Chain(const Vec3& origin, const Vec3& dir,
                  std::vector<std::pair<uint32_t, float>> bones, float blend) {
  const Vec3 d = Normalize(dir);
  return [=](const Vec3& p) {
    const float s = Dot(Sub(p, origin), d);
    for (size_t j = 1; j < bones.size(); ++j)
      if (std::fabs(s - bones[j].second) < blend)
        return Influence{bones[j].first, bones[j - 1].first,
                         0.5f + 0.5f * (s - bones[j].second) / blend};
    size_t i = 0;
    while (i + 1 < bones.size() && s >= bones[i + 1].second) ++i;
    return Influence{bones[i].first, bones[i].first, 1};
  };
}

InfluenceFn Rigid(uint32_t bone) {
  return [bone](const Vec3&) { return Influence{bone, bone, 1}; };
}

Skeleton MakeSkeleton(const Build& b) {
  Skeleton s;
  const float lift = -b.height / 2;
  auto at = [lift](float x, float y, float z) { return Vec3{x, y, z + lift}; };
  const int32_t root = int32_t(s.Add("Bip01", -1, at(0, 0, b.hipZ + 1)));
  const int32_t pelvis = int32_t(s.Add("Bip01_Pelvis", root, at(0, 0, b.hipZ + 1)));
  const int32_t spine = int32_t(s.Add("Bip01_Spine", pelvis, at(0, 0, b.waistZ)));
  const int32_t chest = int32_t(s.Add("Bip01_Spine1", spine, at(0, 0, b.chestZ)));
  const int32_t neck = int32_t(s.Add("Bip01_Neck", chest, at(0, 0, b.neckZ)));
  s.Add("Bip01_Head", neck, at(0, 0, b.headZ));
  // The hands' x axes run along the arm, so a raised arm points its hand's x forward.
  const Quat handAxes = AboutY(Radians(90));
  for (const auto& [side, sign] : {std::pair{"L", 1.f}, std::pair{"R", -1.f}}) {
    const std::string p = std::string("Bip01_") + side + "_";
    const int32_t clav = int32_t(s.Add(p + "Clavicle", chest, at(0, sign * 2, b.shoulderZ - 1)));
    const int32_t upper =
        int32_t(s.Add(p + "UpperArm", clav, at(0, sign * b.shoulderY, b.shoulderZ)));
    const int32_t fore =
        int32_t(s.Add(p + "Forearm", upper, at(0, sign * (b.shoulderY + 1), b.elbowZ)));
    s.Add(p + "Hand", fore, at(0, sign * (b.shoulderY + 1.5f), b.wristZ), handAxes);
  }
  for (const auto& [side, sign] : {std::pair{"L", 1.f}, std::pair{"R", -1.f}}) {
    const std::string p = std::string("Bip01_") + side + "_";
    const int32_t thigh = int32_t(s.Add(p + "Thigh", pelvis, at(0, sign * b.hipY, b.hipZ)));
    const int32_t calf = int32_t(s.Add(p + "Calf", thigh, at(0, sign * b.hipY, b.kneeZ)));
    s.Add(p + "Foot", calf, at(0, sign * b.hipY, b.ankleZ));
  }
  return s;
}

Vec3 JointOf(const Skeleton& s, const std::string& name) { return s.Bones()[s.Find(name)].joint; }

void AddLimbs(ShapeBuilder& shape, const Skeleton& s, const Build& b, CharacterKind kind) {
  for (const char* side : {"L", "R"}) {
    const std::string p = std::string("Bip01_") + side + "_";
    const float sign = side[0] == 'L' ? 1.f : -1.f;
    // Leg, hip to ankle.
    const Vec3 hip = JointOf(s, p + "Thigh");
    const float lt = b.hipZ - b.kneeZ, lc = b.kneeZ - b.ankleZ;
    shape.SetInfluence(Chain(hip, {0, 0, -1},
                             {{s.Find("Bip01_Pelvis"), kBefore},
                              {s.Find(p + "Thigh"), 0},
                              {s.Find(p + "Calf"), lt},
                              {s.Find(p + "Foot"), lt + lc}},
                             4));
    const ProfilePoint leg[] = {
        {b.thighR * 1.05f, -4},           {b.thighR, 0},
        {b.thighR * 0.92f, lt * 0.5f},    {b.calfR * 1.05f, lt},
        {b.calfR * 1.1f, lt + lc * 0.3f}, {b.calfR * 0.75f, lt + lc * 0.85f},
        {b.calfR * 0.7f, lt + lc + 1}};
    shape.Lathe(hip, {0, 0, -1}, leg, 10, atlas::kLegs);
    shape.SetInfluence(Rigid(s.Find(p + "Foot")));
    const Vec3 ankle = JointOf(s, p + "Foot");
    const float footH = b.ankleZ * 0.5f + 1;
    shape.Box({ankle.x - b.footLen * 0.3f, ankle.y, ankle.z - b.ankleZ + footH},
              {b.footLen / 2, 3.2f, footH}, atlas::kShoes);
    // Arm, shoulder to wrist, then the hand.
    const Vec3 shoulder = JointOf(s, p + "UpperArm");
    const Vec3 elbow = JointOf(s, p + "Forearm");
    const Vec3 wrist = JointOf(s, p + "Hand");
    const float lu = Length(Sub(elbow, shoulder)), lf = Length(Sub(wrist, elbow));
    const Vec3 down = Normalize(Sub(wrist, shoulder));
    shape.SetInfluence(Chain(shoulder, down,
                             {{s.Find(p + "Clavicle"), kBefore},
                              {s.Find(p + "UpperArm"), 0},
                              {s.Find(p + "Forearm"), lu},
                              {s.Find(p + "Hand"), lu + lf}},
                             3));
    shape.Ellipsoid(shoulder, {b.upperArmR * 1.15f, b.upperArmR * 1.2f, b.upperArmR * 1.15f}, 10, 6,
                    atlas::kArms);
    const ProfilePoint arm[] = {{b.upperArmR * 1.15f, 0},
                                {b.upperArmR, lu * 0.45f},
                                {b.forearmR * 1.1f, lu},
                                {b.forearmR * 1.05f, lu + lf * 0.35f},
                                {b.forearmR * 0.75f, lu + lf + 0.5f}};
    shape.Lathe(shoulder, down, arm, 10, atlas::kArms);
    const Vec3 palm = Add(wrist, Scale(down, b.handLen * 0.5f));
    shape.Ellipsoid(palm, {2.0f, 1.5f, b.handLen * 0.55f}, 8, 6, atlas::kHands);
    if (kind == CharacterKind::Guard && sign < 0) {
      // The flashlight lies along the hand's x axis, the way its beam shines.
      shape.SetInfluence(Rigid(s.Find(p + "Hand")));
      const Vec3 grip = Add(wrist, Scale(down, b.handLen * 0.2f));
      shape.Tube(Sub(grip, {1.5f, 0, 0}), Add(Sub(grip, {1.5f, 0, 0}), Scale(down, 14)), 1.3f, 2.0f,
                 8, 1, atlas::kGear);
    }
  }
}

void AddTrunk(ShapeBuilder& shape, const Skeleton& s, const Build& b) {
  const float lift = -b.height / 2;
  const uint32_t pelvis = s.Find("Bip01_Pelvis"), spine = s.Find("Bip01_Spine");
  const uint32_t chest = s.Find("Bip01_Spine1"), neck = s.Find("Bip01_Neck");
  const uint32_t head = s.Find("Bip01_Head");
  shape.SetInfluence(Rigid(pelvis));
  shape.Ellipsoid({0, 0, b.hipZ + 1.5f + lift}, {b.depth, b.hipW, 7}, 14, 8, atlas::kHips);
  shape.SetInfluence(Chain({0, 0, 0}, {0, 0, 1},
                           {{pelvis, kBefore},
                            {spine, b.waistZ + lift},
                            {chest, b.chestZ + lift},
                            {neck, b.neckZ + lift}},
                           5));
  const float base = b.hipZ + 2;
  const ProfilePoint torso[] = {{b.hipW * 0.95f, 0},
                                {b.waistW, b.waistZ - base},
                                {b.chestW * 0.95f, b.chestZ - base},
                                {b.chestW, b.shoulderZ - 3 - base},
                                {b.chestW * 0.7f, b.shoulderZ + 1 - base},
                                {b.neckR * 1.3f, b.neckZ - base}};
  shape.Lathe({0, 0, base + lift}, {0, 0, 1}, torso, 14, atlas::kTorso, b.depth / b.chestW, 1);
  shape.SetInfluence(Chain({0, 0, 0}, {0, 0, 1},
                           {{chest, kBefore}, {neck, b.neckZ + lift}, {head, b.headZ + lift}},
                           2.5f));
  shape.Tube({0, 0, b.neckZ - 3 + lift}, {0, 0, b.headZ + 3 + lift}, b.neckR, b.neckR * 0.95f, 10,
             2, atlas::kSkin);
}

// The toe and heel ends of both soles, which the animations keep on the floor.
std::vector<Contact> Soles(const Skeleton& s, const Build& b) {
  std::vector<Contact> soles;
  for (const char* foot : {"Bip01_L_Foot", "Bip01_R_Foot"}) {
    const uint32_t bone = s.Find(foot);
    const Vec3 ankle = s.Bones()[bone].joint;
    const float floor = ankle.z - b.ankleZ;
    soles.push_back({bone, {ankle.x - b.footLen * 0.8f, ankle.y, floor}});
    soles.push_back({bone, {ankle.x + b.footLen * 0.2f, ankle.y, floor}});
  }
  return soles;
}

float HeadCentre(const Build& b) { return b.height - b.headR * 1.12f - b.height / 2; }

// A dome over the upper head: a hood, hair or a cap crown.
void Dome(ShapeBuilder& shape, const Build& b, std::span<const ProfilePoint> rings,
          const UvRect& uv) {
  std::vector<ProfilePoint> scaled;
  for (const ProfilePoint& p : rings) scaled.push_back({p.radius * b.headR, p.along * b.headR});
  shape.Lathe({0, 0, HeadCentre(b)}, {0, 0, 1}, scaled, 14, uv, 1.05f, 0.94f);
}

void AddHead(ShapeBuilder& shape, const Skeleton& s, const Build& b, CharacterKind kind) {
  const float c = HeadCentre(b);
  const float r = b.headR;
  shape.SetInfluence(Rigid(s.Find("Bip01_Head")));
  shape.Ellipsoid({0, 0, c}, {r * 1.05f, r * 0.92f, r * 1.12f}, 16, 12, atlas::kFace);
  shape.Ellipsoid({-r * 1.02f, 0, c - r * 0.15f}, {1.4f, 1.0f, 1.6f}, 6, 4, atlas::kSkin);
  if (kind == CharacterKind::Thief) {
    const ProfilePoint beanie[] = {{1.06f, 0.34f}, {1.06f, 0.5f},  {0.95f, 0.68f},
                                   {0.75f, 0.88f}, {0.42f, 1.06f}, {0, 1.16f}};
    Dome(shape, b, beanie, atlas::kHat);
    shape.SetInfluence(Rigid(s.Find("Bip01_Spine1")));
    const float chest = b.chestZ - b.height / 2;
    shape.Ellipsoid({b.depth + 4, 0, chest + 1}, {5, 7.5f, 9}, 10, 7, atlas::kGear);
  } else if (kind == CharacterKind::FemaleThief) {
    const ProfilePoint hair[] = {
        {1.04f, 0.3f}, {1.0f, 0.5f}, {0.86f, 0.75f}, {0.55f, 1.0f}, {0, 1.15f}};
    Dome(shape, b, hair, atlas::kHair);
    shape.Tube({r * 0.9f, 0, c + r * 0.2f}, {r * 1.5f, 0, c - r * 1.6f}, 2.4f, 1.0f, 8, 3,
               atlas::kHair);
  } else {
    const ProfilePoint cap[] = {
        {1.05f, 0.36f}, {1.05f, 0.6f}, {1.2f, 0.8f}, {1.2f, 0.92f}, {0, 0.96f}};
    Dome(shape, b, cap, atlas::kHat);
    shape.Box({-r * 1.35f, 0, c + r * 0.4f}, {r * 0.45f, r * 0.8f, r * 0.06f}, atlas::kHat);
  }
}

}  // namespace

float CharacterHeight(CharacterKind kind) { return Proportions(kind).height; }

Model BuildCharacter(CharacterKind kind, const std::string& textureName) {
  const Build b = Proportions(kind);
  const Skeleton skeleton = MakeSkeleton(b);
  ShapeBuilder shape;
  AddTrunk(shape, skeleton, b);
  AddHead(shape, skeleton, b, kind);
  AddLimbs(shape, skeleton, b, kind);

  Material material;
  material.power = 8;
  material.specular = {0.1f, 0.1f, 0.1f};
  material.textureFilename = textureName;
  const std::vector<std::string> names = skeleton.Names();
  const std::vector<Matrix> offsets = skeleton.Offsets();

  Model model;
  const char* rootName = kind == CharacterKind::Guard         ? "Guard"
                         : kind == CharacterKind::FemaleThief ? "FemaleThief"
                                                              : "Thief";
  model.frames.resize(2);
  model.frames[0].name = rootName;
  model.frames[0].children = {1};
  model.frames[1].name = "Body";
  model.frames[1].parent = 0;
  model.frames[1].meshes = {0};
  model.meshes.push_back(shape.Finish("BodyMesh", {material}, names, offsets));
  skeleton.AppendFrames(model, 0);

  const MotionStyle style{.holdsLight = kind == CharacterKind::Guard,
                          .stride = kind == CharacterKind::FemaleThief ? 0.95f : 1.f};
  const std::vector<Clip> clips =
      kind == CharacterKind::Guard ? GuardClips(style) : ThiefClips(style);
  const std::vector<Contact> soles = Soles(skeleton, b);
  for (const Clip& clip : clips) model.animationSets.push_back(SampleClip(skeleton, clip, soles));
  return model;
}

}  // namespace modelgen
