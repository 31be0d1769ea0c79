#include <gtest/gtest.h>

#include "platform/xfile/Model.h"
#include "tests/platform/xfile/Fixtures.h"
#include "tests/support/TempDir.h"

using namespace platform::xfile;
using xfixtures::Bytes;

namespace {

Model Read(const std::string& file) {
  ReadResult r = ReadModel(Bytes(file));
  EXPECT_TRUE(r.model.has_value()) << r.error;
  return r.model ? std::move(*r.model) : Model{};
}

std::string ErrorOf(const std::string& file) {
  ReadResult r = ReadModel(Bytes(file));
  EXPECT_FALSE(r.model.has_value());
  return r.error;
}

void ExpectSkinnedQuad(const Model& m) {
  ASSERT_EQ(m.frames.size(), 3u);
  EXPECT_EQ(m.frames[0].name, "Root");
  EXPECT_EQ(m.frames[0].parent, -1);
  EXPECT_EQ(m.frames[0].children, std::vector<uint32_t>{1});
  EXPECT_EQ(m.frames[0].meshes, std::vector<uint32_t>{0});
  EXPECT_EQ(m.frames[2].name, "Bone2");
  EXPECT_EQ(m.frames[2].parent, 1);
  EXPECT_FLOAT_EQ(m.frames[2].transform[12], 1);

  ASSERT_EQ(m.meshes.size(), 1u);
  const MeshContainer& q = m.meshes[0];
  EXPECT_EQ(q.name, "Quad");
  ASSERT_EQ(q.positions.size(), 4u);
  EXPECT_FLOAT_EQ(q.positions[2].x, 2);
  EXPECT_FLOAT_EQ(q.positions[2].y, 1);
  EXPECT_EQ(q.indices, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));  // fanned
  EXPECT_EQ(q.triangleMaterials, (std::vector<uint32_t>{0, 0}));
  ASSERT_EQ(q.normals.size(), 4u);
  EXPECT_FLOAT_EQ(q.normals[3].z, -1);
  ASSERT_EQ(q.texCoords.size(), 4u);
  EXPECT_FLOAT_EQ(q.texCoords[2][1], 1);
  EXPECT_TRUE(q.colors.empty());
  ASSERT_EQ(q.materials.size(), 1u);
  EXPECT_FLOAT_EQ(q.materials[0].diffuse[0], 1);
  EXPECT_FLOAT_EQ(q.materials[0].power, 12.5f);
  EXPECT_FLOAT_EQ(q.materials[0].specular[2], 0.3f);
  ASSERT_EQ(q.bones.size(), 2u);
  EXPECT_EQ(q.bones[1].name, "Bone2");
  EXPECT_EQ(q.bones[1].vertices, (std::vector<uint32_t>{1, 2}));
  EXPECT_FLOAT_EQ(q.bones[1].offset[12], -1);
  EXPECT_EQ(q.maxVertexInfluences, 2u);

  // Sets come last-in-file first: the game picks them by that index.
  ASSERT_EQ(m.animationSets.size(), 2u);
  EXPECT_EQ(m.animationSets[0].name, "Still");
  EXPECT_TRUE(m.animationSets[0].animations.empty());
  const AnimationSet& bend = m.animationSets[1];
  EXPECT_EQ(bend.name, "Bend");
  EXPECT_DOUBLE_EQ(bend.ticksPerSecond, 100);
  EXPECT_EQ(bend.LengthInTicks(), 100u);
  ASSERT_EQ(bend.animations.size(), 2u);
  EXPECT_EQ(bend.animations[1].frameName, "Bone2");
  ASSERT_EQ(bend.animations[1].rotations.size(), 2u);
  // Stored w, x, y, z in the file.
  EXPECT_NEAR(bend.animations[1].rotations[1].value.w, 0.7071068, 1e-6);
  EXPECT_NEAR(bend.animations[1].rotations[1].value.z, -0.7071068, 1e-6);
  EXPECT_EQ(bend.animations[0].positions[1].time, 100u);
  EXPECT_FLOAT_EQ(bend.animations[0].positions[1].value.z, 10);
}

}  // namespace

