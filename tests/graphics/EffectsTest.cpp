#include <cstdlib>
#include <filesystem>
#include <optional>

#include "engine/Engine.h"
#include "platform/math/Matrix.h"
#include "platform/render/VertexLayout.h"
#include "tests/graphics/GraphicsFixture.h"

namespace fs = std::filesystem;

namespace {

const char kReloadLine[] = "Detected shader change, reloading shaders";

// Moves a file's last-write time along, as saving it in an editor would.
void Touch(const std::string& path) {
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(1));
}

using EffectsTest = GraphicsFixture;

TEST_F(EffectsTest, EveryListedEffectIsRegisteredLoadedAndFoundInAnyCase) {
  StartGraphics();
  EffectManager* effects = graphics->GetEffectManager();
  for (const char* name : {"CelShader", "LightMap", "Outside", "Laser", "Taser", "Emblem", "Flashlight", "Shadow",
                           "Blur", "Transition", "Overlay", "Edge", "FadeWhite"}) {
    Effect* effect = effects->Get(name);
    ASSERT_NE(effect, nullptr) << name;
    EXPECT_NE(effect->GetEffect(), nullptr) << name << "\n" << TempDir::Read("Shader.txt");
  }
  EXPECT_EQ(effects->Get("celshader"), effects->Get("CELSHADER"));
  EXPECT_EQ(effects->Get("NoSuchEffect"), nullptr);
  EXPECT_FALSE(TempDir::Exists("Shader.txt"));
}

TEST_F(EffectsTest, OneChangeInTheEffectFolderReloadsOnceAtTheNextUpdate) {
  StartGraphics();
  graphics->Update();
  EXPECT_EQ(CountConsoleLines(kReloadLine), 0);
  Touch("Shaders/Blur.fx");
  EXPECT_EQ(CountConsoleLines(kReloadLine), 0) << "nothing happens until the update";
  graphics->Update();
  EXPECT_EQ(CountConsoleLines(kReloadLine), 1);
  graphics->Update();
  graphics->Update();
  EXPECT_EQ(CountConsoleLines(kReloadLine), 1);
  TempDir::Write("Shaders/Blur.fx", TempDir::Read("Shaders/Blur.fx") + "\n");
  graphics->Update();
  EXPECT_EQ(CountConsoleLines(kReloadLine), 2);
}

TEST_F(EffectsTest, ABrokenEffectIsReportedAndTheOldOneKeepsRunning) {
  StartGraphics();
  Effect* blur = graphics->GetEffectManager()->Get("Blur");
  platform::EffectProgram* before = blur->GetEffect();
  ASSERT_NE(before, nullptr);

  std::string broken = TempDir::Read("Shaders/Blur.fx");
  broken.replace(broken.find("void main() {"), 13, "void main() { nonsense");
  TempDir::Write("Shaders/Blur.fx", broken);
  Touch("Shaders/Blur.fx");
  graphics->Update();
  EXPECT_EQ(CountConsoleLines("Error loading shader Blur.fx"), 1);
  EXPECT_NE(TempDir::Read("Shader.txt").find("Blur.fx("), std::string::npos) << TempDir::Read("Shader.txt");
  EXPECT_NE(LogOf("GraphicsLog").find("Error loading shader Blur.fx: Shaders/Blur.fx("), std::string::npos)
      << "the line that failed to compile";
  EXPECT_EQ(graphics->GetEffectManager()->Get("Blur"), blur) << "the holder's object stays the registered one";
  EXPECT_EQ(blur->GetEffect(), before) << "the old programs keep running";
  UpdateAndRender();
  EXPECT_EQ(BackBufferPixel(512, 384), 0x000000FFu);
}

TEST_F(EffectsTest, AReloadReachesEveryHolderOfTheEffect) {
  const std::string good = TempDir::Read("Shaders/Overlay.fx");
  TempDir::Write("Shaders/Overlay.fx", "@technique Overlay\n@pass fragment=Missing\n");
  StartGraphics();
  Effect* held = graphics->GetEffectManager()->Get("Overlay");
  ASSERT_NE(held, nullptr) << "a failed effect stays registered";
  EXPECT_EQ(held->GetEffect(), nullptr);
  EXPECT_EQ(CountConsoleLines("Error loading shader Overlay.fx"), 1);

  TempDir::Write("Shaders/Overlay.fx", good);
  graphics->Update();
  EXPECT_NE(held->GetEffect(), nullptr);
  EXPECT_TRUE(held->GetEffect()->SetTechnique("Overlay"));
}

TEST_F(EffectsTest, UnknownTechniquesAndParametersChangeNothing) {
  StartGraphics();
  platform::EffectProgram* cel = graphics->GetEffectManager()->Get("CelShader")->GetEffect();
  ASSERT_TRUE(cel->SetTechnique("CelShade1Light"));
  EXPECT_FALSE(cel->SetTechnique("NoSuchTechnique"));
  EXPECT_EQ(cel->TechniqueName(), "CelShade1Light");
  EXPECT_FALSE(cel->SetFloat("noSuchParameter", 1.0f));
  UpdateAndRender();
}

