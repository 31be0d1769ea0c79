#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineSystem.h"
#include "entity/EntityManager.h"
#include "graphics/EffectManager.h"
#include "graphics/GraphicsConfig.h"
#include "graphics/DebugDraw.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/GraphicsLists.h"
#include "graphics/GraphicsMap.h"
#include "graphics/GraphicsTransition.h"
#include "graphics/ParticleManager.h"
#include "graphics/Screenshot.h"
#include "graphics/ModelManager.h"
#include "graphics/ModelScene.h"
#include "graphics/TextureManager.h"
#include "platform/core/FolderWatch.h"
#include "graphics/gui/GraphicsGUI.h"
#include "graphics/gui/GraphicsHUD.h"
#include "platform/math/Frustum.h"
#include "platform/math/Matrix.h"

using FontManager = ResourceManager<platform::Font>;
class Entity;
class HUDAnimationList;
class GameView;
class InputView;
class HudGame;
class DebugVariablePanel;
class VideoPlayer;
class BspMap;
class PhysicsDebugView;
class ModelEnt;
struct GUIPoint;

// The graphics system: the device on the main window with its render targets, the settings and
// data lists, the effects with their reload on change, the texture, font, model and particle
// managers, the view frustum, the current map, the teleport transition, the GUI and the HUD, and
// the frame (Render) that composes them, which the main loop calls every frame whatever the run
// flag.
class Graphics : public EngineSystem {
 public:
  Graphics();
  ~Graphics() override;

  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Graphics"; }
  void TakeSlot(SystemSlots& slots) override;
  // Builds the debug-variable panel from every variable the systems bound while starting.
  void Started() override;

  // Draws and presents one frame.
  void Render() override;
  // The next finished frame is saved as a PNG under this name.
  void RequestScreenshot(const std::string& path) { screenshot_.Request(path); }

  // The device and what was made with it; null before Init and after Shutdown.
  platform::RenderDevice* GetDevice() { return device_.Get(); }
  platform::SpriteBatch* GetSprite() { return device_.GetSprite(); }
  TextureManager* GetTextureManager() { return textures_.get(); }
  EffectManager* GetEffectManager() { return effects_.get(); }
  FontManager* GetFontManager() { return fonts_.get(); }
  // The particle effects and the debug shapes of the frame; null before Init and after Shutdown.
  ParticleManager* GetParticleManager() { return particles_.get(); }
  DebugDraw* GetDebugDraw() { return debugDraw_.get(); }
  ModelManager* GetModelManager() { return models_.get(); }
  // The model list, the active camera (null: no 3-D part) and the model passes.
  ModelScene& GetModelScene() { return modelScene_; }
  void AddModel(ModelComp* model) { modelScene_.AddModel(model); }
  void RemoveModel(ModelComp* model) { modelScene_.RemoveModel(model); }
  void SetActiveCamera(Camera* camera) { modelScene_.SetActiveCamera(camera); }
  Camera* GetActiveCamera() const { return modelScene_.GetActiveCamera(); }
  bool IsTurntable() const { return turntable_; }
  // One more model drawn this frame ("Num Models").
  void CountModel() { ++numModels_; }
  platform::Texture* GetPlaceholderTexture() { return placeholderTexture_; }
  platform::Texture* GetShadowTexture() { return shadowTexture_; }
  platform::Frustum& GetFrustum() { return frustum_; }
  const GraphicsConfig& GetConfig() const { return config_; }

  // The stand-in for textures that fail to load.
  platform::Texture* GetDefaultTexture() { return defaultTexture_; }
  // Scene texture A and post texture B of the post-processing chain.
  platform::RenderTarget* GetSceneTarget() { return device_.GetSceneTarget(); }
  platform::RenderTarget* GetPostTarget() { return device_.GetPostTarget(); }
  const platform::Matrix& GetProjection() const { return projection_; }

  // Sets "ambientLight" on the effects "CelShader" and "LightMap".
  void SetCelShaderLighting(const platform::Color& colour);
  // One full-screen pass of effect `name` over `source` into `target` (null: the back buffer).
  void PostProcessPass(const char* name, platform::RenderTarget* target, const platform::Texture& source) {
    device_.PostProcessPass(*effects_, name, target, source);
  }
  // Draws a line of console text with its top-left corner at (x, y).
  void DrawConsoleText(const std::string& text, int x, int y, uint32_t argb) {
    device_.DrawConsoleText(text, x, y, argb);
  }
  // Reloads every effect of the shader list in place.
  void ReloadShaders();
  // Keeps (r, g, b, a) as the ambient colour and lights the cel shader and lightmaps with it.
  void SetAmbient(const platform::Color& colour);

  // The timed HUD effects; null before Init and after Shutdown.
  HUDAnimationList* GetAnimationList() { return animations_.get(); }
  // The developer overlay of the console variables; null before Init and after Shutdown.
  DebugVariablePanel* GetVariablePanel() { return panel_.get(); }
  // While set, frames without a camera are composed through the "FadeWhite" pass.
  void SetWhiteFade(bool on) { hud_.SetWhiteFade(on); }
  bool IsWhiteFading() const { return hud_.IsWhiteFading(); }
  // The running game as the HUD reads it, handed over by the game logic (null: none, so no
  // HUD layer, state icons or credited scores).
  void SetHudGame(HudGame* game) { hud_.SetGame(game); }
  HudGame* GetHudGame() const { return hud_.GetGame(); }
  // The game behind the screens, handed in by the program (null: none).
  void SetGameView(GameView* view) { gameView_ = view; }
  GameView* GetGameView() const { return gameView_; }
  // The mouse and keys as the cursor and the intro read them, handed in by the program (null:
  // none, so the cursor stands still and only the film leads on from the intro).
  void SetInputView(const InputView* input) { inputView_ = input; }