TEST(ReadModel, TextBinaryAndCompressedGiveTheSameModel) {
  const std::string text = xfixtures::SkinnedQuadText();
  const std::string binary = xfixtures::SkinnedQuadBinary();
  for (const std::string& file : {text, binary, xfixtures::SkinnedQuadBinary(64),
                                  xfixtures::Compress(text), xfixtures::Compress(binary),
                                  xfixtures::Compress(text, 97), xfixtures::Compress(binary, 61)}) {
    SCOPED_TRACE(file.substr(0, 16));
    const Model m = Read(file);
    ExpectSkinnedQuad(m);
  }
  // Texture names come back exactly as written, Windows path and all.
  EXPECT_EQ(Read(text).meshes[0].materials[0].textureFilename, "C:\\\\art\\\\red.tga");
  EXPECT_EQ(Read(binary).meshes[0].materials[0].textureFilename, "C:\\art\\red.tga");
}

TEST(ReadModel, ReadsFilesByCaseInsensitiveName) {
  TempDir dir;
  TempDir::Write("Models/Quad.X", xfixtures::SkinnedQuadText());
  ReadResult r = ReadModelFile("models\\quad.x");
  ASSERT_TRUE(r.model.has_value()) << r.error;
  EXPECT_EQ(r.model->meshes.size(), 1u);
  EXPECT_FALSE(ReadModelFile("models/none.x").model.has_value());
}

TEST(ReadModel, BuildsTheTreeTheGameExpects) {
  // Two top-level frames get an unnamed root above them; a frame may hold no mesh; a mesh
  // without materials gets one default material; unknown objects are skipped whole.
  const Model m = Read(R"(xof 0302txt 0064
Frame A { Frame A1 { } Frame A2 { Unknown { 1; { nested } "s"; } } }
Frame B {
 FrameTransformMatrix { 2,0,0,0, 0,2,0,0, 0,0,2,0, 0,0,0,1;; }
 Mesh { 5; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;, 9;9;9;; 2; 3;0,1,2;, 3;0,2,3;; }
}
)");
  ASSERT_EQ(m.frames.size(), 5u);
  EXPECT_EQ(m.frames[0].name, "");
  EXPECT_EQ(m.frames[0].children, (std::vector<uint32_t>{1, 4}));
  EXPECT_EQ(m.frames[1].children, (std::vector<uint32_t>{2, 3}));
  EXPECT_TRUE(m.frames[1].meshes.empty());
  EXPECT_EQ(m.frames[4].name, "B");
  EXPECT_EQ(m.frames[4].meshes, std::vector<uint32_t>{0});
  EXPECT_EQ(m.FindFrame("A2"), 3);
  EXPECT_EQ(m.FindFrame("a2"), -1);
  const MeshContainer& mesh = m.meshes[0];
  EXPECT_EQ(mesh.materials.size(), 1u);
  EXPECT_EQ(mesh.triangleMaterials, (std::vector<uint32_t>{0, 0}));
  EXPECT_TRUE(mesh.normals.empty());
  EXPECT_TRUE(mesh.bones.empty());
  EXPECT_TRUE(m.animationSets.empty());
}

