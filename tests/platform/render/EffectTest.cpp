#include <gtest/gtest.h>

#include "platform/render/EffectFile.h"
#include "platform/render/EffectProgram.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"
#include "tests/platform/render/DeviceFixture.h"
#include "tests/support/TempDir.h"

using namespace platform;

namespace {

// A small effect in the file format: a tinted full-screen pass and a second technique that
// draws world geometry with a transposed view-projection matrix, as the game hands it over.
const char* const kTint = R"(// tint and world techniques
@param float4 tint = 1 0 0 1
@param float4x4 matViewProjection
@param texture baseTex filter=point address=clamp
@param bool useTexture = false
@technique Tint
@pass fragment=TintFS cull=none zenable=false blend=true srcblend=one destblend=zero
@technique World
@pass vertex=WorldVS fragment=TintFS cull=none
@shader common
vec4 Shade(vec2 uv) { return useTexture ? texture(baseTex, uv) : tint; }
@shader WorldVS
out vec4 vColor;
out vec2 vTexCoord;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vColor = inColor;
  vTexCoord = inTexCoord0;
}
@shader TintFS
in vec2 vTexCoord;
void main() {
  fragColor = Shade(vTexCoord);
}
)";

class EffectTest : public DeviceTest {
 protected:
  void DrawFullScreen(EffectProgram& effect) {
    unsigned passes = 0;
    ASSERT_TRUE(effect.Begin(&passes));
    for (unsigned i = 0; i < passes; ++i) {
      ASSERT_TRUE(effect.BeginPass(i));
      DrawFullQuad(0xFFFFFFFF);
      effect.EndPass();
    }
    effect.End();
  }
};

}  // namespace

TEST(EffectFile, ParsesParametersTechniquesAndPassStates) {
  EffectDesc desc;
  std::string error;
  ASSERT_TRUE(ParseEffect(kTint, "tint.fx", &desc, &error)) << error;
  ASSERT_EQ(desc.params.size(), 4u);
  EXPECT_EQ(desc.params[0].defaults, (std::vector<float>{1, 0, 0, 1}));
  EXPECT_EQ(desc.params[2].filter, TextureFilter::Point);
  EXPECT_EQ(desc.params[2].address, TextureAddress::Clamp);
  ASSERT_EQ(desc.techniques.size(), 2u);
  const PassState& s = desc.techniques[0].passes[0].state;
  EXPECT_EQ(s.cull, CullMode::None);
  EXPECT_EQ(s.zEnable, false);
  EXPECT_FALSE(s.zWrite.has_value());
  EXPECT_EQ(desc.shaders.at("WorldVS").firstLine, 13);
}

TEST(EffectFile, NamesTheLineOfEveryFormatError) {
  struct Case {
    const char* text;
    const char* where;
  };
  const Case cases[] = {
      {"@param float2 a = 1 2 3\n", "x.fx(1): too many default values"},
      {"@technique T\n@pass fragment=F\n", "x.fx(2): no shader named F"},
      {"@shader F\n@pass fragment=F\n", "x.fx(2): @pass before any @technique"},
      {"\n@technique T\n@pass fragment=F cull=sideways\n", "x.fx(3): bad pass setting"},
      {"stray text\n", "x.fx(1): text outside a shader block"},
      {"@param matrix m\n", "x.fx(1): unknown parameter type"},
      {"@param float a\r\n@param float a\r\n", "x.fx(2): parameter a declared twice"},
      {"// nothing\n", "x.fx(1): no @technique"},
  };
  for (const Case& c : cases) {
    EffectDesc desc;
    std::string error;
    EXPECT_FALSE(ParseEffect(c.text, "x.fx", &desc, &error)) << c.text;
    EXPECT_EQ(error.rfind(c.where, 0), 0u) << error;
  }
}

