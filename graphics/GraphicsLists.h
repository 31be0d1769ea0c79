#pragma once
#include <string>
#include <vector>

#include "entity/RecordFields.h"
#include "platform/math/Color.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

// The records of the graphics data lists, fields in file order. Each list file is a "list" of
// "var" records, content that a missing file is reported for, not written back in;
// "Data/Transition.xml" is one "var" record of settings, written back when missing.

inline constexpr char kShaderListPath[] = "Data/Shaders.xml";
inline constexpr char kFontListPath[] = "Data/FontList.xml";
inline constexpr char kMeshInfoPath[] = "Data/MeshInfo.xml";
inline constexpr char kTextureInfoPath[] = "Data/TextureInfo.xml";
inline constexpr char kTextureInfoNewPath[] = "Data/TextureInfoNew.xml";
inline constexpr char kTransitionPath[] = "Data/Transition.xml";
inline constexpr char kMapChangeInfoPath[] = "Data/MapChangeInfo.xml";
inline constexpr char kTextureSwapInfoPath[] = "Data/TextureSwapInfo.xml";

struct ShaderInfo {
  std::string ShaderName;  // the name the effect is registered under
  std::string ShaderFile;  // the effect file under Shaders/
};

struct FontInfo {
  std::string Name;
  std::string FontFace;
  int Size = 0;
};

// One per model, keyed by the model's load path ("models/guard.x"); the defaults are what a
// model without a record gets.
struct MeshInfo {
  std::string Name;
  int ShadowSize = 0;
  platform::Quaternion Rotation{0, 0, 0, 1};
  platform::Vector3 PivotOffset;
  platform::Vector3 PositionOffset;
  float Scale = 1.0f;
  platform::Vector3 BoundingBoxSize{10, 10, 10};
  float BoundingSphereRadius = 10.0f;
  float OutlineSize = 1.0f;
};

// One per texture, keyed by its load path ("textures/wall.dds"). `loaded` is not in the file.
struct TextureInfo {
  std::string Name;
  bool Alpha = false;
  int Width = 0;  // 0: the file's own size
  int Height = 0;
  bool Compress = true;
  bool loaded = false;
  bool Collidable = true;
  bool Lightmap = true;
};

// The teleport transition; times in seconds.
struct TransitionInfo {
  float StartDepth = 200.0f;
  float EndDepth = 10.0f;
  float TotalTime = 2.0f;
  float FadePercent = 0.5f;
  float RotationSpeed = 3.0f;
};

struct MapChangeInfo {
  std::string MapName;
  std::string Shader;  // the effect the map's faces are drawn with
  platform::Color Ambient;
};

struct TextureSwapInfo {
  std::string ModelName;
  std::vector<std::string> TextureSwap;
};

// The field lists, in file order (see entity/RecordFields.h).
template <class Fields>
void VisitFields(Fields& f, ShaderInfo& r) {
  f("ShaderName", r.ShaderName);
  f("ShaderFile", r.ShaderFile);
}

template <class Fields>
void VisitFields(Fields& f, FontInfo& r) {
  f("Name", r.Name);
  f("FontFace", r.FontFace);
  f("Size", r.Size);
}

template <class Fields>
void VisitFields(Fields& f, MeshInfo& r) {
  f("Name", r.Name);
  f("ShadowSize", r.ShadowSize);
  f("Rotation", r.Rotation);
  f("PivotOffset", r.PivotOffset);
  f("PositionOffset", r.PositionOffset);
  f("Scale", r.Scale);
  f("BoundingBoxSize", r.BoundingBoxSize);
  f("BoundingSphereRadius", r.BoundingSphereRadius, RecordFields::AtLeast(0.0));
  f("OutlineSize", r.OutlineSize);
}

template <class Fields>
void VisitFields(Fields& f, TextureInfo& r) {
  f("Name", r.Name);
  f("Alpha", r.Alpha);
  f("Width", r.Width);
  f("Height", r.Height);
  f("Compress", r.Compress);
  f("Collidable", r.Collidable);
  f("Lightmap", r.Lightmap);
}

template <class Fields>
void VisitFields(Fields& f, TransitionInfo& r) {
  f("StartDepth", r.StartDepth);
  f("EndDepth", r.EndDepth);
  f("TotalTime", r.TotalTime, RecordFields::AtLeast(0.0));
  f("FadePercent", r.FadePercent);
  f("RotationSpeed", r.RotationSpeed);
}

template <class Fields>
void VisitFields(Fields& f, MapChangeInfo& r) {
  f("MapName", r.MapName);
  f("Shader", r.Shader);
  f("Ambient", r.Ambient);
}

template <class Fields>
void VisitFields(Fields& f, TextureSwapInfo& r) {
  f("ModelName", r.ModelName);
  f("TextureSwap", r.TextureSwap);
}