TEST(ReadModel, RepeatsVerticesWhoseFacesDisagreeOnNormals) {
  // Vertex 1 and 2 sit on two faces with different normals: each gets one copy at the end,
  // carrying its texture coordinates, colour and weights.
  const Model m = Read(R"(xof 0303txt 0032
Mesh M {
 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;
 2; 3;0,1,2;, 3;2,1,3;;
 MeshNormals { 2; 0;0;1;, 0;1;0;; 2; 3;0,0,0;, 3;1,1,1;; }
 MeshTextureCoords { 4; 0;0;, 0.1;0;, 0.2;0;, 0.3;0;; }
 MeshVertexColors { 1; 2;0.5;0.5;0.5;1;; }
 MeshMaterialList { 2; 1; 1;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } Material { 0;0;1;1;; 0; 0;0;0;; 0;0;0;; } }
 SkinWeights { "B"; 1; 2; 0.25; 1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;; }
}
)");
  const MeshContainer& mesh = m.meshes[0];
  ASSERT_EQ(mesh.positions.size(), 6u);
  EXPECT_EQ(mesh.indices, (std::vector<uint32_t>{0, 1, 2, 4, 5, 3}));
  EXPECT_FLOAT_EQ(mesh.normals[3].y, 1);
  EXPECT_FLOAT_EQ(mesh.normals[4].y, 1);
  EXPECT_FLOAT_EQ(mesh.normals[2].z, 1);
  EXPECT_FLOAT_EQ(mesh.positions[4].x, 1);
  EXPECT_FLOAT_EQ(mesh.texCoords[4][0], 0.2f);
  EXPECT_FLOAT_EQ(mesh.colors[4][0], 0.5f);
  EXPECT_FLOAT_EQ(mesh.colors[5][0], 1);
  // One material index for two faces: the last one goes on.
  EXPECT_EQ(mesh.triangleMaterials, (std::vector<uint32_t>{1, 1}));
  EXPECT_FLOAT_EQ(mesh.materials[1].diffuse[2], 1);
  EXPECT_EQ(mesh.bones[0].vertices, (std::vector<uint32_t>{2, 4}));
  EXPECT_EQ(mesh.bones[0].weights, (std::vector<float>{0.25f, 0.25f}));
}

TEST(ReadModel, TakesNormalsAndColoursFromADeclaredVertexLayout) {
  // Elements: normal as three floats, colour as packed ARGB; 4 words per vertex.
  const Model m = Read(R"(xof 0303txt 0032
Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;
 DeclData { 2; 2;0;3;0;, 4;0;10;0;;
  12; 0,0,1065353216,4279246896, 0,0,1065353216,4279246896, 0,1065353216,0,0;
 }
}
)");
  const MeshContainer& mesh = m.meshes[0];
  ASSERT_EQ(mesh.normals.size(), 3u);
  EXPECT_FLOAT_EQ(mesh.normals[0].z, 1);
  EXPECT_FLOAT_EQ(mesh.normals[2].y, 1);
  ASSERT_EQ(mesh.colors.size(), 3u);
  EXPECT_FLOAT_EQ(mesh.colors[0][0], 0x10 / 255.f);
  EXPECT_FLOAT_EQ(mesh.colors[0][2], 0x30 / 255.f);
  EXPECT_FLOAT_EQ(mesh.colors[0][3], 1);
  EXPECT_TRUE(mesh.texCoords.empty());
}

TEST(ReadModel, ReadsMatrixKeysAndDefaultRate) {
  const Model m = Read(R"(xof 0303txt 0032
Frame F { }
AnimationSet A { Animation { { F } AnimationKey { 4; 2;
 0;16;1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;;,
 20;16;1,0,0,0,0,1,0,0,0,0,1,0,4,0,0,1;;; } } }
)");
  ASSERT_EQ(m.animationSets.size(), 1u);
  EXPECT_DOUBLE_EQ(m.animationSets[0].ticksPerSecond, 4800);
  const Animation& a = m.animationSets[0].animations[0];
  ASSERT_EQ(a.matrices.size(), 2u);
  EXPECT_FLOAT_EQ(a.matrices[1].value[12], 4);
  EXPECT_TRUE(a.rotations.empty());
}

