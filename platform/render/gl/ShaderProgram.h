#pragma once
#include <string>

#include "platform/render/gl/GLApi.h"

namespace platform {

// Source strings are numbered: 0 for text the layer generates, 1 for text from an effect file,
// so that `#line n 1` marks where file text begins and compiler messages can name file lines.
constexpr int kGeneratedSource = 0;
constexpr int kFileSource = 1;

// GLSL shared by every program: the alpha test and the mapping of pre-transformed screen
// positions (pixels, rhw) to clip space.
extern const char* const kShaderCommon;
// The vertex inputs, one fixed slot per VertexSemantic; absent ones read (0, 0, 0, 1).
extern const char* const kVertexInputs;
// Attribute slot of each VertexSemantic, in the enum's order.
GLuint AttributeSlot(int semantic);

// A linked program with the uniforms the device itself feeds at every draw.
struct GpuProgram {
  GLuint id = 0;
  GLint viewport = -1;  // vec4 x, y, width, height of the viewport in pixels
  GLint alphaFunc = -1;
  GLint alphaRef = -1;

  GpuProgram() = default;
  ~GpuProgram();
  GpuProgram(const GpuProgram&) = delete;
  GpuProgram& operator=(const GpuProgram&) = delete;
};

// Compiles and links; on failure returns false with the compiler's log in `log`, each message
// of file text rewritten to begin "<fileName>(<line>): ".
bool BuildProgram(GpuProgram& program, const std::string& vertexSource,
                  const std::string& fragmentSource, const std::string& fileName,
                  std::string* log);

}  // namespace platform
