#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How the renderer treats a map texture; each 0 or 1.
struct TextureRenderFlags {
  uint8_t alpha = 0;       // listed in "Data/alhpaTextures.xml"
  uint8_t noLightmap = 0;  // listed in "Data/nolightmapTextures.xml"
  uint8_t billboard = 0;   // listed in "Data/billboardTextures.xml"
  uint8_t clip = 0;        // named exactly "textures/common/clip"
  uint8_t occluder = 0;    // listed in "Data/occluderTextures.xml"
};

// The four texture lists, compared with a texture's name exactly.
struct MapTextureLists {
  std::vector<std::string> alpha, noLightmap, billboard, occluder;
  // Reads the four files (a missing one lists nothing).
  void Load();
};

TextureRenderFlags FlagsForTexture(std::string_view name, const MapTextureLists& lists);
// The image files tried for a map texture, in order: ".dds", ".png", ".tga", ".jpg" appended.
std::array<std::string, 4> TextureFileCandidates(std::string_view textureName);