  // The data records; absent names get a record with the defaults.
  MeshInfo& GetModelRenderInfo(const std::string& name);
  TextureInfo& GetTextureRecord(const std::string& name);
  // The index-th swap texture of a model, or "none".
  std::string GetTextureSwap(const std::string& modelName, size_t index);
  const std::map<std::string, MapChangeInfo>& GetMapChangeInfo() const { return mapChangeInfo_; }
  // Takes the map effect and ambient colour of a map's MapChangeInfo record, when it has one.
  void ApplyMapChangeInfo(const std::string& mapName);
  const std::string& GetMapEffectName() const { return mapEffectName_; }
  const platform::Color& GetAmbient() const { return ambient_; }
  const TransitionInfo& GetTransitionInfo() const { return transition_.GetInfo(); }
  // The teleport transition: the post chain closes with "Transition" while it runs, and
  // UpdateTransition (run by Update while it runs, and only with an active camera) moves its
  // "transitionTime" and hides the emblem at its end.
  void StartTransition() { transition_.Start(); }
  void UpdateTransition() { transition_.Update(*effects_, GetActiveCamera() != nullptr); }
  bool IsTransitionRunning() const { return transition_.IsRunning(); }
  // The emblem model entity drawn over the scene; null before Init.
  ModelEnt* GetEmblem() { return transition_.GetEmblem(); }

  // Writes the records of the textures that loaded to "Data/TextureInfoNew.xml".
  void SaveTextureInfo();

  // The map the frame draws, set by game logic (null: none); its faces go to the graphics
  // card here, and again for a map made current after another one.
  void SetCurrentMap(BspMap* map) { map_.SetCurrent(map, device_.Get(), textures_.get(), defaultTexture_); }
  BspMap* GetCurrentMap() { return map_.GetCurrent(); }
  // The frame's map step, seen from `eye` along `look` with `view`, inside "MapRender".
  void DrawMap(const platform::Matrix& view, const platform::Vector3& eye, const platform::Vector3& look);
  // The debug shapes of the frame, when "Draw Shapes" is set.
  void DrawDebugShapes();
  bool ShowsModels() const { return showModels_; }

  // The GUI screens and cursor (null before Init and after Shutdown), and what the game flow
  // and the control schemes ask of them.
  GUI* GetGUI() { return gui_.Get(); }
  void ChangeGUIScreen(const std::string& name, float time) { gui_.ChangeScreen(name, time); }
  void HandleGUIClick();
  void UpdateMenuSelection() { gui_.UpdateMenuSelection(); }
  GUIScreen* GetCurrentScreen() { return gui_.GetCurrentScreen(); }
  GUIPoint GetCursorPosition();

 private:
  void CopySettings();
  void SetDefaultRenderStates();
  void SetUpEffectTextures();
  void LoadDataLists();
  void RegisterVariables();
  void SetUpPostEffects();
  void StartMenuMusic();
  void UpdateIntroVideo();
  void DrawIntroVideo(const VideoPlayer& video);
  void RunPostChain();

  GraphicsConfig config_;

  GraphicsDevice device_;

  std::unique_ptr<TextureManager> textures_;
  std::unique_ptr<FontManager> fonts_;
  std::unique_ptr<EffectManager> effects_;
  GraphicsMap map_;
  std::unique_ptr<ParticleManager> particles_;
  std::unique_ptr<ModelManager> models_;
  ModelScene modelScene_;

  platform::Texture* placeholderTexture_ = nullptr;
  platform::Texture* defaultTexture_ = nullptr;
  platform::Texture* shadowTexture_ = nullptr;
  platform::Texture* loadingTexture_ = nullptr;

  platform::Frustum frustum_;
  std::unique_ptr<DebugDraw> debugDraw_;
  std::unique_ptr<PhysicsDebugView> physicsView_;

  // Counters of what the frame drew, published as console variables: the models' reads 0
  // between frames, the map's keep the last frame's figures.
  int32_t numModels_ = 0;
  int32_t mapFacesDrawn_ = 0;
  int32_t mapTrisDrawn_ = 0;

  // Display switches, bound to console variables.
  bool shaderDebug_ = false;
  bool drawShapes_ = true;
  bool drawPhysics_ = false;
  bool turntable_ = false;
  bool lightmaps_ = true;
  bool widescreen_ = false;
  bool blurOn_ = false;
  bool edgeOn_ = false;
  bool wireframe_ = false;
  bool fullScreen_ = false;
  bool vsync_ = false;
  bool showMap_ = true;
  bool showModels_ = true;
  float cameraFollowDist_ = 0.0f;
  float cameraSpeed_ = 0.0f;

  platform::Matrix screenView_ = platform::MatrixIdentity();
  platform::Matrix projection_ = platform::MatrixIdentity();
  platform::Color ambient_;
  platform::Color alarmColor_;
  std::string defaultTextureName_;

  std::map<std::string, std::unique_ptr<MeshInfo>> meshInfo_;
  TextureManager::Records textureInfo_;
  std::map<std::string, MapChangeInfo> mapChangeInfo_;
  std::map<std::string, TextureSwapInfo> textureSwapInfo_;
  GraphicsTransition transition_;
  std::string mapEffectName_;
  Screenshot screenshot_;

  platform::FolderWatch shaderWatch_;
  std::unique_ptr<HUDAnimationList> animations_;
  std::unique_ptr<DebugVariablePanel> panel_;
  GameView* gameView_ = nullptr;
  const InputView* inputView_ = nullptr;
  Entity* commandEntity_ = nullptr;
  GraphicsGUI gui_{*this};
  GraphicsHUD hud_{*this};
};