TEST_F(EffectsTest, AnEmptyEffectFolderLeavesEveryNameRegisteredWithoutAnEffect) {
  fs::remove_all("Shaders");
  fs::create_directory("Shaders");
  StartGraphics();
  EXPECT_EQ(CountConsoleLines("Error loading shader CelShader.fx"), 1);
  EXPECT_EQ(CountConsoleLines("Error loading shader LightMap.fx"), 2) << "LightMap and Outside";
  Effect* blur = graphics->GetEffectManager()->Get("Blur");
  ASSERT_NE(blur, nullptr);
  EXPECT_EQ(blur->GetEffect(), nullptr);
  EXPECT_FALSE(TempDir::Exists("Shader.txt")) << "a missing file has no compiler output";
  EXPECT_NE(LogOf("GraphicsLog").find("Error loading shader CelShader.fx: Shaders/CelShader.fx is missing or cannot be read"),
            std::string::npos);
  UpdateAndRender();
  EXPECT_EQ(BackBufferPixel(10, 700), 0x000000FFu);
}

TEST_F(EffectsTest, TwoNamesDifferingInCaseLeaveTheLaterFileRegistered) {
  TempDir::Write(DataFile("Shaders.xml"),
                 "<?xml version=\"1.0\"?>\n<list><var><string>Post</string><string>Blur.fx</string></var>"
                 "<var><string>POST</string><string>Edge.fx</string></var></list>");
  StartGraphics();
  platform::EffectProgram* post = graphics->GetEffectManager()->Get("post")->GetEffect();
  ASSERT_NE(post, nullptr);
  EXPECT_EQ(post->TechniqueName(), "Edge");
}

// Draws a small white triangle around the origin through the effect's matViewProjection and
// tells whether the pixel at (x, y) came out white.
bool DrawsAt(Graphics* graphics, Effect& effect, int x, int y) {
  platform::RenderDevice* device = graphics->GetDevice();
  device->SetRenderTarget(nullptr);
  device->Clear(platform::ClearTarget | platform::ClearDepth, 0xFF000000, 1.0f, 0);
  const float triangle[3][5] = {{-0.05f, -0.05f, 0.5f, 0, 0}, {0, 0.05f, 0.5f, 0, 0}, {0.05f, -0.05f, 0.5f, 0, 0}};
  unsigned passes = 0;
  effect.GetEffect()->Begin(&passes);
  effect.GetEffect()->BeginPass(0);
  device->DrawPrimitiveUP(platform::PrimitiveType::TriangleList, platform::VertexLayout::PositionTexture(), triangle, 1);
  effect.GetEffect()->EndPass();
  effect.GetEffect()->End();
  return device->ReadPixels({x, y, x + 1, y + 1})[0] == 255;
}

TEST_F(EffectsTest, TransformsReachTheEffectAsRowVectorProducts) {
  StartGraphics();
  Effect effect(*graphics->GetDevice());
  ASSERT_TRUE(effect.Program().LoadFromText(
      "@param float4x4 matWorld\n@param float4x4 matViewProjection\n@param float4x4 matInverseWorld\n"
      "@technique T\n@pass vertex=VS fragment=FS cull=none zenable=false\n"
      "@shader VS\nvoid main() { gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection; }\n"
      "@shader FS\nvoid main() { fragColor = vec4(1.0); }\n",
      "probe.fx", nullptr));
  // The view moves right by half the screen: x = 0.5 lands three quarters across.
  effect.SetViewProjection(platform::MatrixTranslation(0.5f, 0, 0), platform::MatrixIdentity());
  EXPECT_TRUE(DrawsAt(graphics, effect, 768, 384));
  EXPECT_FALSE(DrawsAt(graphics, effect, 512, 384));
  // The world goes first: up by half, so a quarter from the top.
  EXPECT_TRUE(effect.SetTransforms(platform::MatrixTranslation(0, 0.5f, 0), platform::MatrixIdentity()));
  EXPECT_TRUE(DrawsAt(graphics, effect, 768, 192));
  EXPECT_FALSE(DrawsAt(graphics, effect, 768, 384));
}

// Sets environment variables for the life of the object and puts the old values back.
class ScopedEnv {
 public:
  ~ScopedEnv() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(EditorTest, NoEditorOpensInCiRunsOrWithoutADisplay) {
  ScopedEnv env;
  env.Set("CI", "true");
  env.Set("DISPLAY", ":0");
  EXPECT_FALSE(IsInteractiveDesktop());
  env.Set("CI", nullptr);
  env.Set("DISPLAY", nullptr);
  env.Set("WAYLAND_DISPLAY", nullptr);
  EXPECT_FALSE(IsInteractiveDesktop());
}

}  // namespace
