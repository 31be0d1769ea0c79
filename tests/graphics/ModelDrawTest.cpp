#include <filesystem>

#include "engine/Engine.h"
#include "entity/EntityManager.h"
#include "graphics/Camera.h"
#include "graphics/ModelEnt.h"
#include "platform/core/Random.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

namespace fs = std::filesystem;

// One guard's spot light shining on the model from the front left.
class SpotLitWorld : public ModelWorld {
 public:
  void GetSpotLights(const platform::Vector3&, float, std::vector<SpotLight>& out) override {
    out.push_back({{120, 60, 120}, platform::Vec3Normalize({-1, -0.5f, -1})});
  }
};

class ModelDrawTest : public GraphicsFixture {
 protected:
  ModelDrawTest() {
    fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models", fs::copy_options::recursive);
  }

  ModelEnt* Show(const std::string& file) {
    auto* entity = static_cast<ModelEnt*>(Engine::Get()->GetEntityManager()->Create("ModelEnt"));
    entity->model.Load(file);
    return entity;
  }

  Camera camera;
  SpotLitWorld world;
};

TEST_F(ModelDrawTest, ACelShadedCharacterWithItsOutlineUnderASpotLight) {
  StartGraphics();
  ASSERT_TRUE(SetVariable("BlurOn", false));
  graphics->GetModelScene().SetWorld(&world);
  camera.position = {200, 0, 10};
  camera.direction = {-1, 0, 0};
  graphics->SetActiveCamera(&camera);
  // The same start in the animation every run.
  platform::SeedRandom(1);
  ModelEnt* thief = Show("thief");
  ASSERT_NE(thief->model.GetModel(), nullptr);
  // A still pose, whatever random start the animation took.
  thief->model.animationSpeed = 0;
  UpdateAndRender();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "cel_thief", 8, 0.99, &message)) << message;
  graphics->SetActiveCamera(nullptr);
  graphics->GetModelScene().SetWorld(nullptr);
}

TEST_F(ModelDrawTest, TheSameFileUnderTwoNamesIsOneRecordLoggedOnce) {
  StartGraphics();
  ModelEnt* a = Show("Guard");
  ModelEnt* b = Show("guard");
  ASSERT_NE(a->model.GetModel(), nullptr);
  EXPECT_EQ(a->model.GetModel(), b->model.GetModel());
  EXPECT_EQ(CountLines(LogOf("AssetsLoaded"), "Loaded models/guard.x"), 1);
  // Each user animates on its own clone.
  EXPECT_NE(a->model.GetController(), b->model.GetController());
  EXPECT_NE(a->model.FindFrame("Bip01_R_Hand"), -1);
}

TEST_F(ModelDrawTest, AMissingModelIsLoggedOnceAndItsEntityDrawsWithoutIt) {
  StartGraphics();
  ModelEnt* a = Show("nothing");
  ModelEnt* b = Show("nothing");
  EXPECT_EQ(a->model.GetModel(), nullptr);
  EXPECT_EQ(b->model.GetModel(), nullptr);
  graphics->SetActiveCamera(&camera);
  UpdateAndRender();
  graphics->SetActiveCamera(nullptr);
  EXPECT_EQ(CountLines(LogOf("GraphicsLog"), "Failed loading model models/nothing.x"), 1);
}

}  // namespace
