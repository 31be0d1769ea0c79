#include "graphics/Graphics.h"

#include <chrono>
#include <thread>

#include "engine/Engine.h"
#include "graphics/GameView.h"
#include "graphics/GraphicsCommand.h"
#include "graphics/VideoPlayer.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/ModelEnt.h"
#include "graphics/PhysicsDebugView.h"
#include "graphics/RecordFields.h"
#include "map/MapRenderer.h"
#include "graphics/gui/GUI.h"
#include "input/Input.h"
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

void Graphics::Init() {
  Engine* engine = Engine::Get();
  engine->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  LoadGraphicsConfig(config_, kGraphicsConfigPath);
  commandEntity_ = engine->GetEntityManager()->Create("GraphicsCommand");
  engine->Subscribe(commandEntity_, "ConsoleCmd");
  engine->Subscribe(engine->GetEntityManager()->Create("GUICommand"), "GUICmd");
  CopySettings();
  CreateDevice();

  textures_ = std::make_unique<TextureManager>(*device_, textureInfo_);
  fonts_ = std::make_unique<FontManager>("", "");
  effects_ = std::make_unique<EffectManager>(*device_);
  particles_ = std::make_unique<ParticleManager>();
  models_ = std::make_unique<ModelManager>(device_.get(), textures_.get(),
                                           [this](const std::string& path) -> MeshInfo& { return GetModelRenderInfo(path); });
  // The model, sprite-element and GUI-screen managers, the variable panel, the spot-light list
  // and the particle manager join these with their subsystems.

  SetDefaultRenderStates();
  effects_->LoadShaderList();
  SetUpEffectTextures();
  SetCelShaderLighting(ambient_);
  LoadDataLists();
  particles_->Init(device_.get());
  RegisterVariables();
  panel_ = std::make_unique<DebugVariablePanel>();
  InitGUI();
  shaderWatch_.Start("Shaders");
  debugDraw_ = std::make_unique<DebugDraw>(drawShapes_, frustum_);
  debugDraw_->CreateMeshes(*device_);
  physicsView_ = std::make_unique<PhysicsDebugView>(*this);
  physicsView_->Attach();
  shadowTexture_ = textures_->GetOrLoad("shadow.bmp");
  animations_ = std::make_unique<HUDAnimationList>();
  CreateEmblem();
  LoadRecordFile(transition_, kTransitionPath);
  std::vector<MapChangeInfo> mapChanges;
  LoadListFile(mapChanges, kMapChangeInfoPath);
  for (MapChangeInfo& record : mapChanges) mapChangeInfo_[record.MapName] = record;
  std::vector<TextureSwapInfo> swaps;
  LoadListFile(swaps, kTextureSwapInfoPath);
  for (TextureSwapInfo& record : swaps) textureSwapInfo_[record.ModelName] = record;
  mapEffectName_ = "Outside";
  if (config_.IntroVideo) {
    engine->GetMessageQueue()->PostDelayed(commandEntity_, "StartVideo", 1.0f);
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
  LoadListFile(fontList, kFontListPath);
  for (const FontInfo& record : fontList) {
    std::string error;
    std::unique_ptr<platform::Font> font = platform::Font::Create(*device_, record.FontFace, record.Size, 0, &error);
    if (font) {
      fonts_->Add(record.Name, std::move(font));
    } else {
      Engine::Get()->GetConsole()->Print("Failed loading font " + record.FontFace + "!", Console::kWhite);
    }
  }
  std::vector<MeshInfo> meshes;
  LoadListFile(meshes, kMeshInfoPath);
  for (const MeshInfo& record : meshes) meshInfo_[record.Name] = std::make_unique<MeshInfo>(record);
  std::vector<TextureInfo> textureList;
  LoadListFile(textureList, kTextureInfoPath);
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
  auto setUp = [&](const char* name, const platform::RenderTarget& source) {
    Effect* effect = effects_->Get(name);
    if (!effect) return;
    effect->Program().SetTexture("baseTex", &source.GetTexture());
    effect->SetViewProjection(screenView_, projection);
    effect->SetTransforms(world_, world_);
  };
  setUp("Blur", *sceneTarget_);
  setUp("Edge", *postTarget_);
}

void Graphics::Update() {
  if (shaderWatch_.Poll()) {
    Engine::Get()->GetConsole()->Print("Detected shader change, reloading shaders", Console::kWhite);
    ReloadShaders();
  }
  UpdateGUICursor();
  panel_->Update(false);
  // The variable panel and the intro video are updated here once they exist.
  UpdateGUISlide();
  particles_->Update();
  UpdateIntroVideo();
  if (transitionRunning_) UpdateTransition();
}

void Graphics::ReloadShaders() { effects_->LoadShaderList(); }

void Graphics::SetAmbient(const platform::Color& colour) {
  ambient_ = colour;
  SetCelShaderLighting(ambient_);
}

// The film's end brings the white fade and the menu music. Without a film, a key or button
// pressed on the intro screen leads on to the main menu.
void Graphics::UpdateIntroVideo() {
  VideoPlayer* video = VideoPlayer::Current();
  if (!video) {
    Engine* engine = Engine::Get();
    const Input* input = engine->GetInput();
    GUIScreen* current = GetCurrentScreen();
    if (current && current == gui_->GetScreens().Get("Intro") && input && input->AnyKey()) {
      if (Sound* sound = engine->GetSound()) sound->Play2D("click");
      if (gameView_) gameView_->SendCommand("MainMenu");
    }
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  video->Poll();
  if (video->IsPlaying()) return;
  VideoPlayer::EndCurrent();
  animations_->AddFadeWhite();
  StartMenuMusic();
}

void Graphics::Shutdown() {
  if (!device_) return;
  SaveTextureInfo();
  if (Entity* emblem = emblem_.Get()) Engine::Get()->GetEntityManager()->QueueDelete(emblem);
  VideoPlayer::EndCurrent();
  animations_.reset();
  mapRenderer_.reset();
  meshInfo_.clear();
  physicsView_->Detach();
  physicsView_.reset();
  debugDraw_->ReleaseMeshes();
  debugDraw_.reset();
  // The screens give their textures back while there are textures.
  gui_.reset();
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
  screenQuad_.reset();
  sceneTarget_.reset();
  postTarget_.reset();
  consoleFont_.reset();
  sprite_.reset();
  device_.reset();
}

void Graphics::SaveTextureInfo() {
  std::vector<TextureInfo> loaded;
  for (const auto& [name, record] : textureInfo_) {
    if (record.loaded) loaded.push_back(record);
  }
  textureInfo_.clear();
  SaveListFile(loaded, kTextureInfoNewPath);
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
