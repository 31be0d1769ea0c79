#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// Model files written by the tests: a small skinned, animated quad in text form, a writer for
// the binary token format, and the compressed packing of either.
namespace xfixtures {

// Frames Root > {mesh Quad, Bone1 > Bone2}; Bone2 sits at x = 1. The quad (0,0,0) (2,0,0)
// (2,1,0) (0,1,0) is one four-sided face with normals; v0 and v3 follow Bone1, v1 and v2 both
// bones by half. Sets in file order: "Bend" (100 ticks per second: Bone1 rises from z 0 to 10,
// Bone2 turns 90 degrees about z over 100 ticks), then "Still" (no keys).
std::string SkinnedQuadText();

// The same model in the binary token format, with 32- or 64-bit floats.
std::string SkinnedQuadBinary(int floatBits = 32);

// Packs a whole uncompressed file (header included) into the compressed format, in blocks of
// at most blockSize bytes, each using the previous block as its dictionary.
std::string Compress(const std::string& file, size_t blockSize = 32768);

std::span<const uint8_t> Bytes(const std::string& s);

// Token writer for binary model files.
class BinaryWriter {
 public:
  explicit BinaryWriter(int floatBits = 32);  // starts with the "bin 0032" or "bin 0064" header
  BinaryWriter& Name(const std::string& name);
  BinaryWriter& String(const std::string& text);
  BinaryWriter& Ints(std::initializer_list<uint32_t> values);
  BinaryWriter& Floats(std::initializer_list<float> values);
  BinaryWriter& Open();
  BinaryWriter& Close();
  BinaryWriter& Object(const std::string& type, const std::string& name = "");  // type [name] {
  BinaryWriter& Reference(const std::string& name);                             // { name }
  BinaryWriter& Token(uint16_t code);  // any token code, bare
  BinaryWriter& Raw(const std::string& bytes);
  const std::string& Data() const { return data_; }

 private:
  void Word(uint16_t v);
  void Dword(uint32_t v);
  std::string data_;
  int floatBits_;
};

}  // namespace xfixtures
