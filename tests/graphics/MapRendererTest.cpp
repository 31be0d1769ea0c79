#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <span>

#include "engine/VariableTable.h"
#include "graphics/Camera.h"
#include "graphics/MapRenderer.h"
#include "map/BspMap.h"
#include "map/StringList.h"
#include "platform/core/Files.h"
#include "platform/render/RenderDevice.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"
#include "tests/map/TestMaps.h"
#include "tests/map/ZipArchive.h"

namespace {

using platform::Vector3;

class MapRendererTest : public GraphicsFixture {
 protected:
  MapRendererTest() { std::filesystem::create_directory("Maps"); }
  ~MapRendererTest() override {
    // The map's GPU data goes before the device.
    renderer.reset();
  }

  void LoadMap(const std::vector<uint8_t>& bytes, const std::string& name) {
    platform::WriteFileAtomic("Maps/" + name, std::string(bytes.begin(), bytes.end()));
    map.Load("Maps/" + name);
    renderer = std::make_unique<MapRenderer>(*graphics->GetDevice(), *graphics->GetTextureManager(),
                                             graphics->GetDefaultTexture(), map);
  }

  // Graphics started with the demo lobby as its current map, drawn by the frame step.
  void StartWithTheLobbyCurrent() {
    StartGraphics();
    const std::vector<uint8_t> bytes = DemoMapBytes("lobby.bsp");
    platform::WriteFileAtomic("Maps/lobby.bsp", std::string(bytes.begin(), bytes.end()));
    map.Load("Maps/lobby.bsp");
    graphics->SetCurrentMap(&map);
  }

  // One frame's map step seen from `eye` along `look`, into a black back buffer.
  MapDrawStats DrawFrom(const Vector3& eye, const Vector3& look, bool lightmaps = true) {
    platform::RenderDevice* device = graphics->GetDevice();
    device->SetRenderTarget(nullptr);
    device->Clear(platform::ClearTarget | platform::ClearDepth, 0xFF000000, 1.0f, 0);
    const platform::Matrix view = platform::MatrixLookAtLH(eye, eye + look, {0, 0, 1});
    Effect* effect = graphics->GetEffectManager()->Get(graphics->GetMapEffectName());
    EXPECT_NE(effect, nullptr);
    effect->SetViewProjection(view, graphics->GetProjection());
    effect->SetTransforms(platform::MatrixIdentity(), platform::MatrixIdentity());
    platform::Matrix viewProjection = view * graphics->GetProjection();
    platform::Frustum frustum;
    frustum.Build(viewProjection);
    map.UpdateCameraCluster(&eye);
    return renderer->Draw(*effect, MapView{frustum, eye, look, lightmaps});
  }

  std::vector<uint8_t> Screen() {
    platform::RenderDevice* device = graphics->GetDevice();
    return device->ReadPixels({0, 0, device->BackBufferWidth(), device->BackBufferHeight()});
  }

  BspMap map;
  std::unique_ptr<MapRenderer> renderer;
};

// The Entrance hall of the lobby, from its south-west corner at eye height, looking across
// the room towards the doors: floor, walls and ceiling with their lightmaps.
const Vector3 kHallEye{96, -64, 72};
const Vector3 kHallLook{0.8f, -0.55f, -0.12f};

// The back buffer against the reference image of that name.
void ExpectMatchesReference(platform::RenderDevice& device, const std::string& name) {
  std::string message;
  EXPECT_TRUE(MatchesGolden(device, name, 6, 0.995, &message)) << message;
}

TEST_F(MapRendererTest, ARoomOfTheDemoMuseumMatchesItsReferenceImage) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  const MapDrawStats stats = DrawFrom(kHallEye, kHallLook);
  EXPECT_GT(stats.faces, 0);
  EXPECT_EQ(stats.facesByLights[0], stats.faces) << "no flashlights: one technique";
  ExpectMatchesReference(*graphics->GetDevice(), "lobby_hall");
}

// Visibility locked in the Souvenir shop looking west down the corridor into the hall; then the
// camera walks into the Egyptian room, which the shop cannot see, and looks north: the faces of
// the shop's moment are drawn from there (the hall seen through the room's own missing walls),
// and nothing of the Egyptian room.
TEST_F(MapRendererTest, LockedVisibilityKeepsDrawingTheFacesOfItsMomentFromAnotherRoom) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  const Vector3 inShop{1536, -256, 64}, west{-1, 0, 0}, inEgypt{384, -1400, 72}, north{0.0f, 1.0f, -0.1f};
  const MapDrawStats shop = DrawFrom(inShop, west);
  map.SetLockVis(true);
  const MapDrawStats locked = DrawFrom(inEgypt, north);
  EXPECT_EQ(locked.faces, shop.faces) << "the same faces, whatever the camera sees now";
  const std::vector<uint8_t> lockedFrame = Screen();
  ExpectMatchesReference(*graphics->GetDevice(), "lobby_lockvis");
  map.SetLockVis(false);
  DrawFrom(inEgypt, north);
  EXPECT_LT(AlikeShare(Screen(), lockedFrame, 6), 0.9) << "unlocked, the Egyptian room's walls are drawn";
}

