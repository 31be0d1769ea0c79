#include "graphics/ResourceManager.h"

#include "engine/Engine.h"

void LogAssetLoaded(const std::string& path) { Engine::Get()->GetLog()->Write("AssetsLoaded", "Loaded " + path, 0); }