TEST_F(EffectTest, PassDrawsWithParametersAndRestoresDeviceStates) {
  EffectProgram effect(device_);
  std::string error;
  ASSERT_TRUE(effect.LoadFromText(kTint, "tint.fx", &error)) << error;
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  DrawFullScreen(effect);
  EXPECT_EQ(PixelAt(10, 10), Rgba(255, 0, 0));
  const float green[4] = {0, 1, 0, 1};
  EXPECT_TRUE(effect.SetVector("tint", green));
  DrawFullScreen(effect);
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 255, 0));
  // The pass turned blending on and culling off; End gives the device its own states back.
  EXPECT_FALSE(device_.GetState().alphaBlend);
  EXPECT_EQ(device_.GetState().cull, CullMode::CounterClockwise);
  EXPECT_TRUE(device_.GetState().zEnable);
}

// Draws with and without the alpha test run different programs: the parameters reach whichever
// a draw uses, and the test discards only while it is on.
TEST_F(EffectTest, TheAlphaTestOfTheDeviceHoldsForEveryDrawOfAnOpenPass) {
  EffectProgram effect(device_);
  std::string error;
  ASSERT_TRUE(effect.LoadFromText(kTint, "tint.fx", &error)) << error;
  const float faintGreen[4] = {0, 1, 0, 0.25f};
  ASSERT_TRUE(effect.SetVector("tint", faintGreen));
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  unsigned passes = 0;
  ASSERT_TRUE(effect.Begin(&passes));
  ASSERT_TRUE(effect.BeginPass(0));
  device_.SetAlphaTest(true, CompareFunc::Greater, 128);
  DrawFullQuad(0xFFFFFFFF);
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 0, 0)) << "alpha 64 fails the test";
  device_.SetAlphaTest(false, CompareFunc::Always, 0);
  DrawFullQuad(0xFFFFFFFF);
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 255, 0));
  const float blue[4] = {0, 0, 1, 1};
  ASSERT_TRUE(effect.SetVector("tint", blue));
  effect.CommitChanges();
  device_.SetAlphaTest(true, CompareFunc::Greater, 128);
  DrawFullQuad(0xFFFFFFFF);
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 0, 255)) << "the committed colour passes the test";
  effect.EndPass();
  effect.End();
}

TEST_F(EffectTest, UnknownNamesChangeNothing) {
  EffectProgram effect(device_);
  std::string error;
  ASSERT_TRUE(effect.LoadFromText(kTint, "tint.fx", &error)) << error;
  EXPECT_EQ(effect.TechniqueName(), "Tint");
  EXPECT_FALSE(effect.SetTechnique("NoSuchTechnique"));
  EXPECT_EQ(effect.TechniqueName(), "Tint");
  EXPECT_FALSE(effect.SetFloat("noSuchParameter", 1.0f));
  EXPECT_FALSE(effect.SetMatrix("tint", TestMatrix::Identity().m));  // wrong type
  EXPECT_FALSE(effect.BeginPass(5));
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  DrawFullScreen(effect);
  EXPECT_EQ(PixelAt(10, 10), Rgba(255, 0, 0));
}

TEST_F(EffectTest, TransposedGameMatricesPlaceWorldGeometry) {
  EffectProgram effect(device_);
  std::string error;
  ASSERT_TRUE(effect.LoadFromText(kTint, "tint.fx", &error)) << error;
  ASSERT_TRUE(effect.SetTechnique("World"));
  const float eye[3] = {0, 0, -10}, at[3] = {0, 0, 0}, up[3] = {0, 1, 0};
  TestMatrix vp = TestMatrix::LookAtLH(eye, at, up) *
                  TestMatrix::PerspectiveFovLH(3.14159265f / 4, 4.0f / 3, 1, 100);
  TestMatrix transposed{};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) transposed.m[c * 4 + r] = vp.m[r * 4 + c];
  ASSERT_TRUE(effect.SetMatrix("matViewProjection", transposed.m));
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  struct V {
    float x, y, z;
  };
  const V tri[3] = {{0, 4, 0}, {4, 4, 0}, {0, 0, 0}};  // up and right of the centre
  unsigned passes = 0;
  ASSERT_TRUE(effect.Begin(&passes));
  ASSERT_TRUE(effect.BeginPass(0));
  static const VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0}}, 12);
  device_.DrawPrimitiveUP(PrimitiveType::TriangleList, layout, tri, 1);
  effect.EndPass();
  effect.End();
  EXPECT_EQ(PixelAt(36, 8), Rgba(255, 0, 0));  // top right quadrant
  EXPECT_EQ(PixelAt(20, 30), Rgba(0, 0, 0));
}

