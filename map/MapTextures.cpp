#include "map/MapTextures.h"

#include "map/StringList.h"

namespace {
bool Listed(const std::vector<std::string>& list, std::string_view name) {
  return FindStringInRange(list.begin(), list.end(), name) != list.end();
}
}  // namespace

// How the faces are drawn is the graphics' business: the lists speak on its channel.
void MapTextureLists::Load() {
  LoadStringListXml(alpha, "Data/alhpaTextures.xml", "GraphicsLog");
  LoadStringListXml(noLightmap, "Data/nolightmapTextures.xml", "GraphicsLog");
  LoadStringListXml(billboard, "Data/billboardTextures.xml", "GraphicsLog");
  LoadStringListXml(occluder, "Data/occluderTextures.xml", "GraphicsLog");
}

TextureRenderFlags FlagsForTexture(std::string_view name, const MapTextureLists& lists) {
  TextureRenderFlags flags;
  flags.alpha = Listed(lists.alpha, name);
  flags.noLightmap = Listed(lists.noLightmap, name);
  flags.billboard = Listed(lists.billboard, name);
  flags.clip = name == "textures/common/clip";
  flags.occluder = Listed(lists.occluder, name);
  return flags;
}

std::array<std::string, 4> TextureFileCandidates(std::string_view textureName) {
  std::string name(textureName);
  return {name + ".dds", name + ".png", name + ".tga", name + ".jpg"};
}
