#include "tools/mapgen/BspWriter.h"

#include <cstring>

namespace {

class FileBuilder {
 public:
  FileBuilder() : bytes_(kBspHeaderSize, 0) {
    std::memcpy(header_.magic, "IBSP", 4);
    header_.version = kBspVersion;
  }

  void Lump(int index, const void* data, size_t size) {
    while (bytes_.size() % 4) bytes_.push_back(0);
    header_.lumps[index] = {size ? int32_t(bytes_.size()) : 0, int32_t(size)};
    const uint8_t* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }

  template <class T>
  void Lump(int index, const std::vector<T>& records) {
    Lump(index, records.data(), records.size() * sizeof(T));
  }

  std::vector<uint8_t> Finish() {
    std::memcpy(bytes_.data(), &header_, sizeof header_);
    return std::move(bytes_);
  }

 private:
  BspHeader header_{};
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> WriteBsp(const BspFileContents& c) {
  FileBuilder file;
  file.Lump(kLumpEntities, c.entityText.c_str(), c.entityText.size() + 1);
  file.Lump(kLumpTextures, c.textures);
  file.Lump(kLumpPlanes, c.planes);
  file.Lump(kLumpNodes, c.nodes);
  file.Lump(kLumpLeaves, c.leaves);
  file.Lump(kLumpLeafFaces, c.leafFaces);
  file.Lump(kLumpLeafBrushes, c.leafBrushes);
  file.Lump(kLumpModels, c.models);
  file.Lump(kLumpBrushes, c.brushes);
  file.Lump(kLumpBrushSides, c.brushSides);
  file.Lump(kLumpVertices, c.vertices);
  file.Lump(kLumpMeshVertices, c.meshVertices);
  file.Lump(kLumpEffects, c.effects);
  file.Lump(kLumpFaces, c.faces);
  file.Lump(kLumpLightmaps, c.lightmaps);
  file.Lump(kLumpLightVolumes, c.lightVolumes);
  std::vector<uint8_t> vis;
  if (c.clusterCount > 0) {
    vis.resize(8);
    std::memcpy(vis.data(), &c.clusterCount, 4);
    std::memcpy(vis.data() + 4, &c.bytesPerCluster, 4);
    vis.insert(vis.end(), c.visBits.begin(), c.visBits.end());
  }
  file.Lump(kLumpVisibility, vis);
  return file.Finish();
}
