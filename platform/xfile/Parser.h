#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/xfile/MeshBuilder.h"
#include "platform/xfile/Model.h"
#include "platform/xfile/Tokenizer.h"

namespace platform::xfile {

// Reads the data objects of a model file from its token stream into a Model. Objects it does
// not know, template definitions and references it has no use for are skipped whole. Throws
// ParseError naming what was wrong.
class Parser {
 public:
  explicit Parser(Tokenizer& tokens) : tokens_(tokens) {}
  Model Run();

 private:
  struct Header {
    std::string_view type;  // empty for a reference
    std::string name;
  };

  bool NextChild(Header& header);
  Header ReadHeader(std::string_view type);
  void SkipBody();
  void SkipTemplate();

  double ReadNumber(const char* what);
  float ReadFloat(const char* what);
  uint32_t ReadUInt(const char* what);
  uint32_t ReadCount(const char* what, uint64_t numbersPerItem);
  std::string ReadString(const char* what);
  Vec3 ReadVec3(const char* what);
  Matrix ReadMatrix(const char* what);

  void ParseFrame(uint32_t parent, std::string name, int depth);
  void ParseMesh(uint32_t frame, std::string name);
  void ParseFaces(RawMesh& mesh);
  void ParseNormals(RawMesh& mesh);
  void ParseTexCoords(RawMesh& mesh);
  void ParseVertexColors(RawMesh& mesh);
  void ParseMaterialList(RawMesh& mesh);
  Material ParseMaterial();
  void ParseSkinWeights(RawMesh& mesh);
  void ParseDeclData(RawMesh& mesh);
  void ParseAnimationSet(std::string name);
  Animation ParseAnimation();
  void ParseAnimationKey(Animation& animation);
  void ParseTicksPerSecond();
  void FinishTree();

  Tokenizer& tokens_;
  Model model_;
  std::unordered_map<std::string, Material> namedMaterials_;
  std::optional<double> ticksPerSecond_;  // the last rate read so far
  std::vector<bool> setHasRate_;          // per set in file order
  std::optional<double> firstRate_;
  size_t objects_ = 0;
};

}  // namespace platform::xfile
