#include "map/BspMap.h"

#include "engine/Engine.h"
#include "map/BspReader.h"
#include "map/MapGeometry.h"

void BspMap::Load(const std::string& path) {
  path_ = path;
  Reset();
  BspReader::Read(path, data_);
  Console& console = *Engine::Get()->GetConsole();
  console.Print("Successfully loaded map", Console::kWhite);
  console.Print(BspLoadSummary(data_), Console::kWhite);
  LogEntityProblems();
  ConvertToWorldFrame(data_);
  leafFinder_ = LeafFinder(data_);
  renderData_.Build(*this);
  loaded_ = true;
}

void BspMap::Reset() {
  data_.Clear();
  leafFinder_ = LeafFinder();
  lockVis_ = false;
  renderData_.Clear();
}

void BspMap::LogEntityProblems() const {
  for (const std::string& problem : data_.entityProblems)
    Engine::Get()->GetLog()->Write("LogicLog", "Map " + path_ + " entity text, " + problem, 2);
}

bool BspMap::IsClusterVisible(int32_t from, int32_t to) const {
  return ::IsClusterVisible(data_, from, to);
}

const BspLeaf* BspMap::FindLeaf(const platform::Vector3& point) const {
  const float p[3] = {point.x, point.y, point.z};
  int32_t leaf = leafFinder_.FindLeafIndex(p);
  return leaf < 0 ? nullptr : &data_.leaves[size_t(leaf)];
}

int32_t BspMap::GetClusterAt(const platform::Vector3& point) const {
  if (!loaded_) return 0;
  const BspLeaf* leaf = FindLeaf(point);
  return leaf ? leaf->cluster : 0;
}

void BspMap::UpdateCameraCluster(const platform::Vector3* cameraReference) {
  if (!loaded_ || lockVis_ || !cameraReference) return;
  if (const BspLeaf* leaf = FindLeaf(*cameraReference)) cameraCluster_ = leaf->cluster;
}
