#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/render/RenderTypes.h"

// The parsed form of an effect file (format described in EffectFile.cpp).
namespace platform {

enum class ParamType { Float, Float2, Float3, Float4, Float4x4, Int, Bool, Texture };
enum class TextureFilter { Point, Linear };
enum class TextureAddress { Wrap, Clamp, Mirror };

struct ParamDesc {
  std::string name;
  ParamType type = ParamType::Float;
  int count = 1;                // array elements; 1 for a single value
  std::vector<float> defaults;  // as many values as given in the file
  TextureFilter filter = TextureFilter::Linear;
  TextureAddress address = TextureAddress::Wrap;
};

// Floats (or ints) one element of a type holds.
int ComponentCount(ParamType type);

// Render states a pass sets; those left empty keep the device's value.
struct PassState {
  std::optional<bool> zEnable, zWrite, alphaBlend, alphaTest;
  std::optional<CompareFunc> zFunc, alphaFunc;
  std::optional<uint8_t> alphaRef;
  std::optional<CullMode> cull;
  std::optional<BlendFactor> srcBlend, destBlend;
  std::optional<FillMode> fill;

  void ApplyTo(RenderState& state) const;
};

struct PassDesc {
  int line = 0;
  std::string vertex;  // empty: pre-transformed screen vertices
  std::string fragment;
  PassState state;
};

struct TechniqueDesc {
  std::string name;
  std::vector<PassDesc> passes;
};

struct ShaderBlock {
  int firstLine = 0;  // file line of the block's first line of code
  std::string text;
};

struct EffectDesc {
  std::vector<ParamDesc> params;
  std::vector<TechniqueDesc> techniques;
  std::map<std::string, ShaderBlock> shaders;
};

// False with "<fileName>(<line>): <reason>" in `error` for text that breaks the format.
bool ParseEffect(const std::string& text, const std::string& fileName, EffectDesc* out,
                 std::string* error);

}  // namespace platform