// Two flashlights in the hall: one on the floor ahead, one on the east wall, so faces take
// each of the three techniques and single-light faces differ in their light.
TEST_F(MapRendererTest, FlashlitFacesMatchTheirReferenceImage) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  const MapLight lights[2] = {{{400, -200, 120}, platform::Vec3Normalize({0.5f, -0.3f, -0.8f})},
                              {{300, -300, 100}, platform::Vec3Normalize({1.0f, 0.0f, -0.2f})}};
  renderer->SetLights(lights, 2);
  const MapDrawStats stats = DrawFrom(kHallEye, kHallLook);
  EXPECT_GT(stats.facesByLights[1], 0);
  EXPECT_GT(stats.facesByLights[2], 0);
  EXPECT_EQ(stats.facesByLights[0] + stats.facesByLights[1] + stats.facesByLights[2], stats.faces);
  ExpectMatchesReference(*graphics->GetDevice(), "lobby_flashlights");
}

// Without flashlights the state changes only with texture and lightmap, so each pair the
// visible faces use is one draw; with lightmaps off, each texture is.
TEST_F(MapRendererTest, FacesOfOneTextureAndLightmapAreOneDraw) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  const Vector3 north{0.0f, 1.0f, -0.1f};
  const Vector3 inEgypt{384, -1400, 72};
  const MapDrawStats stats = DrawFrom(inEgypt, north);
  std::set<std::pair<int32_t, int32_t>> pairs;
  std::set<int32_t> textures;
  for (const auto& list : renderer->GetVisibleFaces().Lists()) {
    for (const QueuedFace& entry : list) {
      const BspFace& face = map.Data().faces[size_t(entry.face)];
      pairs.insert({face.texture, face.lightmap});
      textures.insert(face.texture);
    }
  }
  EXPECT_GT(stats.faces, int32_t(pairs.size()));
  EXPECT_GT(pairs.size(), textures.size()) << "a texture spans lightmaps in this view";
  EXPECT_EQ(stats.draws, int32_t(pairs.size()));
  EXPECT_EQ(DrawFrom(inEgypt, north, false).draws, int32_t(textures.size()));
}

// Opaque faces are grouped by lightmap, keeping the walk's order within a lightmap; an alpha
// texture keeps the walk's far-to-near order, which its blending needs. Each face's triangles
// follow the one before in the index list.
TEST_F(MapRendererTest, OpaqueFacesAreGroupedByLightmapAndAlphaFacesKeepTheirOrder) {
  StartGraphics();
  // From the Egyptian room towards the hall, where textures span both lightmaps.
  const Vector3 inEgypt{384, -1400, 72}, north{0.0f, 1.0f, -0.1f};
  const std::vector<uint8_t> bytes = DemoMapBytes("lobby.bsp");
  auto lightmapOf = [&](int32_t face) { return map.Data().faces[size_t(face)].lightmap; };
  auto faceList = [&](size_t texture) {
    std::vector<int32_t> faces;
    for (const QueuedFace& entry : renderer->GetVisibleFaces().Lists()[texture]) faces.push_back(entry.face);
    return faces;
  };
  auto grouped = [&](std::vector<int32_t> faces) {
    std::stable_sort(faces.begin(), faces.end(), [&](int32_t a, int32_t b) { return lightmapOf(a) < lightmapOf(b); });
    return faces;
  };
  // A texture whose faces in this view come in mixed lightmap order becomes the alpha one.
  LoadMap(bytes, "lobby.bsp");
  DrawFrom(inEgypt, north);
  size_t mixed = 0;
  while (mixed < map.Data().textures.size() && grouped(faceList(mixed)) == faceList(mixed)) ++mixed;
  ASSERT_LT(mixed, map.Data().textures.size());
  SaveStringListXml({map.GetRenderData().GetTextureNames()[mixed]}, DataFile("alhpaTextures.xml"));
  renderer.reset();
  LoadMap(bytes, "lobby.bsp");
  ASSERT_TRUE(map.GetRenderData().GetTextureFlags()[mixed].alpha);

  DrawFrom(inEgypt, north);
  uint32_t next = 0;
  int reordered = 0;
  for (size_t t = 0; t < map.Data().textures.size(); ++t) {
    SCOPED_TRACE(t);
    std::vector<int32_t> laidOut;
    for (const MapFaceBatches::Face& f : renderer->GetBatches().FacesOf(t)) {
      laidOut.push_back(f.face);
      EXPECT_EQ(f.firstIndex, next);
      next += f.indexCount;
    }
    const std::vector<int32_t> listed = faceList(t);
    reordered += t != mixed && grouped(listed) != listed;
    EXPECT_EQ(laidOut, t == mixed ? listed : grouped(listed));
  }
  EXPECT_GT(reordered, 0) << "the view has opaque faces whose walk order mixes lightmaps";
}

