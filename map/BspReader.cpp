#include "map/BspReader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "map/BspValidate.h"
#include "platform/core/Files.h"

namespace {

constexpr std::array<const char*, kBspLumpCount> kLumpNames = {
    "entities", "textures", "planes", "nodes", "leaves", "leaf faces", "leaf brushes",
    "models", "brushes", "brush sides", "vertices", "mesh vertices", "effects", "faces",
    "lightmaps", "light volumes", "visibility"};

[[noreturn]] void Refuse(const std::string& detail) { throw BspError(kBspNotValid, detail); }

std::string LumpLabel(int lump) {
  return "lump " + std::to_string(lump) + " (" + BspLumpName(lump) + ")";
}

// Every lump must lie inside the file, after the header, and apart from every other lump.
void CheckLumpTable(const BspHeader& header, size_t fileSize) {
  std::vector<int> used;
  for (int i = 0; i < kBspLumpCount; ++i) {
    const BspLumpEntry& e = header.lumps[i];
    if (e.offset < 0 || e.length < 0) Refuse(LumpLabel(i) + " has a negative offset or length");
    if (e.length == 0) continue;
    if (e.offset < kBspHeaderSize) Refuse(LumpLabel(i) + " overlaps the header");
    if (int64_t(e.offset) + e.length > int64_t(fileSize))
      Refuse(LumpLabel(i) + " runs past the end of the file");
    used.push_back(i);
  }
  std::sort(used.begin(), used.end(),
            [&](int a, int b) { return header.lumps[a].offset < header.lumps[b].offset; });
  for (size_t k = 1; k < used.size(); ++k) {
    const BspLumpEntry& prev = header.lumps[used[k - 1]];
    if (int64_t(prev.offset) + prev.length > header.lumps[used[k]].offset)
      Refuse(LumpLabel(used[k - 1]) + " overlaps " + LumpLabel(used[k]));
  }
}

class LumpViewer {
 public:
  LumpViewer(std::span<uint8_t> file, const BspHeader& header) : file_(file), header_(header) {}

  // Whole records only: a lump whose length is not a multiple of the record size loses the
  // trailing partial record. Records are viewed where they lie; only a lump the file placed
  // off its records' alignment is copied out.
  template <class T>
  void View(int lump, BspLump<T>& out) const {
    View(Bytes(lump), out);
  }
  template <class T>
  void View(std::span<uint8_t> bytes, BspLump<T>& out) const {
    const size_t count = bytes.size() / sizeof(T);
    if (reinterpret_cast<uintptr_t>(bytes.data()) % alignof(T) == 0) {
      out.View(reinterpret_cast<T*>(bytes.data()), count);
      return;
    }
    std::vector<T>& own = out.Own();
    own.resize(count);
    if (count) std::memcpy(own.data(), bytes.data(), count * sizeof(T));
  }

  std::span<uint8_t> Bytes(int lump) const {
    const BspLumpEntry& e = header_.lumps[lump];
    return file_.subspan(size_t(e.offset), size_t(e.length));
  }

