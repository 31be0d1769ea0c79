#include "graphics/Graphics.h"

#include <chrono>
#include <cmath>
#include <thread>

#include "engine/ConfigFile.h"
#include "engine/Engine.h"
#include "engine/SystemSlots.h"
#include "graphics/GameView.h"
#include "graphics/GraphicsCommand.h"
#include "graphics/GraphicsMessages.h"
#include "graphics/VideoPlayer.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/gui/StateIcons.h"
#include "graphics/ModelEnt.h"
#include "graphics/PhysicsDebugView.h"
#include "graphics/MapRenderer.h"
#include "map/BspMap.h"
#include "graphics/gui/GUI.h"
#include "graphics/InputView.h"
#include "sound/Sound.h"
#include "sound/SoundEmitter.h"

Graphics::Graphics() = default;
Graphics::~Graphics() = default;

// The graphics entity classes (commands, flashlight, model entity) register here as they come.
void Graphics::RegisterTypes() {
  RegisterEntityClass<GraphicsCommand>("GraphicsLog");
  RegisterEntityClass<GUICommand>("GraphicsLog");
  ModelEnt::RegisterClass();
}

void Graphics::TakeSlot(SystemSlots& slots) { slots.graphics = this; }

void Graphics::Started() { panel_->Build(); }

void Graphics::Init() {
  Engine* engine = Engine::Get();
  engine->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  LoadGraphicsConfig(config_, kGraphicsConfigPath);
  commandEntity_ = engine->GetEntityManager()->Create("GraphicsCommand");
  engine->Subscribe(commandEntity_, "ConsoleCmd");
  engine->Subscribe(engine->GetEntityManager()->Create("GUICommand"), "GUICmd");
  CopySettings();
  device_.Create(*engine->GetMainWindow(), vsync_, fullScreen_);
  platform::RenderDevice& device = *device_.Get();

  textures_ = std::make_unique<TextureManager>(device, textureInfo_);
  fonts_ = std::make_unique<FontManager>("", "");
  effects_ = std::make_unique<EffectManager>(device);
  particles_ = std::make_unique<ParticleManager>();
  models_ = std::make_unique<ModelManager>(&device, textures_.get(),
                                           [this](const std::string& path) -> MeshInfo& { return GetModelRenderInfo(path); });
  // The model, sprite-element and GUI-screen managers, the variable panel, the spot-light list
  // and the particle manager join these with their subsystems.

  SetDefaultRenderStates();
  effects_->LoadShaderList();
  SetUpEffectTextures();
  SetCelShaderLighting(ambient_);
  LoadDataLists();
  particles_->Init(&device);
  RegisterVariables();
  panel_ = std::make_unique<DebugVariablePanel>();
  gui_.Init();
  shaderWatch_.Start("Shaders");
  debugDraw_ = std::make_unique<DebugDraw>(drawShapes_, frustum_);
  debugDraw_->CreateMeshes(device);
  physicsView_ = std::make_unique<PhysicsDebugView>(*this);
  physicsView_->Attach();
  shadowTexture_ = textures_->GetOrLoad("shadow.bmp");
  animations_ = std::make_unique<HUDAnimationList>();
  engine->SetGraphicsParts(animations_.get(), particles_.get());
  transition_.Init();
  std::vector<MapChangeInfo> mapChanges;
  LoadRecordFile(mapChanges, kMapChangeInfoPath, "GraphicsLog", WhenMissing::Report);
  for (MapChangeInfo& record : mapChanges) mapChangeInfo_[record.MapName] = record;
  std::vector<TextureSwapInfo> swaps;
  LoadRecordFile(swaps, kTextureSwapInfoPath, "GraphicsLog", WhenMissing::Report);
  for (TextureSwapInfo& record : swaps) textureSwapInfo_[record.ModelName] = record;
  mapEffectName_ = "Outside";
  if (config_.IntroVideo) {
    engine->GetMessageQueue()->Post(commandEntity_, kStartVideo, 1.0f);
  } else {
    StartMenuMusic();
  }
  SetUpPostEffects();
  loadingTexture_ = textures_->GetOrLoad("gui/loading.dds");
  if (Effect* transition = effects_->Get("Transition")) transition->Program().SetTexture("loadingTex", loadingTexture_);
}