TEST_F(MapRendererTest, LightmapsShadeTheFacesAndCanBeSwitchedOff) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  auto sum = [](const std::vector<uint8_t>& p) {
    uint64_t s = 0;
    for (size_t i = 0; i < p.size(); i += 4) s += p[i] + p[i + 1] + p[i + 2];
    return s;
  };
  DrawFrom(kHallEye, kHallLook, true);
  const uint64_t lit = sum(Screen());
  DrawFrom(kHallEye, kHallLook, false);
  const uint64_t fullBright = sum(Screen());
  EXPECT_GT(lit, 0u);
  EXPECT_LT(lit, fullBright) << "baked light is darker than the full-light fallback";
}

TEST_F(MapRendererTest, AFaceWithAMissingTextureIsDrawnWithTheDefaultTextureAndLoggedOnce) {
  StartGraphics();
  BspFileContents contents = MinimalMap();
  std::snprintf(contents.textures[0].name, sizeof contents.textures[0].name, "%s", "textures/nowhere/lost");
  LoadMap(WriteBsp(contents), "lost.bsp");
  EXPECT_EQ(renderer->GetGpuData().TextureImage(0), graphics->GetDefaultTexture());
  for (int frame = 0; frame < 3; ++frame) DrawFrom({0, 0, 0}, {1, 0, 0});
  std::ifstream log("GraphicsLog.txt");
  const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_EQ(CountLines(text, "Map texture textures/nowhere/lost not found; drawn with the default texture"), 1);
}

TEST_F(MapRendererTest, FoundTexturesComeFromTheTextureManager) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  const std::vector<std::string>& names = map.GetRenderData().GetTextureNames();
  ASSERT_FALSE(names.empty());
  for (size_t t = 0; t < names.size(); ++t) {
    EXPECT_NE(renderer->GetGpuData().TextureImage(t), graphics->GetDefaultTexture()) << names[t];
    EXPECT_EQ(graphics->GetTextureManager()->UseCount(names[t] + ".png"), 1) << names[t];
  }
  renderer.reset();
  EXPECT_EQ(graphics->GetTextureManager()->UseCount(names[0] + ".png"), 0) << "given back with the map";
}

TEST_F(MapRendererTest, LockVisDrawsTheFacesOfTheMomentItWasSet) {
  StartGraphics();
  LoadMap(DemoMapBytes("lobby.bsp"), "lobby.bsp");
  auto drawnFaces = [&] {
    std::set<int32_t> faces;
    for (const auto& list : renderer->GetVisibleFaces().Lists())
      for (const QueuedFace& f : list) faces.insert(f.face);
    return faces;
  };
  const Vector3 inShop{1536, -256, 64}, inEgypt{384, -1280, 64}, north{0, -1, 0};
  DrawFrom(inShop, north);
  const std::set<int32_t> shopFaces = drawnFaces();
  map.SetLockVis(true);
  DrawFrom(inEgypt, north);
  EXPECT_EQ(drawnFaces(), shopFaces);
  map.SetLockVis(false);
  DrawFrom(inEgypt, north);
  EXPECT_NE(drawnFaces(), shopFaces);
}

TEST_F(MapRendererTest, TheCurrentMapIsDrawnByTheFrameStepAndCounted) {
  StartWithTheLobbyCurrent();
  EXPECT_EQ(graphics->GetCurrentMap(), &map);
  map.UpdateCameraCluster(&kHallEye);
  graphics->DrawMap(platform::MatrixLookAtLH(kHallEye, kHallEye + kHallLook, {0, 0, 1}), kHallEye, kHallLook);
  int32_t faces = 0, triangles = 0;
  ASSERT_TRUE(ConsoleBinding::Get("MapFacesDrawn", faces));
  ASSERT_TRUE(ConsoleBinding::Get("MapTrisDrawn", triangles));
  EXPECT_GT(faces, 0);
  EXPECT_GE(triangles, faces);
  int32_t unlit = 0;
  ASSERT_TRUE(ConsoleBinding::Get("0 lights", unlit));
  EXPECT_EQ(unlit, faces) << "no flashlights yet";
  ASSERT_TRUE(SetVariable("Show Map", false));
  graphics->Render();
  graphics->DrawMap(platform::MatrixIdentity(), kHallEye, kHallLook);
  ASSERT_TRUE(ConsoleBinding::Get("MapFacesDrawn", faces));
  EXPECT_EQ(faces, 0) << "\"Show Map\" off";
  graphics->SetCurrentMap(nullptr);
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr);
}

