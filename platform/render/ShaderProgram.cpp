#include "platform/render/gl/ShaderProgram.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace platform {

const char* const kShaderCommon = R"(
uniform vec4 vr_Viewport;
uniform int vr_AlphaFunc;
uniform float vr_AlphaRef;
bool vr_Compare(int func, float a, float b) {
  switch (func) {
    case 0: return false;
    case 1: return a < b;
    case 2: return a == b;
    case 3: return a <= b;
    case 4: return a > b;
    case 5: return a != b;
    case 6: return a >= b;
    default: return true;
  }
}
bool vr_AlphaPasses(float alpha) {
  return vr_Compare(vr_AlphaFunc, floor(clamp(alpha, 0.0, 1.0) * 255.0 + 0.5), vr_AlphaRef);
}
vec4 vr_ScreenToClip(vec4 p) {
  float w = p.w != 0.0 ? 1.0 / p.w : 1.0;
  vec2 ndc = vec2((p.x - vr_Viewport.x) * 2.0 / vr_Viewport.z - 1.0,
                  1.0 - (p.y - vr_Viewport.y) * 2.0 / vr_Viewport.w);
  return vec4(ndc * w, p.z * w, w);
}
)";

const char* const kVertexInputs = R"(
layout(location = 0) in vec4 inPosition;
layout(location = 1) in vec3 inNormal;
layout(location = 2) in vec4 inColor;
layout(location = 3) in vec2 inTexCoord0;
layout(location = 4) in vec2 inTexCoord1;
layout(location = 5) in vec4 inBlendWeights;
layout(location = 6) in vec4 inBlendIndices;
layout(location = 7) in float inPointSize;
)";

GLuint AttributeSlot(int semantic) {
  // Position and ScreenPosition share slot 0; the rest follow in order.
  return semantic <= 1 ? 0u : static_cast<GLuint>(semantic - 1);
}

namespace {

GLuint Compile(GLenum stage, const std::string& source, std::string* log) {
  GLuint shader = glCreateShader(stage);
  const char* text = source.c_str();
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok) return shader;
  GLint length = 0;
  glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
  std::vector<char> message(static_cast<size_t>(length) + 1, 0);
  glGetShaderInfoLog(shader, length, nullptr, message.data());
  *log += message.data();
  glDeleteShader(shader);
  return 0;
}

// Reads "S:L(C): msg" (Mesa) or "S(L) : msg" at the start of a line.
bool ParseLocation(const std::string& line, int* source, int* lineNo, size_t* rest) {
  size_t i = 0;
  auto number = [&](int* out) {
    size_t start = i;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    if (i == start) return false;
    *out = std::atoi(line.substr(start, i - start).c_str());
    return true;
  };
  if (!number(source) || i >= line.size()) return false;
  if (line[i] == ':') {
    ++i;
    if (!number(lineNo)) return false;
  } else if (line[i] == '(') {
    ++i;
    if (!number(lineNo) || i >= line.size() || line[i] != ')') return false;
  } else {
    return false;
  }
  size_t colon = line.find(':', i);
  if (colon == std::string::npos) return false;
  *rest = colon + 1;
  while (*rest < line.size() && line[*rest] == ' ') ++*rest;
  return true;
}

std::string MapLog(const std::string& log, const std::string& fileName) {
  std::istringstream in(log);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    int source = 0, lineNo = 0;
    size_t rest = 0;
    if (ParseLocation(line, &source, &lineNo, &rest)) {
      std::string where = source == kFileSource ? fileName : "<generated>";
      line = where + "(" + std::to_string(lineNo) + "): " + line.substr(rest);
    }
    out += line + "\n";
  }
  return out;
}

}  // namespace

GpuProgram::~GpuProgram() {
  if (id) glDeleteProgram(id);
}

bool BuildProgram(GpuProgram& program, const std::string& vertexSource,
                  const std::string& fragmentSource, const std::string& fileName,
                  std::string* log) {
  std::string raw;
  GLuint vs = Compile(GL_VERTEX_SHADER, vertexSource, &raw);
  GLuint fs = Compile(GL_FRAGMENT_SHADER, fragmentSource, &raw);
  if (!vs || !fs) {
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    if (log) *log = MapLog(raw, fileName);
    return false;
  }
  GLuint id = glCreateProgram();
  glAttachShader(id, vs);
  glAttachShader(id, fs);
  glLinkProgram(id);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = GL_FALSE;
  glGetProgramiv(id, GL_LINK_STATUS, &ok);
  if (!ok) {
    GLint length = 0;
    glGetProgramiv(id, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    glGetProgramInfoLog(id, length, nullptr, text.data());
    if (log) *log = fileName + ": link failed: " + MapLog(text.data(), fileName);
    glDeleteProgram(id);
    return false;
  }
  if (program.id) glDeleteProgram(program.id);
  program.id = id;
  program.viewport = glGetUniformLocation(id, "vr_Viewport");
  program.alphaFunc = glGetUniformLocation(id, "vr_AlphaFunc");
  program.alphaRef = glGetUniformLocation(id, "vr_AlphaRef");
  return true;
}

}  // namespace platform