void Graphics::CopySettings() {
  wireframe_ = config_.Wireframe;
  fullScreen_ = config_.FullScreen;
  vsync_ = config_.VSync;
  shaderDebug_ = config_.ShaderDebug;
  showMap_ = config_.DrawMap;
  lightmaps_ = config_.Lightmaps;
  ambient_ = config_.Ambient;
  defaultTextureName_ = config_.DefaultTexture;
  cameraSpeed_ = config_.CameraSpeed;
  cameraFollowDist_ = config_.CameraFollowDist;
  alarmColor_ = config_.AlarmColor;
  blurOn_ = config_.PostProcess;
  edgeOn_ = config_.PostProcess;
  showModels_ = true;
  drawShapes_ = true;
  drawPhysics_ = false;
  turntable_ = false;
  widescreen_ = Engine::Get()->IsWidescreen();
}

void Graphics::SetDefaultRenderStates() {
  textures_->SetDefaultName(defaultTextureName_);
  defaultTexture_ = defaultTextureName_.empty() ? nullptr : textures_->GetOrLoad(defaultTextureName_);
  if (!defaultTexture_) defaultTexture_ = const_cast<platform::Texture*>(&textures_->Checker());
  placeholderTexture_ = textures_->GetOrLoad("none.bmp");

  platform::RenderDevice* device = device_.Get();
  device->SetBlendFactors(platform::BlendFactor::SrcAlpha, platform::BlendFactor::InvSrcAlpha);
  if (wireframe_) device->SetFillMode(platform::FillMode::Wireframe);
  const float aspect = widescreen_ ? 16.0f / 9.0f : 4.0f / 3.0f;
  projection_ = platform::MatrixPerspectiveFovLH(static_cast<float>(M_PI) / 4.0f, aspect, 1.0f, 30000.0f);
  device->SetTransform(platform::TransformKind::Projection, projection_.Data());
}

void Graphics::SetUpEffectTextures() {
  if (Effect* cel = effects_->Get("CelShader")) {
    cel->Program().SetTexture("shadeTex", textures_->GetOrLoad("CelShading/shade.bmp"));
    cel->Program().SetTexture("shadeTexBlack", textures_->GetOrLoad("CelShading/shadeBlack.bmp"));
    const float black[4] = {0, 0, 0, 1};
    cel->Program().SetVector("outlineColor", black);
  }
  if (Effect* laser = effects_->Get("Laser")) {
    laser->Program().SetTexture("laserTex", textures_->GetOrLoad("laser.bmp"));
    laser->Program().SetTexture("laserPixelTex", textures_->GetOrLoad("laserPixel.bmp"));
  }
}

void Graphics::SetCelShaderLighting(const platform::Color& c) {
  const float rgba[4] = {c.r, c.g, c.b, c.a};
  for (const char* name : {"CelShader", "LightMap"}) {
    if (Effect* effect = effects_->Get(name)) effect->Program().SetVector("ambientLight", rgba);
  }
}

void Graphics::LoadDataLists() {
  std::vector<FontInfo> fontList;
  LoadRecordFile(fontList, kFontListPath, "GraphicsLog", WhenMissing::Report);
  for (const FontInfo& record : fontList) {
    std::string error;
    std::unique_ptr<platform::Font> font = platform::Font::Create(*device_.Get(), record.FontFace, record.Size, 0, &error);
    if (font) {
      fonts_->Add(record.Name, std::move(font));
    } else {
      Engine::Get()->GetConsole()->Print("Failed loading font " + record.FontFace + "!", Console::kWhite);
    }
  }
  std::vector<MeshInfo> meshes;
  LoadRecordFile(meshes, kMeshInfoPath, "GraphicsLog", WhenMissing::Report);
  for (const MeshInfo& record : meshes) meshInfo_[record.Name] = std::make_unique<MeshInfo>(record);
  std::vector<TextureInfo> textureList;
  LoadRecordFile(textureList, kTextureInfoPath, "GraphicsLog", WhenMissing::Report);
  for (TextureInfo& record : textureList) {
    record.loaded = true;
    textureInfo_[record.Name] = record;
  }
}