// The console reads the counters between frames: they hold what the last frame drew until the
// next frame counts again.
TEST_F(MapRendererTest, TheMapCountersKeepTheLastFramesFiguresBetweenFrames) {
  StartWithTheLobbyCurrent();
  map.UpdateCameraCluster(&kHallEye);
  Camera camera;
  camera.position = camera.referencePosition = kHallEye;
  camera.direction = kHallLook;
  graphics->SetActiveCamera(&camera);
  auto counters = [] {
    int32_t faces = -1, triangles = -1;
    EXPECT_TRUE(ConsoleBinding::Get("MapFacesDrawn", faces));
    EXPECT_TRUE(ConsoleBinding::Get("MapTrisDrawn", triangles));
    return std::pair{faces, triangles};
  };
  UpdateAndRender();
  const auto [faces, triangles] = counters();
  EXPECT_GT(faces, 0);
  EXPECT_GE(triangles, faces);
  // A second frame of the same view counts the same, not twice as much.
  UpdateAndRender();
  EXPECT_EQ(counters(), std::pair(faces, triangles));
  // A frame that draws no map reads 0 after it.
  ASSERT_TRUE(SetVariable("Show Map", false));
  UpdateAndRender();
  EXPECT_EQ(counters(), std::pair(0, 0));
  graphics->SetActiveCamera(nullptr);
  graphics->SetCurrentMap(nullptr);
}

// The physics places the camera's cluster before the entities move the camera: a thief sent
// back to its start takes the camera from the entrance hall into the cloakroom after it. That
// frame draws the cloakroom, as the frames after it do, not the hall's visible set (none of it).
TEST_F(MapRendererTest, ACameraMovedToAnotherRoomAfterTheClusterWasPlacedDrawsItsNewRoom) {
  StartWithTheLobbyCurrent();
  const Vector3 inCloakroom{-400, -1950, 110}, south{0.5f, -0.85f, -0.1f};
  ASSERT_FALSE(map.IsClusterVisible(map.GetClusterAt(kHallEye), map.GetClusterAt(inCloakroom)));
  Camera camera;
  camera.position = camera.referencePosition = inCloakroom;
  camera.direction = south;
  graphics->SetActiveCamera(&camera);
  auto facesDrawn = [] {
    int32_t faces = -1;
    EXPECT_TRUE(ConsoleBinding::Get("MapFacesDrawn", faces));
    return faces;
  };
  map.UpdateCameraCluster(&inCloakroom);
  UpdateAndRender();
  const int32_t settled = facesDrawn();
  EXPECT_GT(settled, 0);
  map.UpdateCameraCluster(&kHallEye);
  UpdateAndRender();
  EXPECT_EQ(facesDrawn(), settled);
  EXPECT_EQ(map.GetCameraCluster(), map.GetClusterAt(inCloakroom));
  // Locked visibility keeps the cluster of its moment.
  map.UpdateCameraCluster(&kHallEye);
  map.SetLockVis(true);
  UpdateAndRender();
  EXPECT_EQ(map.GetCameraCluster(), map.GetClusterAt(kHallEye));
  map.SetLockVis(false);
  graphics->SetActiveCamera(nullptr);
  graphics->SetCurrentMap(nullptr);
}

// A few of the installed third-party maps: their textures are not ours, so the default
// texture stands in, and they draw without errors.
TEST_F(MapRendererTest, ThirdPartyMapsDrawWithDefaultTextures) {
  const std::string package = ThirdPartyMapPackage();
  if (package.empty()) GTEST_SKIP() << "third-party map package not installed";
  StartGraphics();
  ZipArchive zip(package);
  int drawn = 0;
  for (const ZipArchive::Entry& entry : zip.entries()) {
    if (entry.name.size() < 4 || entry.name.compare(entry.name.size() - 4, 4, ".bsp") != 0) continue;
    if (drawn++ % 12 != 0) continue;
    SCOPED_TRACE(entry.name);
    renderer.reset();
    LoadMap(zip.Extract(entry), "third.bsp");
    const BspModel& world = map.Data().models[0];
    const Vector3 centre{(world.mins[0] + world.maxs[0]) / 2, -(world.mins[1] + world.maxs[1]) / 2,
                         (world.mins[2] + world.maxs[2]) / 2};
    const MapDrawStats stats = DrawFrom(centre, {1, 0, 0});
    EXPECT_GT(stats.faces, 0);
  }
  EXPECT_GT(drawn, 0);
}

}  // namespace
