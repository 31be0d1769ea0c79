#pragma once
#include <string>

#include "graphics/Effect.h"
#include "graphics/ResourceManager.h"

namespace platform {
class RenderDevice;
}

// The effects of "Data/Shaders.xml" by name. Filled by LoadShaderList; lookups never load.
class EffectManager : public ResourceManager<Effect> {
 public:
  explicit EffectManager(platform::RenderDevice& device) : ResourceManager<Effect>("", ""), device_(device) {}

  // Reads "Data/Shaders.xml" and loads every effect it names. An effect already registered
  // under the name is loaded again in place, so every holder of it sees the new one; one that
  // fails keeps what it had. Names stay registered whether or not their file loads.
  void LoadShaderList();

 private:
  platform::RenderDevice& device_;
};

// Loads "Shaders/" + file into the effect; on failure prints "Error loading shader " + file on
// the console and, when the compiler had something to say, logs it on "Shader" and opens the
// file in the desktop's editor (only for someone at a real screen, not in test or CI runs).
bool LoadShaderEffect(Effect& effect, const std::string& file);

// True when a person at a real screen could look at an editor: a display is set and the run
// is not a CI run.
bool IsInteractiveDesktop();