void Graphics::RegisterVariables() {
  BindBoolVariable("Show Map", &showMap_);
  BindBoolVariable("Lightmaps", &lightmaps_);
  BindBoolVariable("Show Models", &showModels_);
  BindBoolVariable("Wireframe", &wireframe_);
  BindBoolVariable("Draw Shapes", &drawShapes_);
  BindBoolVariable("Draw Physics", &drawPhysics_);
  BindIntVariable("Num Models", &numModels_);
  BindBoolVariable("Turntable", &turntable_);
  BindIntVariable("MapFacesDrawn", &mapFacesDrawn_);
  BindIntVariable("MapTrisDrawn", &mapTrisDrawn_);
  BindFloatVariable("CameraFollowDist", &cameraFollowDist_);
  BindFloatVariable("CameraSpeed", &cameraSpeed_);
  BindBoolVariable("BlurOn", &blurOn_);
  BindBoolVariable("EdgeOn", &edgeOn_);
}

void Graphics::StartMenuMusic() {
  Sound* sound = Engine::Get()->GetSound();
  SoundEmitter* music = sound ? sound->GetMusicEmitter() : nullptr;
  if (!music) return;
  music->SetFile("main menu");
  music->Play();
}

void Graphics::SetUpPostEffects() {
  screenView_ = platform::MatrixLookAtLH({0, 0, 0}, {0, 0, 1}, {0, 1, 0});
  // The post effects take the field of view in radians; 45 is what they were tuned with.
  const platform::Matrix projection = platform::MatrixPerspectiveFovLH(45.0f, 4.0f / 3.0f, 0.1f, 100.0f);
  const platform::Matrix world = platform::MatrixIdentity();
  auto setUp = [&](const char* name, const platform::RenderTarget& source) {
    Effect* effect = effects_->Get(name);
    if (!effect) return;
    effect->Program().SetTexture("baseTex", &source.GetTexture());
    effect->SetViewProjection(screenView_, projection);
    effect->SetTransforms(world, world);
  };
  setUp("Blur", *device_.GetSceneTarget());
  setUp("Edge", *device_.GetPostTarget());
}

void Graphics::Update() {
  if (shaderWatch_.Poll()) {
    Engine::Get()->GetConsole()->Print("Detected shader change, reloading shaders", Console::kWhite);
    ReloadShaders();
  }
  gui_.UpdateCursor(inputView_);
  panel_->Update(false);
  gui_.UpdateSlide();
  particles_->Update();
  UpdateIntroVideo();
  if (transition_.IsRunning()) UpdateTransition();
}

GUIPoint Graphics::GetCursorPosition() { return gui_.GetCursorPosition(); }

void Graphics::HandleGUIClick() {
  gui_.HandleClick();
  if (panel_) panel_->Update(true);
}

void Graphics::ReloadShaders() { effects_->LoadShaderList(); }

void Graphics::SetAmbient(const platform::Color& colour) {
  ambient_ = colour;
  SetCelShaderLighting(ambient_);
}

