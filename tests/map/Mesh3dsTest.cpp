#include <gtest/gtest.h>

#include "logic/LogicMessages.h"
#include "map/Mesh3dsWriter.h"
#include "tests/map/MapTestSupport.h"

namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::string s = TempDir::Read(path);
  return {s.begin(), s.end()};
}

// The file's one triangle (0, 0, 0), (10, 0, 0), (0, 20, 0): 85 bytes.
const std::vector<uint8_t> kOneTriangle = {
    0x4D, 0x4D, 85, 0, 0, 0,        // main
    0x3D, 0x3D, 79, 0, 0, 0,        // editor
    0x00, 0x40, 73, 0, 0, 0, 0,     // object, empty name
    0x00, 0x41, 66, 0, 0, 0,        // triangle mesh
    0x10, 0x41, 44, 0, 0, 0, 3, 0,  // vertex list, 3 vertices
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0x20, 0x41, 0, 0, 0, 0, 0, 0, 0, 0,  // x = 10
    0, 0, 0, 0, 0, 0, 0xA0, 0x41, 0, 0, 0, 0,  // y = 20, as the file holds it
    0x20, 0x41, 16, 0, 0, 0, 1, 0,  // face list, 1 triangle
    0, 0, 1, 0, 2, 0, 0, 0};

class Export3ds : public MapFixture {};

TEST_F(Export3ds, WritesTheOneTriangleMapByteForByte) {
  BspMap map;
  Load(map, MinimalMap());
  ASSERT_TRUE(map.Export3ds("tri.3ds"));
  EXPECT_EQ(FileBytes("tri.3ds"), kOneTriangle);
  EXPECT_EQ(LogOf("LogicLog"), "");
}

TEST(Mesh3dsWriter, IndexesFromEachFacesFirstVertex) {
  BspData map;
  map.vertices.resize(103);
  map.meshVertices = {0, 1, 2, 2, 1, 0, 1};
  BspFace face{};
  face.firstVertex = 100, face.firstMeshVertex = 0, face.meshVertexCount = 7;  // two whole triangles
  BspFace empty{};
  map.faces = {empty, face};
  std::vector<uint8_t> bytes = Mesh3dsWriter::Encode(map);
  ASSERT_EQ(bytes.size(), 12u * 103 + 8 * 2 + 41);
  const std::vector<uint8_t> faces(bytes.end() - 24, bytes.end());
  EXPECT_EQ(faces, (std::vector<uint8_t>{0x20, 0x41, 24, 0, 0, 0, 2, 0, 100, 0, 101, 0, 102, 0, 0, 0,
                                         102, 0, 101, 0, 100, 0, 0, 0}));
}

TEST(Mesh3dsWriter, AMapWithoutMeshVerticesHasAnEmptyFaceList) {
  BspData map;
  map.vertices.resize(2);
  std::vector<uint8_t> bytes = Mesh3dsWriter::Encode(map);
  ASSERT_EQ(bytes.size(), 12u * 2 + 41);
  EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 8, bytes.end()), (std::vector<uint8_t>{0x20, 0x41, 8, 0, 0, 0, 0, 0}));
}

// The counts and indices of the format are 16 bits: they used to wrap past 65535 and give a
// broken file, and a file that could not be opened passed for a written one.
TEST_F(Export3ds, RefusesMapsTooLargeForTheFormatAndReportsWriteErrors) {
  BspData map;
  map.vertices.resize(65535);
  EXPECT_EQ(Mesh3dsWriter::Encode(map)[31], 0xFF);  // the largest count that fits
  map.vertices.resize(65536);
  EXPECT_THROW(Mesh3dsWriter::Encode(map), std::runtime_error);
  map.vertices.resize(3);
  BspFace face{};
  face.meshVertexCount = 3 * 65536;
  map.faces = {face};
  EXPECT_THROW(Mesh3dsWriter::Encode(map), std::runtime_error);

  BspMap loaded;
  Load(loaded, MinimalMap());
  TempDir::Write("old.3ds", "earlier");
  EXPECT_THROW(Mesh3dsWriter::Write(map, "old.3ds"), std::runtime_error);
  EXPECT_EQ(TempDir::Read("old.3ds"), "earlier");
  EXPECT_FALSE(loaded.Export3ds("NoFolder/map.3ds"));
  EXPECT_EQ(LogOf("LogicLog"), "Could not export map to 3DS. could not write NoFolder/map.3ds\n");
}

TEST_F(Export3ds, TheLoaderRefusesTheTooLargeMapWithItsReason) {
  BspFileContents c = MinimalMap();
  c.vertices.resize(70000);
  BspMap map;
  Load(map, c);
  EXPECT_FALSE(map.Export3ds("big.3ds"));
  EXPECT_FALSE(TempDir::Exists("big.3ds"));
  EXPECT_EQ(LogOf("LogicLog"), "Could not export map to 3DS. the map has 70000 vertices; a 3DS mesh holds at most 65535\n");
}

// "mapto3ds" reaches the map through a console command with one text argument, as the game
// logic's command entity declares it.
BspMap* commandMap = nullptr;
void Mapto3ds(Entity*, const std::string& fileName) { commandMap->Export3ds(fileName); }

class ExportCommands : public EntityClass<ExportCommands> {
 public:
  static constexpr char kClassName[] = "ExportCommands";
  static void Describe(ClassBuilder<ExportCommands>& c) { c.Command(kMapTo3ds, &Mapto3ds); }
  void OnCreate() override { Engine::Get()->Subscribe(this, "ConsoleCmd"); }
};

TEST_F(Export3ds, RunsFromTheConsole) {
  BspMap map;
  Load(map, MinimalMap());
  commandMap = &map;
  RegisterEntityClass<ExportCommands>("LogicLog");
  Engine::Get()->GetEntityManager()->Create("ExportCommands");
  Engine::Get()->GetCommandDispatcher()->Execute("mapto3ds \"museum lobby.3ds\"", "ConsoleCmd");
  EXPECT_EQ(FileBytes("museum lobby.3ds"), kOneTriangle);
  Engine::Get()->GetCommandDispatcher()->Execute("mapto3ds", "ConsoleCmd");
  EXPECT_EQ(LogOf("LogicLog"), "Incorrect number of parameters\n");
  commandMap = nullptr;
}

}  // namespace