TEST_F(EffectTest, CompileErrorsNameTheEffectFileLine) {
  EffectProgram effect(device_);
  std::string error;
  const std::string broken = std::string(kTint).replace(std::string(kTint).find("fragColor = Shade"),
                                                        17, "fragColor = Shade(;");
  EXPECT_FALSE(effect.LoadFromText(broken, "Shaders/tint.fx", &error));
  EXPECT_NE(error.find("Shaders/tint.fx(23):"), std::string::npos) << error;
  EXPECT_FALSE(effect.IsLoaded());
  unsigned passes = 7;
  EXPECT_FALSE(effect.Begin(&passes));
  EXPECT_EQ(passes, 0u);
}

TEST_F(EffectTest, ReloadInPlaceKeepsValuesAndSurvivesBadEdits) {
  TempDir dir;
  TempDir::Write("Shaders/Tint.fx", kTint);
  EffectProgram effect(device_);
  std::string error;
  ASSERT_EQ(effect.LoadFromFile("shaders\\tint.fx", &error), EffectLoad::Loaded) << error;
  const float blue[4] = {0, 0, 1, 1};
  effect.SetVector("tint", blue);
  // A broken edit keeps the working programs and reports where it broke.
  TempDir::Write("Shaders/Tint.fx", std::string(kTint) + "@pass fragment=Missing\n");
  EXPECT_EQ(effect.LoadFromFile("shaders\\tint.fx", &error), EffectLoad::Invalid);
  EXPECT_NE(error.find("(25): no shader named Missing"), std::string::npos) << error;
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  DrawFullScreen(effect);
  EXPECT_EQ(PixelAt(10, 10), Rgba(0, 0, 255));
  // A good edit takes effect in the same object; the value set before stays.
  std::string halved = kTint;
  halved.replace(halved.find("fragColor = Shade(vTexCoord);"), 29, "fragColor = Shade(vTexCoord) * 0.5;");
  TempDir::Write("Shaders/Tint.fx", halved);
  ASSERT_EQ(effect.LoadFromFile("shaders\\tint.fx", &error), EffectLoad::Loaded) << error;
  DrawFullScreen(effect);
  EXPECT_NEAR(int(PixelAt(10, 10) >> 8 & 0xFF), 128, 1);
  EXPECT_EQ(effect.LoadFromFile("Shaders/none.fx", &error), EffectLoad::Unreadable);
  EXPECT_EQ(error, "Shaders/none.fx: cannot be read");
}

TEST_F(EffectTest, TexturesBindThroughParametersAndOutliveTheirOwner) {
  EffectProgram effect(device_);
  std::string error;
  ASSERT_TRUE(effect.LoadFromText(kTint, "tint.fx", &error)) << error;
  const uint8_t pixels[4 * 4] = {255, 255, 0, 255, 255, 255, 0, 255, 0, 255, 255, 255, 0, 255, 255, 255};
  auto texture = Texture::FromPixels(device_, 2, 2, pixels);
  ASSERT_TRUE(effect.SetTexture("baseTex", texture.get()));
  ASSERT_TRUE(effect.SetBool("useTexture", true));
  texture.reset();
  device_.Clear(ClearTarget | ClearDepth, 0xFF000000, 1.0f, 0);
  DrawFullScreen(effect);
  EXPECT_EQ(PixelAt(10, 2), Rgba(255, 255, 0));   // top row of the image: yellow
  EXPECT_EQ(PixelAt(10, 45), Rgba(0, 255, 255));  // bottom row: cyan
}
