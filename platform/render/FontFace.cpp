#include "platform/render/FontFace.h"

#include <dirent.h>
#include <strings.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/core/Files.h"

namespace platform {
namespace {

constexpr const char* kFallback = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kFallbackBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

bool IsFontFile(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string ext = name.substr(dot + 1);
  return strcasecmp(ext.c_str(), "ttf") == 0 || strcasecmp(ext.c_str(), "otf") == 0 ||
         strcasecmp(ext.c_str(), "ttc") == 0;
}

}  // namespace

std::string FindFontFile(const std::string& face, bool bold, const std::string& folder) {
  const std::string dir = ResolvePath(folder);
  std::string best;
  int bestScore = 0;
  FT_Library library = nullptr;
  DIR* d = ::opendir(dir.c_str());
  if (d && FT_Init_FreeType(&library) == 0) {
    while (dirent* e = ::readdir(d)) {
      const std::string name = e->d_name;
      if (!IsFontFile(name)) continue;
      const std::string path = dir + "/" + name;
      int score = 0;
      const std::string stem = name.substr(0, name.rfind('.'));
      if (strcasecmp(stem.c_str(), face.c_str()) == 0) score = 1;
      FT_Face f = nullptr;
      if (FT_New_Face(library, path.c_str(), 0, &f) == 0) {
        const bool isBold = f->style_flags & FT_STYLE_FLAG_BOLD;
        if (f->family_name && strcasecmp(f->family_name, face.c_str()) == 0)
          score = isBold == bold ? 3 : 2;
        FT_Done_Face(f);
      } else {
        score = 0;  // not a font after all
      }
      if (score > bestScore) {
        bestScore = score;
        best = path;
      }
    }
  }
  if (d) ::closedir(d);
  if (library) FT_Done_FreeType(library);
  if (!best.empty()) return best;
  return bold ? kFallbackBold : kFallback;
}

}  // namespace platform
