#include "tests/platform/xfile/Fixtures.h"

#include <zlib.h>

#include <cstring>
#include <stdexcept>

namespace xfixtures {

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Separators are written the way exporters do, inconsistently on purpose.
std::string SkinnedQuadText() {
  return R"(xof 0303txt 0032
template Unused {
 <01234567-89ab-cdef-0123-456789abcdef>
 DWORD n; [...]
}
// a comment
Header { 1; 0; 1; }
Material Red {
 1.0;0.0;0.0;1.0;;
 12.5;
 0.1;0.2;0.3;;
 0.0;0.0;0.0;;
 TextureFilename { "C:\\art\\red.tga"; }
}
Frame Root {
 FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; }
 Mesh Quad {
  4;
  0.0;0.0;0.0;,
  2.0;0.0;0.0;,
  2.0;1.0;0.0;,
  0.0;1.0;0.0;;
  1;
  4;0,1,2,3;;
  MeshNormals {
   1;
   0.0;0.0;-1.0;;
   1;
   4;0,0,0,0;;
  }
  MeshTextureCoords { 4; 0;0;, 1;0;, 1;1;, 0;1;; }
  MeshMaterialList {
   1;
   1;
   0;;
   { Red }
  }
  XSkinMeshHeader { 2; 4; 2; }
  SkinWeights {
   "Bone1";
   4;
   0,3,1,2;
   1.0,1.0,0.5,0.5;
   1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;;
  }
  SkinWeights {
   "Bone2";
   2;
   1,2;
   0.5,0.5;
   1,0,0,0, 0,1,0,0, 0,0,1,0, -1,0,0,1;;
  }
 }
 Frame Bone1 {
  FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; }
  Frame Bone2 {
   FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 1,0,0,1;; }
  }
 }
}
AnimTicksPerSecond { 100; }
AnimationSet Bend {
 Animation {
  { Bone1 }
  AnimationKey { 2; 2; 0;3;0,0,0;;, 100;3;0,0,10;;; }
 }
 Animation {
  { Bone2 }
  AnimationOptions { 1; 0; }
  AnimationKey { 0; 2; 0;4;1,0,0,0;;, 100;4;0.70710678,0,0,-0.70710678;;; }
  AnimationKey { 2; 1; 0;3;1,0,0;;; }
 }
}
AnimationSet Still {
}
)";
}

BinaryWriter::BinaryWriter(int floatBits)
    : data_(floatBits == 64 ? "xof 0303bin 0064" : "xof 0303bin 0032"), floatBits_(floatBits) {}

void BinaryWriter::Word(uint16_t v) { data_.append(reinterpret_cast<const char*>(&v), 2); }
void BinaryWriter::Dword(uint32_t v) { data_.append(reinterpret_cast<const char*>(&v), 4); }

BinaryWriter& BinaryWriter::Name(const std::string& name) {
  Word(1);
  Dword(uint32_t(name.size()));
  data_ += name;
  return *this;
}

BinaryWriter& BinaryWriter::String(const std::string& text) {
  Word(2);
  Dword(uint32_t(text.size()));
  data_ += text;
  Word(20);  // ';'
  return *this;
}

BinaryWriter& BinaryWriter::Ints(std::initializer_list<uint32_t> values) {
  Word(6);
  Dword(uint32_t(values.size()));
  for (uint32_t v : values) Dword(v);
  return *this;
}

BinaryWriter& BinaryWriter::Floats(std::initializer_list<float> values) {
  Word(7);
  Dword(uint32_t(values.size()));
  for (float v : values) {
    if (floatBits_ == 64) {
      const double d = v;
      data_.append(reinterpret_cast<const char*>(&d), 8);
    } else {
      data_.append(reinterpret_cast<const char*>(&v), 4);
    }
  }
  return *this;
}

BinaryWriter& BinaryWriter::Token(uint16_t code) {
  Word(code);
  return *this;
}

BinaryWriter& BinaryWriter::Raw(const std::string& bytes) {
  data_ += bytes;
  return *this;
}

BinaryWriter& BinaryWriter::Open() {
  Word(10);
  return *this;
}

BinaryWriter& BinaryWriter::Close() {
  Word(11);
  return *this;
}

BinaryWriter& BinaryWriter::Object(const std::string& type, const std::string& name) {
  Name(type);
  if (!name.empty()) Name(name);
  return Open();
}