// The film's end brings the white fade and the menu music; a key or button pressed during the
// film ends it the same way, as a player who has seen it once expects. Without a film, a key or
// button pressed on the intro screen leads on to the main menu.
void Graphics::UpdateIntroVideo() {
  const bool keyPressed = inputView_ && inputView_->AnyKey();
  VideoPlayer* video = VideoPlayer::Current();
  if (!video) {
    GUIScreen* current = GetCurrentScreen();
    if (current && current == GetGUI()->GetScreens().Get("Intro") && keyPressed) {
      if (Sound* sound = Engine::Get()->GetSound()) sound->Play2D("click");
      if (gameView_) gameView_->SendCommand(kMainMenu.Name());
    }
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  video->Poll();
  if (video->IsPlaying() && !keyPressed) return;
  VideoPlayer::EndCurrent();
  animations_->AddFadeWhite();
  StartMenuMusic();
}

// The frame. The 3-D part seen from the active camera (map faces, shadows, models, lasers),
// the 3-D sprite layer, the HUD, GUI screens, cursor, variable panel and the white fade take
// their places in this order as their subsystems arrive.
void Graphics::Render() {
  platform::RenderDevice* device = device_.Get();
  if (!device) return;
  if (VideoPlayer* video = VideoPlayer::Current()) return DrawIntroVideo(*video);
  // The map's counters hold the last frame's figures until this frame counts its own: read
  // between frames (the console, the variable panel) they show what was drawn.
  mapFacesDrawn_ = 0;
  mapTrisDrawn_ = 0;
  // A white fade is for the menus: a frame seen from a camera ends it.
  if (modelScene_.GetActiveCamera()) hud_.SetWhiteFade(false);
  // Over an empty scene (no camera) the post chain would only turn black into black, so it runs
  // with a 3-D part, or while the transition's closing pass shows its loading picture. Without
  // it the frame is cleared where the overlay goes: texture A during a white fade.
  const bool postChain = blurOn_ && (modelScene_.GetActiveCamera() || transition_.IsRunning());
  device->SetRenderTarget(postChain || hud_.IsWhiteFading() ? device_.GetSceneTarget() : nullptr);
  device->Clear(platform::ClearTarget | platform::ClearDepth | platform::ClearStencil, 0xFF000000, 1.0f, 0);
  // The 3-D part (map faces, debug shapes, shadows, models) runs whenever a camera is active;
  // "Show Map" and "Show Models" gate their own passes inside it.
  modelScene_.DrawScene(*this);
  if (modelScene_.GetActiveCamera()) hud_.UpdateBatteryMeter();

  device->SetZWrite(false);
  if (postChain) RunPostChain();
  device->SetZWrite(true);

  hud_.BeginOverlay();
  if (hud_.ShowsSpriteLayer()) {
    // A scene drawn into texture A hides the sprite layer drawn over the post chain's picture
    // in the window: the layer's depth is tested against the depth buffer the scene left there
    // (the window's own holds nothing), so that the frame needs no off-screen copy.
    device->SetSharedDepthInWindow(postChain);
    DrawStateIcons();
    if (particles_)
      particles_->Render(*device, *textures_, static_cast<int32_t>(modelScene_.World().GetCurrentMapIndex()));
    device->SetSharedDepthInWindow(false);
  }
  platform::SpriteBatch* sprite = device_.GetSprite();
  sprite->Begin(platform::SpriteAlphaBlend);
  animations_->Update();
  gui_.DrawScreens(widescreen_);
  hud_.DrawLayer();
  gui_.DrawCursor();
  panel_->Draw();
  sprite->End();
  Engine::Get()->GetConsole()->Draw(
      [this](const std::string& text, int x, int y, uint32_t argb) { DrawConsoleText(text, x, y, argb); });
  hud_.ComposeWhiteFade();
  screenshot_.SaveIfRequested(*device);
  device->Present();
  numModels_ = 0;
}

void Graphics::RunPostChain() {
  // A blur of strength 0 would copy the picture as it is: the closing pass reads texture A.
  Effect* blur = effects_->Get("Blur");
  float strength = 1.0f;
  const bool blurs = !blur || !blur->Program().GetFloat("strength", &strength) || strength != 0.0f;
  if (blurs) PostProcessPass("Blur", GetPostTarget(), GetSceneTarget()->GetTexture());
  // The overlay pass takes its place after the transition once the game logic has the overlay.
  const char* closing = transition_.IsRunning() ? "Transition" : edgeOn_ ? "Edge" : "Emblem";
  PostProcessPass(closing, nullptr, (blurs ? GetPostTarget() : GetSceneTarget())->GetTexture());
}

// While the film plays the frame is only the film, over the window's white background.
void Graphics::DrawIntroVideo(const VideoPlayer& video) {
  platform::RenderDevice* device = device_.Get();
  device->SetRenderTarget(nullptr);
  device->Clear(platform::ClearTarget | platform::ClearDepth, 0xFFFFFFFF, 1.0f, 0);
  platform::SpriteBatch* sprite = device_.GetSprite();
  sprite->Begin(platform::SpriteAlphaBlend);
  video.Draw(*sprite);
  sprite->End();
  screenshot_.SaveIfRequested(*device);
  device->Present();
}

void Graphics::DrawDebugShapes() {
  if (drawPhysics_ && physicsView_) physicsView_->DrawWorld();
  if (drawShapes_ && debugDraw_) debugDraw_->Render(*device_.Get(), effects_->Get("CelShader"), placeholderTexture_);
}

void Graphics::DrawMap(const platform::Matrix& view, const platform::Vector3& eye, const platform::Vector3& look) {
  // The physics placed the camera's cluster before the entities moved the camera this frame: a
  // camera that jumped to another room (a thief sent back to its start) would see it through
  // the old room's visible set, which holds none of it, and the frame would be black.
  BspMap* map = map_.GetCurrent();
  if (map) map->UpdateCameraCluster(&eye);
  Profiler* profiler = Engine::Get()->GetProfiler();
  profiler->Start("MapRender");
  Effect* effect = showMap_ && map ? effects_->Get(mapEffectName_) : nullptr;
  if (effect) {
    const platform::Matrix world = platform::MatrixIdentity();
    effect->SetViewProjection(view, projection_);
    effect->SetTransforms(world, world);
    const platform::Vector3 viewVector = platform::Vec3Normalize(look);
    effect->Program().SetFloatArray("viewVector", &viewVector.x, 3);
    MapLight lights[2];
    const auto mapIndex = static_cast<int32_t>(modelScene_.World().GetCurrentMapIndex());
    map_.SetLights(lights, modelScene_.GetSpotLights().ChooseMapLights(lights, mapIndex));
    const MapDrawStats stats = map_.Draw(*effect, MapView{frustum_, eye, look, lightmaps_});
    mapFacesDrawn_ += stats.faces;
    mapTrisDrawn_ += stats.triangles;
  }
  profiler->Stop("MapRender");
}

void Graphics::Shutdown() {
  if (!device_.Get()) return;
  Engine::Get()->SetGraphicsParts(nullptr, nullptr);
  SaveTextureInfo();
  transition_.Release();
  VideoPlayer::EndCurrent();
  animations_.reset();
  map_.Release();
  meshInfo_.clear();
  physicsView_->Detach();
  physicsView_.reset();
  debugDraw_->ReleaseMeshes();
  debugDraw_.reset();
  // The screens give their textures back while there are textures.
  gui_.Release();
  panel_->Clear();
  panel_.reset();
  effects_->DestroyAll();
  // Models give their textures back, so they go before the textures.
  models_->DestroyAll();
  models_.reset();
  fonts_->DestroyAll();
  textures_->DestroyAll();
  effects_.reset();
  fonts_.reset();
  placeholderTexture_ = defaultTexture_ = shadowTexture_ = loadingTexture_ = nullptr;
  textures_.reset();
  particles_->Destroy();
  particles_.reset();
  device_.Release();
}

void Graphics::SaveTextureInfo() {
  std::vector<TextureInfo> loaded;
  for (const auto& [name, record] : textureInfo_) {
    if (record.loaded) loaded.push_back(record);
  }
  textureInfo_.clear();
  SaveRecordFile(loaded, kTextureInfoNewPath, "GraphicsLog");
}

MeshInfo& Graphics::GetModelRenderInfo(const std::string& name) {
  std::unique_ptr<MeshInfo>& record = meshInfo_[name];
  if (!record) {
    record = std::make_unique<MeshInfo>();
    record->Name = name;
  }
  return *record;
}

TextureInfo& Graphics::GetTextureRecord(const std::string& name) { return TextureManager::RecordOf(textureInfo_, name); }

std::string Graphics::GetTextureSwap(const std::string& modelName, size_t index) {
  TextureSwapInfo& record = textureSwapInfo_[modelName];
  return index < record.TextureSwap.size() ? record.TextureSwap[index] : "none";
}

void Graphics::ApplyMapChangeInfo(const std::string& mapName) {
  auto it = mapChangeInfo_.find(mapName);
  if (it == mapChangeInfo_.end()) return;
  mapEffectName_ = it->second.Shader;
  ambient_ = it->second.Ambient;
}
