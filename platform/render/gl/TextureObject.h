#pragma once
#include "platform/render/gl/GLApi.h"

namespace platform {

// One GL texture. Shared between the Texture that owns it and any sprite batch or effect that
// still has to draw with it, so it outlives a Texture released in mid-batch.
struct TextureObject {
  GLuint id = 0;
  int width = 0;
  int height = 0;
  int levels = 1;
  // Every texel of level 0 is opaque (alpha 255): such a texture drawn untinted covers what
  // lies beneath without blending.
  bool opaque = false;

  TextureObject();
  // Binds for upload on a unit that drawing never uses, leaving drawing's bindings alone.
  void BindForUpload() const;
  ~TextureObject();
  TextureObject(const TextureObject&) = delete;
  TextureObject& operator=(const TextureObject&) = delete;
};

}  // namespace platform