BinaryWriter& BinaryWriter::Reference(const std::string& name) { return Open().Name(name).Close(); }

std::string SkinnedQuadBinary(int floatBits) {
  const std::initializer_list<float> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  BinaryWriter w(floatBits);
  // A template definition, to be skipped: template Unused { <guid> DWORD n; }
  w.Token(31).Name("Unused").Open().Token(5).Raw(std::string(16, '\x11'));
  w.Token(41).Name("n").Token(20).Close();
  w.Object("Material", "Red").Floats({1, 0, 0, 1, 12.5f, 0.1f, 0.2f, 0.3f, 0, 0, 0});
  w.Object("TextureFilename").String("C:\\art\\red.tga").Close().Close();
  w.Object("Frame", "Root").Object("FrameTransformMatrix").Floats(identity).Close();
  w.Object("Mesh", "Quad").Ints({4}).Floats({0, 0, 0, 2, 0, 0, 2, 1, 0, 0, 1, 0});
  w.Ints({1, 4, 0, 1, 2, 3});
  w.Object("MeshNormals").Ints({1}).Floats({0, 0, -1}).Ints({1, 4, 0, 0, 0, 0}).Close();
  w.Object("MeshTextureCoords").Ints({4}).Floats({0, 0, 1, 0, 1, 1, 0, 1}).Close();
  w.Object("MeshMaterialList").Ints({1, 1, 0}).Reference("Red").Close();
  w.Object("XSkinMeshHeader").Ints({2, 4, 2}).Close();
  w.Object("SkinWeights").String("Bone1").Ints({4, 0, 3, 1, 2}).Floats({1, 1, 0.5f, 0.5f});
  w.Floats(identity).Close();
  w.Object("SkinWeights").String("Bone2").Ints({2, 1, 2}).Floats({0.5f, 0.5f});
  w.Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -1, 0, 0, 1}).Close();
  w.Close();  // Mesh
  w.Object("Frame", "Bone1").Object("FrameTransformMatrix").Floats(identity).Close();
  w.Object("Frame", "Bone2").Object("FrameTransformMatrix");
  w.Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1}).Close().Close().Close();
  w.Close();  // Root
  w.Object("AnimTicksPerSecond").Ints({100}).Close();
  w.Object("AnimationSet", "Bend").Object("Animation").Reference("Bone1");
  w.Object("AnimationKey").Ints({2, 2, 0, 3}).Floats({0, 0, 0}).Ints({100, 3}).Floats({0, 0, 10});
  w.Close().Close();
  w.Object("Animation").Reference("Bone2").Object("AnimationOptions").Ints({1, 0}).Close();
  w.Object("AnimationKey").Ints({0, 2, 0, 4}).Floats({1, 0, 0, 0}).Ints({100, 4});
  w.Floats({0.70710678f, 0, 0, -0.70710678f}).Close();
  w.Object("AnimationKey").Ints({2, 1, 0, 3}).Floats({1, 0, 0}).Close();
  w.Close().Close();
  w.Object("AnimationSet", "Still").Close();
  return w.Data();
}

std::string Compress(const std::string& file, size_t blockSize) {
  std::string out = file.substr(0, 16);
  out.replace(8, 4, file.compare(8, 4, "txt ") == 0 ? "tzip" : "bzip");
  const uint32_t total = uint32_t(file.size());
  out.append(reinterpret_cast<const char*>(&total), 4);
  const std::string body = file.substr(16);
  z_stream s{};
  if (deflateInit2(&s, 6, Z_DEFLATED, -MAX_WBITS, 1, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2");
  for (size_t at = 0; at < body.size(); at += blockSize) {
    const size_t size = std::min(blockSize, body.size() - at);
    deflateReset(&s);
    if (at > 0)
      deflateSetDictionary(&s, reinterpret_cast<const Bytef*>(body.data() + at - blockSize),
                           uInt(blockSize));
    std::string packed(deflateBound(&s, uLong(size)) + 16, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data() + at));
    s.avail_in = uInt(size);
    s.next_out = reinterpret_cast<Bytef*>(packed.data());
    s.avail_out = uInt(packed.size());
    if (deflate(&s, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
    packed.resize(s.total_out);
    const uint16_t sizes[2] = {uint16_t(size), uint16_t(packed.size() + 2)};
    out.append(reinterpret_cast<const char*>(sizes), 4);
    out += "CK" + packed;
  }
  deflateEnd(&s);
  return out;
}

}  // namespace xfixtures
