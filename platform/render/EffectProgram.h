#pragma once
#include <cstddef>
#include <memory>
#include <string>

namespace platform {

class RenderDevice;
class Texture;

enum class EffectLoad {
  Loaded,
  Unreadable,  // the file could not be read: no compiler messages
  Invalid,     // the file broke the format or did not compile: messages in the error text
};

// A compiled effect file (format in EffectFile.cpp): named parameters, techniques made of
// passes, each pass a GLSL program with render states. Used like the game's effects:
//
//   effect.SetTechnique("CelShade");
//   effect.SetMatrix("matWorld", world);
//   unsigned passes = 0;
//   effect.Begin(&passes);
//   for (unsigned i = 0; i < passes; ++i) {
//     effect.BeginPass(i);
//     ... draws; after changing parameters inside a pass, CommitChanges() ...
//     effect.EndPass();
//   }
//   effect.End();
//
// Parameter setters of a name the effect lacks (or of another type) do nothing and return
// false. Values persist across passes, techniques and reloads (for names that survive).
// Begin saves the device's render states and End puts them back.
class EffectProgram {
 public:
  explicit EffectProgram(RenderDevice& device);
  ~EffectProgram();
  EffectProgram(const EffectProgram&) = delete;
  EffectProgram& operator=(const EffectProgram&) = delete;

  // Loads, or reloads in place: holders of this object keep working. When the file is invalid
  // `error` holds "<file>(<line>): message" lines; on any failure an effect loaded before keeps
  // its old programs, one never loaded stays unloaded (Begin fails, setters store nothing).
  // The path is looked up case-insensitively, '\' read as '/'.
  EffectLoad LoadFromFile(const std::string& path, std::string* error);
  // From text (tests, generated effects); `fileName` names it in messages.
  bool LoadFromText(const std::string& text, const std::string& fileName, std::string* error);
  bool IsLoaded() const;

  // Unknown technique: the current one stays and false is returned.
  bool SetTechnique(const std::string& name);
  const std::string& TechniqueName() const;

  bool SetFloat(const std::string& name, float value);
  // The value a float parameter holds now; false when the effect has none of that name.
  bool GetFloat(const std::string& name, float* value) const;
  // Copies min(count, parameter size) floats: float2/3/4, float arrays, matrices.
  bool SetFloatArray(const std::string& name, const float* values, size_t count);
  bool SetVector(const std::string& name, const float* xyzw);
  // 16 floats, row-major, as the game computes them.
  bool SetMatrix(const std::string& name, const float* matrix);
  bool SetMatrixArray(const std::string& name, const float* matrices, size_t count);
  bool SetInt(const std::string& name, int value);
  bool SetBool(const std::string& name, bool value);
  // The texture stays usable by the effect even if its owner releases it (null unbinds).
  bool SetTexture(const std::string& name, const Texture* texture);

  // False (and *passes = 0) when the effect is not loaded.
  bool Begin(unsigned* passes);
  bool BeginPass(unsigned pass);
  // Sends parameters changed since BeginPass to the open pass.
  void CommitChanges();
  void EndPass();
  void End();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
