#include "map/Mesh3dsWriter.h"

#include <cstring>
#include <limits>

#include "platform/core/Files.h"

namespace {

constexpr uint16_t kMainChunk = 0x4D4D;
constexpr uint16_t kEditorChunk = 0x3D3D;
constexpr uint16_t kObjectChunk = 0x4000;
constexpr uint16_t kMeshChunk = 0x4100;
constexpr uint16_t kVertexListChunk = 0x4110;
constexpr uint16_t kFaceListChunk = 0x4120;
constexpr uint32_t kChunkHeaderSize = 6;
constexpr size_t kMaxCount = std::numeric_limits<uint16_t>::max();

class ChunkBuffer {
 public:
  void U16(uint16_t v) { Put(&v, 2); }
  void U32(uint32_t v) { Put(&v, 4); }
  void Float(float v) { Put(&v, 4); }
  void Byte(uint8_t v) { Put(&v, 1); }
  // `length` counts the whole chunk, its own header included.
  void Header(uint16_t id, uint32_t length) {
    U16(id);
    U32(length);
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  void Put(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  std::vector<uint8_t> bytes_;
};

size_t CountTriangles(const BspData& map) {
  size_t triangles = 0;
  for (const BspFace& f : map.faces) triangles += size_t(f.meshVertexCount / 3);
  return triangles;
}

void CheckFits(size_t count, const char* what) {
  if (count > kMaxCount)
    throw std::runtime_error("the map has " + std::to_string(count) + " " + what +
                             "; a 3DS mesh holds at most " + std::to_string(kMaxCount));
}

}  // namespace

std::vector<uint8_t> Mesh3dsWriter::Encode(const BspData& map) {
  const size_t vertexCount = map.vertices.size();
  const size_t triangleCount = CountTriangles(map);
  CheckFits(vertexCount, "vertices");
  CheckFits(triangleCount, "triangles");

  const uint32_t vertexList = kChunkHeaderSize + 2 + 12 * uint32_t(vertexCount);
  const uint32_t faceList = kChunkHeaderSize + 2 + 8 * uint32_t(triangleCount);
  const uint32_t mesh = kChunkHeaderSize + vertexList + faceList;
  const uint32_t object = kChunkHeaderSize + 1 + mesh;
  const uint32_t editor = kChunkHeaderSize + object;
  ChunkBuffer out;
  out.Header(kMainChunk, kChunkHeaderSize + editor);
  out.Header(kEditorChunk, editor);
  out.Header(kObjectChunk, object);
  out.Byte(0);  // the object's name: empty
  out.Header(kMeshChunk, mesh);

  out.Header(kVertexListChunk, vertexList);
  out.U16(uint16_t(vertexCount));
  for (const BspVertex& v : map.vertices) {
    out.Float(v.position[0]);
    out.Float(-v.position[1]);  // back to the map file's frame
    out.Float(v.position[2]);
  }

  out.Header(kFaceListChunk, faceList);
  out.U16(uint16_t(triangleCount));
  for (const BspFace& f : map.faces) {
    // A checked map keeps every index below the vertex count, which fits 16 bits here.
    const int32_t* offsets = map.meshVertices.data() + f.firstMeshVertex;
    for (int32_t k = 0; k + 3 <= f.meshVertexCount; k += 3) {
      for (int i = 0; i < 3; ++i) out.U16(uint16_t(f.firstVertex + offsets[k + i]));
      out.U16(0);  // flags
    }
  }
  return out.Take();
}

void Mesh3dsWriter::Write(const BspData& map, const std::string& fileName) {
  std::vector<uint8_t> bytes = Encode(map);
  if (!platform::WriteFileAtomic(fileName, std::string(bytes.begin(), bytes.end())))
    throw std::runtime_error("could not write " + fileName);
}
