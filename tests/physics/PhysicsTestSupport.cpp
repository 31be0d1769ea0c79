#include "tests/physics/PhysicsTestSupport.h"

#include <algorithm>
#include <filesystem>

#include "physics/MapCollision.h"
#include "physics/PhysicsMessages.h"
#include "player/PlayerUserControl.h"

size_t TouchLog::Count(const std::string& line) const { return std::count(lines.begin(), lines.end(), line); }

void Prop::Describe(ClassBuilder<Prop>& c) {
  c.Component(&Prop::physical);
  c.Component(&Prop::bounds);
  c.Component(&Prop::cluster);
  c.Component(&Prop::mapIndex);
  c.Message(kOnStartTouch, &Prop::OnStartTouch);
  c.Message(kOnTouch, &Prop::OnTouch);
  c.Message(kOnEndTouch, &Prop::OnEndTouch);
}

void TestCharacter::Describe(ClassBuilder<TestCharacter>& c) {
  c.Component(&TestCharacter::physical);
  c.Component(&TestCharacter::playerPhysics);
  c.Component(&TestCharacter::info);
  c.Component(&TestCharacter::bounds);
  c.Message(kOnStartTouch, &TestCharacter::OnStartTouch);
  c.Message(kOnTouch, &TestCharacter::OnTouch);
  c.Message(kOnEndTouch, &TestCharacter::OnEndTouch);
}

TestCharacter::TestCharacter() {
  physical.externalActor = 1;
  physical.sendOnTouch = physical.sendOnStartTouch = physical.sendOnEndTouch = 1;
  // A thief's size: 24 x 24 x 56.
  bounds.halfSizeX = bounds.halfSizeY = 12;
  bounds.halfSizeZ = 28;
  bounds.radius = 12;
  bounds.changed = 1;
}

namespace {

void AddQuad(BspData& map, int32_t texture, const platform::Vector3 (&corners)[4]) {
  BspFace face{};
  face.texture = texture;
  face.firstVertex = static_cast<int32_t>(map.vertices.size());
  face.vertexCount = 4;
  face.firstMeshVertex = static_cast<int32_t>(map.meshVertices.size());
  face.meshVertexCount = 6;
  face.lightmap = -1;
  for (const platform::Vector3& p : corners) {
    BspVertex v{};
    v.position[0] = p.x;
    v.position[1] = p.y;
    v.position[2] = p.z;
    map.vertices.push_back(v);
  }
  for (int32_t offset : {0, 1, 2, 0, 2, 3}) map.meshVertices.push_back(offset);
  map.faces.push_back(face);
}

int32_t TextureIndex(BspData& map, const std::string& name) {
  for (size_t i = 0; i < map.textures.size(); ++i) {
    if (BspName(map.textures[i].name) == name) return static_cast<int32_t>(i);
  }
  BspTexture texture{};
  name.copy(texture.name, sizeof texture.name - 1);
  map.textures.push_back(texture);
  return static_cast<int32_t>(map.textures.size() - 1);
}

}  // namespace

WorldBuilder& WorldBuilder::AddBox(const platform::Vector3& a, const platform::Vector3& b, const std::string& texture) {
  const int32_t t = TextureIndex(map, texture);
  AddQuad(map, t, {{a.x, a.y, b.z}, {b.x, a.y, b.z}, {b.x, b.y, b.z}, {a.x, b.y, b.z}});  // top
  AddQuad(map, t, {{a.x, a.y, a.z}, {a.x, b.y, a.z}, {b.x, b.y, a.z}, {b.x, a.y, a.z}});  // bottom
  AddQuad(map, t, {{a.x, a.y, a.z}, {b.x, a.y, a.z}, {b.x, a.y, b.z}, {a.x, a.y, b.z}});  // -y
  AddQuad(map, t, {{a.x, b.y, a.z}, {a.x, b.y, b.z}, {b.x, b.y, b.z}, {b.x, b.y, a.z}});  // +y
  AddQuad(map, t, {{a.x, a.y, a.z}, {a.x, a.y, b.z}, {a.x, b.y, b.z}, {a.x, b.y, a.z}});  // -x
  AddQuad(map, t, {{b.x, a.y, a.z}, {b.x, b.y, a.z}, {b.x, b.y, b.z}, {b.x, a.y, b.z}});  // +x
  return *this;
}

WorldBuilder& WorldBuilder::AddStairs(float x0, float rise, float run, int count, float width) {
  for (int i = 0; i < count; ++i) {
    AddBox({x0 + run * static_cast<float>(i), -width / 2, 0}, {x0 + run * static_cast<float>(count), width / 2, rise * static_cast<float>(i + 1)});
  }
  return *this;
}

PhysicsTest::PhysicsTest() { std::filesystem::create_directories("Data"); }

Physics* PhysicsTest::StartPhysics() {
  SystemFactories systems = RecordingSystems();
  systems.physics = [] { return new Physics(); };
  Engine::Instance()->Init(systems);
  RegisterEntityClass<Prop>("PhysicsLog");
  RegisterEntityClass<TestCharacter>("PhysicsLog");
  physics = Engine::Get()->GetPhysics();
  // The thieves answer the noclip question as in the program.
  static const PlayerUserControl userControl;
  physics->SetUserControl(&userControl);
  // The first frame's delta is whatever time passed since the timer started.
  Frames(1);
  return physics;
}

void PhysicsTest::Frames(int count, double seconds) {
  for (int i = 0; i < count; ++i) Frame(seconds);
}

Prop* PhysicsTest::CreateBody(const platform::Vector3& position, const platform::Vector3& half) {
  auto* body = Create<Prop>();
  body->physical.boxExtents = half;
  body->physical.SetPosition(position);
  return body;
}

TestCharacter* PhysicsTest::CreateCharacter(const platform::Vector3& position) {
  auto* character = Create<TestCharacter>();
  character->physical.SetPosition(position);
  return character;
}

void PhysicsTest::CookWorld(const WorldBuilder& world) {
  worlds.push_back(std::make_unique<WorldBuilder>(world));
  collisions.push_back(std::make_unique<MapCollision>());
  ASSERT_TRUE(collisions.back()->CookWorldMesh(worlds.back()->map));
}
