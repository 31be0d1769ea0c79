#include <filesystem>
#include <map>
#include <sstream>

#include "tests/graphics/GraphicsFixture.h"

namespace fs = std::filesystem;

namespace {

const char kDecl[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

// What each settings file holds when it was missing: the values in force, in the shape of its
// records. The lists are content and are not written back ("").
const std::map<std::string, std::string> kWrittenBack = {
    {"GraphicsConfig.xml",
     "<var><bool name=\"IntroVideo\">false</bool><bool name=\"FullScreen\">false</bool><bool name=\"Wireframe\">false</bool>"
     "<bool name=\"VSync\">false</bool><bool name=\"ShaderDebug\">false</bool><bool name=\"DrawMap\">true</bool>"
     "<bool name=\"Lightmaps\">true</bool><bool name=\"PostProcess\">true</bool>"
     "<float name=\"CameraFollowDist\">100</float><float name=\"CameraSpeed\">300</float>"
     "<var name=\"Ambient\"><float name=\"0\">0.4</float><float name=\"1\">0.4</float><float name=\"2\">0.4</float>"
     "<float name=\"3\">1</float></var><var name=\"AlarmColor\"><float name=\"0\">1</float><float name=\"1\">0</float>"
     "<float name=\"2\">0</float><float name=\"3\">1</float></var><string name=\"DefaultTexture\"></string></var>"},
    {"Shaders.xml", ""},
    {"FontList.xml", ""},
    {"MeshInfo.xml", ""},
    {"TextureInfo.xml", ""},
    {"Transition.xml",
     "<var><float name=\"StartDepth\">200</float><float name=\"EndDepth\">10</float><float name=\"TotalTime\">2</float>"
     "<float name=\"FadePercent\">0.5</float><float name=\"RotationSpeed\">3</float></var>"},
    {"MapChangeInfo.xml", ""},
    {"TextureSwapInfo.xml", ""},
};

class DataFilesTest : public GraphicsFixture, public ::testing::WithParamInterface<std::string> {};

TEST_P(DataFilesTest, AMissingFileIsLoggedByNameAndWrittenBackOnlyWhenItIsSettings) {
  fs::remove(DataFile(GetParam()));
  StartGraphics();
  const std::string& shape = kWrittenBack.at(GetParam());
  if (shape.empty()) {
    EXPECT_FALSE(TempDir::Exists(DataFile(GetParam())));
  } else {
    EXPECT_EQ(TempDir::Read(DataFile(GetParam())), kDecl + shape);
  }
  EXPECT_EQ(CountLines(LogOf("GraphicsLog"), "Failed to load config. Data/" + GetParam() + ": could not open file"), 1);
}

TEST_P(DataFilesTest, ACorruptFileIsLoggedLeftAloneAndStartUpGoesOn) {
  const std::string garbage = "<?xml version=\"1.0\"?>\n<list><var><string>unterminated";
  TempDir::Write(DataFile(GetParam()), garbage);
  StartGraphics();
  EXPECT_NE(LogOf("GraphicsLog").find("Failed to load config. "), std::string::npos);
  EXPECT_EQ(TempDir::Read(DataFile(GetParam())), garbage);
  UpdateAndRender();
  EXPECT_NE(graphics->GetEffectManager(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryList, DataFilesTest,
                         ::testing::Values("GraphicsConfig.xml", "Shaders.xml", "FontList.xml", "MeshInfo.xml",
                                           "TextureInfo.xml", "Transition.xml", "MapChangeInfo.xml",
                                           "TextureSwapInfo.xml"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

using GraphicsDataTest = GraphicsFixture;

TEST_F(GraphicsDataTest, FilesAreReadInStartUpOrder) {
  // Each file breaks on an end tag named after it, so the log tells the order they were read in.
  const std::vector<std::string> order = {"GraphicsConfig", "Shaders",  "FontList",      "MeshInfo",
                                          "TextureInfo",    "Transition", "MapChangeInfo", "TextureSwapInfo"};
  for (const std::string& name : order) TempDir::Write(DataFile(name + ".xml"), kDecl + ("<var></" + name + ">"));
  StartGraphics();
  std::vector<std::string> expected, logged;
  for (const std::string& name : order) {
    expected.push_back("Failed to load config. Data/" + name + ".xml: End tag: /" + name +
                       " was not properly matched at line 2, column " + std::to_string(name.size() + 9));
  }
  std::istringstream log(LogOf("GraphicsLog"));
  for (std::string line; std::getline(log, line);) {
    if (line.rfind("Failed to load config. ", 0) == 0) logged.push_back(line);
  }
  EXPECT_EQ(logged, expected);
}

TEST_F(GraphicsDataTest, DemoSettingsReachTheConsoleVariables) {
  StartGraphics();
  EXPECT_EQ(CountConsoleLines(" Starting Graphics"), 1);
  bool blur = false, showModels = false, drawPhysics = true;
  float followDist = 0;
  ASSERT_TRUE(ConsoleBinding::Get("BlurOn", blur));
  ASSERT_TRUE(ConsoleBinding::Get("Show Models", showModels));
  ASSERT_TRUE(ConsoleBinding::Get("Draw Physics", drawPhysics));
  ASSERT_TRUE(ConsoleBinding::Get("CameraFollowDist", followDist));
  EXPECT_TRUE(blur);
  EXPECT_TRUE(showModels);
  EXPECT_FALSE(drawPhysics);
  EXPECT_EQ(followDist, 100.0f);
  for (const char* name : {"Show Map", "Lightmaps", "Wireframe", "Draw Shapes", "Num Models", "Turntable",
                           "MapFacesDrawn", "MapTrisDrawn", "CameraSpeed", "EdgeOn"}) {
    EXPECT_TRUE(Engine::Get()->GetVariableTable()->Has(name)) << name;
  }
  EXPECT_EQ(graphics->GetMapEffectName(), "Outside");
  EXPECT_EQ(graphics->GetTransitionInfo().TotalTime, 2.0f);
  EXPECT_EQ(LogOf("GraphicsLog").find("Failed to load config."), std::string::npos) << LogOf("GraphicsLog");
}

TEST_F(GraphicsDataTest, MapChangeInfoSetsTheMapEffectAndAmbientOnlyForListedMaps) {
  StartGraphics();
  const platform::Color settingsAmbient = graphics->GetAmbient();
  graphics->ApplyMapChangeInfo("nowhere");
  EXPECT_EQ(graphics->GetMapEffectName(), "Outside");
  EXPECT_EQ(graphics->GetAmbient(), settingsAmbient);
  graphics->ApplyMapChangeInfo("vault.bsp");
  EXPECT_EQ(graphics->GetMapEffectName(), "LightMap");
  EXPECT_EQ(graphics->GetAmbient(), (platform::Color{0.3f, 0.32f, 0.4f, 1}));
  graphics->ApplyMapChangeInfo("nowhere");
  EXPECT_EQ(graphics->GetMapEffectName(), "LightMap");
}

TEST_F(GraphicsDataTest, RecordsOfUnlistedNamesTakeTheirDefaults) {
  TempDir::Write(DataFile("TextureSwapInfo.xml"),
                 std::string(kDecl) + "<list><var><string>models/guard.x</string><list><string>a.png</string>"
                                      "<string>b.png</string></list></var></list>");
  StartGraphics();
  EXPECT_EQ(graphics->GetTextureSwap("models/guard.x", 1), "b.png");
  EXPECT_EQ(graphics->GetTextureSwap("models/guard.x", 2), "none");
  EXPECT_EQ(graphics->GetTextureSwap("models/thief.x", 0), "none");
  const MeshInfo& mesh = graphics->GetModelRenderInfo("models/statue.x");
  EXPECT_EQ(mesh.Name, "models/statue.x");
  EXPECT_EQ(mesh.BoundingSphereRadius, 10.0f);
  EXPECT_EQ(mesh.Rotation, (platform::Quaternion{0, 0, 0, 1}));
  const TextureInfo& texture = graphics->GetTextureRecord("textures/new.png");
  EXPECT_TRUE(texture.Compress && texture.Collidable && texture.Lightmap);
  EXPECT_FALSE(texture.Alpha || texture.loaded);
}

TEST_F(GraphicsDataTest, TheLaterOfTwoEqualNamesWins) {
  TempDir::Write(DataFile("TextureInfo.xml"),
                 std::string(kDecl) + "<list><var><string>textures/a.png</string><bool>true</bool><int>64</int>"
                                      "<int>64</int><bool/><bool/><bool/></var><var><string>textures/a.png</string>"
                                      "<bool>false</bool><int>32</int><int>16</int><bool>true</bool><bool>true</bool>"
                                      "<bool>true</bool></var></list>");
  StartGraphics();
  const TextureInfo& record = graphics->GetTextureRecord("textures/a.png");
  EXPECT_FALSE(record.Alpha);
  EXPECT_EQ(record.Width, 32);
  EXPECT_EQ(record.Height, 16);
}

TEST_F(GraphicsDataTest, ShutDownWritesTheRecordsOfTexturesThatLoaded) {
  TempDir::Write(DataFile("TextureInfo.xml"),
                 std::string(kDecl) + "<list><var><string>textures/listed.png</string><bool>true</bool><int>8</int>"
                                      "<int>8</int><bool>false</bool><bool>false</bool><bool>false</bool></var></list>");
  StartGraphics();
  graphics->GetTextureManager()->GetOrLoad("missing.png");
  graphics->GetTextureManager()->GetOrLoad("museum/ceiling.png");
  Stop();
  const std::string saved = TempDir::Read(DataFile("TextureInfoNew.xml"));
  EXPECT_NE(saved.find("<var><string name=\"Name\">textures/listed.png</string><bool name=\"Alpha\">true</bool>"
                       "<int name=\"Width\">8</int><int name=\"Height\">8</int><bool name=\"Compress\">false</bool>"
                       "<bool name=\"Collidable\">false</bool><bool name=\"Lightmap\">false</bool></var>"),
            std::string::npos);
  EXPECT_NE(saved.find("textures/museum/ceiling.png"), std::string::npos);
  EXPECT_NE(saved.find("textures/shadow.bmp"), std::string::npos);
  EXPECT_EQ(saved.find("missing.png"), std::string::npos);
}

TEST_F(GraphicsDataTest, AnUnwritableDataTreeIsLoggedAndStartUpGoesOn) {
  fs::remove_all("Data");
  TempDir::Write("Data", "a file where the folder should be");
  StartGraphics();
  // Only the settings are written back: the graphics settings and the transition.
  const std::string log = LogOf("GraphicsLog");
  for (const char* file : {"GraphicsConfig", "Transition"}) {
    EXPECT_NE(log.find("Failed to save config. Data/" + std::string(file) + ".xml: could not create folder Data ("),
              std::string::npos)
        << log;
  }
  UpdateAndRender();
  EXPECT_EQ(graphics->GetEffectManager()->Get("CelShader"), nullptr) << "the list is missing: nothing registered";
}

}  // namespace