TEST(ReadModel, NamesWhatIsWrongWithADamagedFile) {
  const std::string head = "xof 0303txt 0032\n";
  EXPECT_EQ(ErrorOf(""), "not a model file (no \"xof \" header)");
  EXPECT_EQ(ErrorOf("xof 0303abc 0032"), "unknown format \"abc \"");
  EXPECT_EQ(ErrorOf("xof 0303txt 0016"), "unknown float size \"0016\"");
  EXPECT_EQ(ErrorOf(head), "the file holds no frame and no mesh");
  EXPECT_EQ(ErrorOf(head + "Frame F {"), "the file ends inside a data object");
  EXPECT_EQ(ErrorOf(head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,3;; }"),
            "a face uses vertex 3 of 3");
  EXPECT_EQ(ErrorOf(head + "Mesh { 4000000000; 0;0;0;; }"),
            "vertex count 4000000000 exceeds the data");
  EXPECT_EQ(ErrorOf(head + "Mesh { 1; 0;x;0;; 0; }"), "expected a number for vertex, found 'x'");
  EXPECT_EQ(ErrorOf(head + "Mesh { 1; 0;0;0;; 0; MeshMaterialList { 1; 1; 1;; } }"),
            "a face uses material 1 of 1");
  EXPECT_EQ(ErrorOf(head + "Mesh { 1; 0;0;0;; 0; MeshMaterialList { 1; 0; { Nowhere } } }"),
            "unknown material 'Nowhere'");
  EXPECT_EQ(ErrorOf(head + "Mesh { 1; 0;0;0;; 0; SkinWeights { \"B\"; 1; 1; 1.0; } }"),
            "bone 'B' weights vertex 1 of 1");
  EXPECT_EQ(
      ErrorOf(head +
              "Frame F {} AnimationSet { Animation { AnimationKey { 0; 1; 0;3;1,0,0;;; } } }"),
      "animation key of type 0 with 3 values");
  EXPECT_EQ(ErrorOf(head + "AnimTicksPerSecond { 0; }"), "AnimTicksPerSecond is 0");
  EXPECT_EQ(ErrorOf(head + "Mesh { -1; }"), "vertex is not a whole number in range");
  for (const char* number : {"nan", "inf", "-inf", "1e39"})
    EXPECT_EQ(ErrorOf(head + "Mesh { 1; 0;" + number + ";0;; 0; }"), "vertex is not a finite number")
        << number;
  EXPECT_EQ(ErrorOf(head + "Frame F { \"open"), "unterminated string");
  std::string deep = head;
  for (int i = 0; i < 300; ++i) deep += "Frame {";
  EXPECT_EQ(ErrorOf(deep), "frames nested too deeply");
  std::string wide = head + "Frame {";
  for (int i = 0; i < (1 << 18); ++i) wide += "F{}";
  EXPECT_EQ(ErrorOf(wide), "too many data objects");
  // Binary: a list that claims more than the file holds.
  xfixtures::BinaryWriter w;
  w.Object("Mesh").Token(6).Raw(std::string("\xff\xff\xff\x0f", 4));
  EXPECT_EQ(ErrorOf(w.Data()), "binary list longer than the file");
  EXPECT_EQ(ErrorOf(xfixtures::BinaryWriter().Token(99).Data()), "unknown binary token 99");
}

TEST(ReadModel, RefusesDamagedCompressedData) {
  const std::string packed = xfixtures::Compress(xfixtures::SkinnedQuadText());
  std::string tooBig = packed;
  tooBig[19] = '\x7f';  // declared size far beyond the bound
  EXPECT_NE(ErrorOf(tooBig).find("impossible size"), std::string::npos);
  std::string shortened = packed;
  shortened.resize(packed.size() - 10);
  EXPECT_EQ(ErrorOf(shortened), "damaged compressed block");
  std::string noMagic = packed;
  noMagic[24] = 'X';
  EXPECT_EQ(ErrorOf(noMagic), "damaged compressed block");
  std::string moreDeclared = packed;
  moreDeclared[17] += 1;  // claims 256 more bytes than the blocks hold
  EXPECT_EQ(ErrorOf(moreDeclared), "compressed data ends before its declared size");
}
