#include "graphics/EffectManager.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/ConfigFile.h"
#include "engine/Engine.h"
#include "graphics/GraphicsLists.h"
#include "platform/core/Files.h"
#include "platform/core/Process.h"
#include "platform/core/Window.h"

void EffectManager::LoadShaderList() {
  std::vector<ShaderInfo> records;
  LoadRecordFile(records, kShaderListPath, "GraphicsLog", WhenMissing::Report);
  for (const ShaderInfo& record : records) {
    Effect* effect = Get(record.ShaderName);
    if (!effect) effect = Add(record.ShaderName, std::make_unique<Effect>(device_));
    LoadShaderEffect(*effect, record.ShaderFile);
  }
}

bool IsInteractiveDesktop() {
  const char* ci = std::getenv("CI");
  if (ci && std::strcmp(ci, "true") == 0) return false;
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const bool hasDisplay = (display && *display) || (wayland && *wayland);
  return hasDisplay && platform::HasRealDisplay();
}

bool LoadShaderEffect(Effect& effect, const std::string& file) {
  const std::string path = "Shaders/" + file;
  std::string error;
  const platform::EffectLoad result = effect.Program().LoadFromFile(path, &error);
  if (result == platform::EffectLoad::Loaded) {
    effect.OnLoaded();
    return true;
  }
  Engine* engine = Engine::Get();
  engine->GetConsole()->Print("Error loading shader " + file, Console::kWhite);
  // The log says which of the two it was: the file missing, or where it failed to compile
  // (the first compiler line, "Shaders/Blur.fx(12): ..."; the whole output goes to "Shader").
  const std::string why = result == platform::EffectLoad::Invalid ? error.substr(0, error.find('\n'))
                                                                  : path + " is missing or cannot be read";
  engine->GetLog()->Write("GraphicsLog", "Error loading shader " + file + ": " + why, 2);
  if (result == platform::EffectLoad::Invalid) {
    engine->GetLog()->Write("Shader", error, 2);
    if (IsInteractiveDesktop()) platform::OpenInDesktopApp(platform::ResolvePath(path));
  }
  return false;
}