 private:
  std::span<uint8_t> file_;
  const BspHeader& header_;
};

float HalfSize(int32_t min, int32_t max) { return float(int64_t(max) - min) * 0.5f; }

void ReadNodes(const LumpViewer& lumps, BspData& out) {
  BspLump<BspFileNode> raw;
  lumps.View(kLumpNodes, raw);
  out.nodes.reserve(raw.size());
  for (const BspFileNode& n : raw) {
    BspNode node{n.plane, {n.children[0], n.children[1]}, {}, {}};
    for (int a = 0; a < 3; ++a) {
      node.halfSize[a] = HalfSize(n.mins[a], n.maxs[a]);
      node.center[a] = float(n.mins[a]) + node.halfSize[a];
    }
    node.center[1] = -node.center[1];  // node boxes are kept in the world frame
    out.nodes.push_back(node);
  }
}

void ReadLeaves(const LumpViewer& lumps, BspData& out) {
  BspLump<BspFileLeaf> raw;
  lumps.View(kLumpLeaves, raw);
  out.leaves.reserve(raw.size());
  for (const BspFileLeaf& l : raw) {
    BspLeaf leaf{l.cluster, l.area, {}, {}, l.firstLeafFace, l.leafFaceCount,
                 l.firstLeafBrush, l.leafBrushCount};
    for (int a = 0; a < 3; ++a) {
      leaf.halfSize[a] = HalfSize(l.mins[a], l.maxs[a]);
      leaf.center[a] = float(l.maxs[a]) - leaf.halfSize[a];
    }
    out.leaves.push_back(leaf);
  }
}

void ReadVisData(const LumpViewer& lumps, BspData& out) {
  std::span<uint8_t> bytes = lumps.Bytes(kLumpVisibility);
  if (bytes.empty()) return;
  if (bytes.size() < 8) Refuse(LumpLabel(kLumpVisibility) + " is shorter than its header");
  int32_t count, rowBytes;
  std::memcpy(&count, bytes.data(), 4);
  std::memcpy(&rowBytes, bytes.data() + 4, 4);
  if (count < 0 || rowBytes < 0) Refuse("negative visibility cluster count or row size");
  if (int64_t(count) * rowBytes > int64_t(bytes.size()) - 8)
    Refuse("visibility rows of " + std::to_string(count) + " x " + std::to_string(rowBytes) +
           " bytes do not fit the lump");
  if (int64_t(rowBytes) * 8 < count) Refuse("visibility rows are too short for the clusters");
  out.clusterCount = count;
  out.bytesPerCluster = rowBytes;
  lumps.View(bytes.subspan(8, size_t(int64_t(count) * rowBytes)), out.visBits);
}

void ReadEntityText(const LumpViewer& lumps, BspData& out) {
  std::span<const uint8_t> bytes = lumps.Bytes(kLumpEntities);
  EntityLump lump = ParseEntityText(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  out.entityKeyValues = std::move(lump.entities);
  out.entityProblems = std::move(lump.problems);
}

void ReadAll(std::span<uint8_t> file, BspData& out) {
  if (file.size() < size_t(kBspHeaderSize)) Refuse("the file is shorter than its header");
  BspHeader header;
  std::memcpy(&header, file.data(), sizeof header);
  if (std::memcmp(header.magic, "IBSP", 4) != 0) Refuse("the file does not start with IBSP");
  if (header.version != kBspVersion)
    throw BspError("Unsupported version", "version " + std::to_string(header.version));
  CheckLumpTable(header, file.size());

  LumpViewer lumps(file, header);
  ReadEntityText(lumps, out);
  lumps.View(kLumpTextures, out.textures);
  lumps.View(kLumpPlanes, out.planes);
  ReadNodes(lumps, out);
  ReadLeaves(lumps, out);
  lumps.View(kLumpLeafFaces, out.leafFaces);
  lumps.View(kLumpLeafBrushes, out.leafBrushes);
  lumps.View(kLumpModels, out.models);
  lumps.View(kLumpBrushes, out.brushes);
  lumps.View(kLumpBrushSides, out.brushSides);
  lumps.View(kLumpVertices, out.vertices);
  lumps.View(kLumpMeshVertices, out.meshVertices);
  lumps.View(kLumpEffects, out.effects);
  lumps.View(kLumpFaces, out.faces);
  lumps.View(kLumpLightmaps, out.lightmaps);
  lumps.View(kLumpLightVolumes, out.lightVolumes);
  ReadVisData(lumps, out);
  ValidateBsp(out);
}

}  // namespace

const char* BspLumpName(int lump) { return kLumpNames[size_t(lump)]; }

void BspReader::Parse(std::span<const uint8_t> file, BspData& out) { Parse(platform::FileBytes(file), out); }

void BspReader::Parse(platform::FileBytes&& file, BspData& out) {
  out.Clear();
  try {
    out.fileBytes = std::make_shared<platform::FileBytes>(std::move(file));
    ReadAll(*out.fileBytes, out);
  } catch (...) {
    out.Clear();
    throw;
  }
}

void BspReader::Read(const std::string& path, BspData& out) {
  out.Clear();
  auto bytes = platform::ReadWholeFile(path);
  if (!bytes) throw BspError("Could not open file", path);
  Parse(std::move(*bytes), out);
}
