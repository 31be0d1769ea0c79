#include "tools/mapgen/MuseumLayout.h"

namespace {

const char* kWoodFloor = "textures/museum/floor_wood";
const char* kMarbleFloor = "textures/museum/floor_marble";
const char* kTileFloor = "textures/museum/floor_tile";
const char* kPlasterWall = "textures/museum/wall_plaster";
const char* kPanelWall = "textures/museum/wall_panel";
const char* kStoneWall = "textures/museum/wall_stone";

// Heights above the floor at which the game expects each kind of marker.
constexpr int kStandHeight = 40;
constexpr int kItemHeight = 48;
constexpr int kPickupHeight = 24;
constexpr int kSoundHeight = 96;

using Keys = std::vector<std::pair<std::string, std::string>>;

PlacedEntity At(std::string classname, int x, int y, int z, Keys keys = {}) {
  return {std::move(classname), {x, y, z}, std::move(keys)};
}

PlacedEntity Start(int x, int y) { return At("PlayerStart", x, y, kStandHeight); }
PlacedEntity Spawn(int x, int y, const char* area, bool playerOnly = false) {
  return At("ItemSpawn", x, y, kItemHeight,
            {{"areaName", area}, {"isPlayerOnly", playerOnly ? "1" : "0"}});
}
PlacedEntity Dropoff(int x, int y) { return At("ItemDropoff", x, y, kStandHeight); }
// A teleporter named `name` that sends thieves to the teleporter named `target`; its label
// names the sign the HUD shows above it.
PlacedEntity Teleporter(int x, int y, const char* name, const char* target, const char* label) {
  return At("Teleporter", x, y, kStandHeight,
            {{"targetname", name}, {"target", target}, {"label", label}});
}
// Trip lasers stand 16 units off the wall they shine from: their start-up finds the nearest
// wall with four horizontal rays and aims the beam along its normal.
PlacedEntity Laser(int x, int y) { return At("TripLaser", x, y, kStandHeight); }
PlacedEntity Pickup(const char* spawnClass, int x, int y) {
  return At(spawnClass, x, y, kPickupHeight);
}
PlacedEntity Patrol(int x, int y, int path, int id, const char* pause, const char* direction,
                    const char* type = "") {
  Keys keys = {{"PathNum", std::to_string(path)}, {"Id", std::to_string(id)},
               {"PauseDuration", pause}, {"Direction", direction}};
  if (*type) keys.push_back({"Type", type});
  return At("GuardPatrolPath", x, y, kStandHeight, std::move(keys));
}
PlacedEntity Post(int x, int y) { return At("GuardPatrolPoint", x, y, kStandHeight); }
// Cover spots stand on the exhibits too: each gives the graph a node right at the exhibit, so
// a computer thief's route ends where it touches it.
PlacedEntity Cover(int x, int y) { return At("CoverSpot", x, y, kStandHeight); }
PlacedEntity Relay(int x, int y) { return At("SuperNode", x, y, kStandHeight); }
PlacedEntity Music(int x, int y, const char* file) {
  return At("SoundEmitter", x, y, kSoundHeight,
            {{"File", file}, {"Type", "BGM"}, {"Loop", "1"}, {"ThreeD", "0"}, {"Volume", "1.0"}});
}
PlacedEntity World(const std::string& title) { return At("worldspawn", 0, 0, 0, {{"message", title}}); }

// Every map has the same shape: a hall, a corridor east to a second room, and a corridor
// north to a third room. The corridors' doors do not line up with the far rooms' exits, so
// the visibility data stays meaningful.
MapPlan Lobby() {
  MapPlan m{"lobby.bsp", "Vaultrunner museum: lobby", 0, {}, {}, {}};
  m.areas = {{"Entrance hall", 0, 0, 768, 512, kMarbleFloor, kPlasterWall},
             {"East corridor", 768, 192, 1280, 320, kTileFloor, kPlasterWall},
             {"Souvenir shop", 1280, 0, 1792, 512, kWoodFloor, kPanelWall},
             {"North corridor", 320, 512, 448, 1024, kTileFloor, kPlasterWall},
             {"Egyptian room", 0, 1024, 768, 1536, kMarbleFloor, kStoneWall},
             {"Entrance corridor", 320, 1536, 416, 1888, kTileFloor, kPlasterWall},
             {"Cloakroom", -448, 1792, 320, 2240, kMarbleFloor, kPlasterWall}};
  // Thieves come in through the cloakroom, round the corner of a corridor off the Egyptian
  // room, away from the hall's patrol: no guard of the other rooms sees into it, so a thief
  // caught and sent back to a start is not caught there again by a guard that followed another
  // thief.
  m.doors = {{0, 1, 256}, {1, 2, 256}, {0, 3, 384}, {3, 4, 384}, {4, 5, 368}, {5, 6, 1840}};
  m.entities = {
      World(m.title),
      // The first game's thief stands on the second start, 96 units from the cloakroom's north
      // wall, and looks down the map's y axis, at the box lying straight ahead of it and the
      // cloakroom's drop-off to its right. Forward to the cloakroom's south wall, sideways
      // through the door in its corner to the corridor's far wall and on forward, it walks down
      // the corridor, across the Egyptian room and down the north corridor, all in one line.
      Start(-320, 1888), Start(128, 2144), Start(-320, 2144), Start(128, 1888),
      Dropoff(384, 96), Dropoff(1536, 96), Dropoff(-128, 1824),
      Spawn(1408, 128, "Souvenirs"), Spawn(1664, 128, "Souvenirs"),
      Spawn(1664, 384, "Souvenirs", true),
      Spawn(192, 1280, "Egypt"), Spawn(576, 1280, "Egypt"),
      Teleporter(384, 1472, "lobbyToGallery", "galleryToLobby", "ToGallery"),
      Laser(336, 768), Laser(1296, 400),
      Pickup("BoxSpawn", 128, 1952), Pickup("SmokeGrenadeSpawn", 160, 1200),
      Pickup("BatterySpawn", 900, 224),
      Patrol(200, 256, 0, 0, "2.0", "east"), Patrol(1024, 256, 0, 1, "0.0", "east"),
      Patrol(1536, 256, 0, 2, "3.0", "west"),
      Patrol(640, 1440, 1, 0, "0.0", "south"),
      Post(384, 320), Post(1536, 448),
      Cover(64, 448), Cover(1728, 64), Cover(64, 1472), Cover(704, 1088), Cover(1728, 448),
      Cover(1408, 128), Cover(1664, 128), Cover(192, 1280), Cover(576, 1280),
      Relay(384, 256), Relay(1024, 256), Relay(384, 768), Relay(384, 1280), Relay(1536, 256),
      Relay(368, 1840),
      // On the drop-offs: a thief's route there ends within reach of the drop-off.
      Relay(384, 96), Relay(1536, 96), Relay(-128, 1824),
      Music(384, 256, "museum1 music")};
  return m;
}

MapPlan Gallery() {
  MapPlan m{"gallery.bsp", "Vaultrunner museum: gallery", 8192, {}, {}, {}};
  m.areas = {{"Gallery hall", 0, 0, 1024, 640, kWoodFloor, kPanelWall},
             {"Portrait corridor", 1024, 256, 1536, 384, kWoodFloor, kPanelWall},
             {"Painting room", 1536, 0, 2048, 640, kWoodFloor, kPlasterWall},
             {"Statue corridor", 448, 640, 576, 1152, kTileFloor, kPlasterWall},
             {"Sculpture room", 256, 1152, 768, 1664, kMarbleFloor, kStoneWall}};
  m.doors = {{0, 1, 320}, {1, 2, 320}, {0, 3, 512}, {3, 4, 512}};
  m.entities = {
      World(m.title),
      Teleporter(96, 320, "galleryToLobby", "lobbyToGallery", "ToLobby"),
      Teleporter(1952, 320, "galleryToVault", "vaultToGallery", "ToVault"),
      Spawn(1664, 96, "Paintings"), Spawn(1920, 96, "Paintings"), Spawn(1664, 544, "Paintings"),
      Spawn(384, 1536, "Sculpture"), Spawn(640, 1536, "Sculpture"),
      Laser(1280, 272), Laser(464, 896),
      Pickup("BoxSpawn", 900, 560), Pickup("SmokeGrenadeSpawn", 1900, 560),
      Pickup("BatterySpawn", 320, 1280),
      Patrol(256, 160, 0, 0, "1.5", "north"), Patrol(768, 160, 0, 1, "0.0", "east"),
      Patrol(1280, 320, 0, 2, "0.0", "east"), Patrol(1792, 320, 0, 3, "2.5", "west"),
      Patrol(512, 1408, 1, 0, "0.0", "south", "invincible"),
      Post(512, 480), Post(1792, 160),
      Cover(64, 576), Cover(960, 64), Cover(1984, 576), Cover(320, 1600), Cover(704, 1216),
      Cover(1664, 96), Cover(1920, 96), Cover(1664, 544), Cover(384, 1536), Cover(640, 1536),
      Relay(512, 320), Relay(1280, 320), Relay(1792, 320), Relay(512, 896), Relay(512, 1408),
      Music(512, 320, "museum2 music")};
  return m;
}

MapPlan Vault() {
  MapPlan m{"vault.bsp", "Vaultrunner museum: vault", 16384, {}, {}, {}};
  m.areas = {{"Antechamber", 0, 0, 512, 512, kTileFloor, kStoneWall},
             {"Vault corridor", 512, 192, 1024, 320, kTileFloor, kStoneWall},
             {"Strong room", 1024, 0, 1536, 512, kMarbleFloor, kStoneWall},
             {"Jewel corridor", 1216, 512, 1344, 1024, kTileFloor, kStoneWall},
             {"Jewel room", 1024, 1024, 1536, 1536, kMarbleFloor, kPanelWall}};
  m.doors = {{0, 1, 256}, {1, 2, 256}, {2, 3, 1280}, {3, 4, 1280}};
  m.entities = {
      World(m.title),
      Teleporter(96, 256, "vaultToGallery", "galleryToVault", "ToGallery"),
      Spawn(1152, 96, "Vault"), Spawn(1408, 96, "Vault"),
      Spawn(1152, 1408, "Jewels"), Spawn(1408, 1408, "Jewels", true),
      Laser(768, 208), Laser(1520, 416), Laser(1232, 768),
      Pickup("BoxSpawn", 416, 448), Pickup("BatterySpawn", 1472, 1088),
      Patrol(256, 256, 0, 0, "2.0", "east"), Patrol(1280, 256, 0, 1, "2.0", "west"),
      Patrol(1280, 1280, 1, 0, "0.0", "north", "dead"),
      Post(1280, 128),
      Cover(448, 64), Cover(1088, 448), Cover(1472, 1472), Cover(1088, 1088),
      Cover(1152, 96), Cover(1408, 96), Cover(1152, 1408),
      Relay(256, 256), Relay(768, 256), Relay(1280, 256), Relay(1280, 768), Relay(1280, 1280),
      Music(256, 256, "museum3 music")};
  return m;
}

}  // namespace

std::vector<MapPlan> MuseumPlans() { return {Lobby(), Gallery(), Vault()}; }

std::vector<std::string> MuseumTextureNames() {
  return {kWoodFloor, kMarbleFloor, kTileFloor, kPlasterWall, kPanelWall, kStoneWall, kCeilingTexture};
}
