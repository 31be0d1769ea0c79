#pragma once
#include <cstdint>
#include <string>

#include "map/BspData.h"
#include "map/ClusterMap.h"
#include "map/LeafFinder.h"
#include "map/MapRenderData.h"
#include "platform/math/Vector.h"

class MapEntityPlacer;
struct MapEntityNames;

// One loaded map of the museum: the file's lumps in the world frame (every y negated), its
// render data, the leaf, cluster and visibility queries, and the run-time values that tie it
// to the game: its index in the map list, the cluster of the camera and the visibility lock.
// The physics system keeps the clusters through it as the current map's ClusterMap.
class BspMap : public ClusterMap {
 public:
  BspMap() = default;
  BspMap(const BspMap&) = delete;
  BspMap& operator=(const BspMap&) = delete;

  // Reads the file (Maps/ + name), turns it into the world frame, builds the lookups and the
  // render data, and prints "Successfully loaded map" and the counts on the console. Throws
  // BspError ("Could not open file", "Not a valid BSP file", "Unsupported version"); the map
  // is then left empty and keeps its loaded flag as it was.
  void Load(const std::string& path);
  // Empties every lump, the entity keys and the render data and clears the visibility lock;
  // the map index, the loaded flag and the fly-through flag stay.
  void Reset();

  // The potentially visible set: a negative cluster, a cluster seeing itself and a map
  // without visibility data all count as visible.
  bool IsClusterVisible(int32_t from, int32_t to) const;
  // The leaf holding a world point; null when the map holds no tree (not loaded).
  const BspLeaf* FindLeaf(const platform::Vector3& point) const;
  // The cluster of the leaf holding the point; 0 when the map is not loaded.
  int32_t GetClusterAt(const platform::Vector3& point) const override;
  // Called once per physics update on the current map with the active camera's reference
  // position (null when there is no active camera): while the map is loaded and not locked,
  // the camera cluster follows the camera.
  void UpdateCameraCluster(const platform::Vector3* cameraReference) override;

  // Turns the entity blocks into entities of the map entity classes (MapEntityClasses.h),
  // filling the game's shared name tables. Called by the game start with this map current.
  void CreateEntities(MapEntityNames& names, MapEntityPlacer& placer) const;

  // Writes the map's geometry as one 3DS mesh. A map too large for the format or a file that
  // cannot be written is logged on "LogicLog" ("Could not export map to 3DS. " + reason) and
  // leaves any earlier file as it was; returns whether the file was written.
  bool Export3ds(const std::string& fileName) const;

  const BspData& Data() const { return data_; }
  MapRenderData& GetRenderData() { return renderData_; }
  const std::string& GetPath() const { return path_; }
  bool IsLoaded() const { return loaded_; }

  int32_t GetCameraCluster() const { return cameraCluster_; }
  bool IsVisLocked() const { return lockVis_; }
  void SetLockVis(bool locked) { lockVis_ = locked; }
  int32_t GetMapIndex() const { return mapIndex_; }
  void SetMapIndex(int32_t index) { mapIndex_ = index; }
  bool IsFlyThroughShown() const { return flyThroughShown_; }
  void SetFlyThroughShown(bool shown) { flyThroughShown_ = shown; }

 private:
  void LogEntityProblems() const;

  // -1 sees every cluster until the first update places the camera.
  int32_t cameraCluster_ = -1;
  bool lockVis_ = false;
  std::string path_;
  BspData data_;
  LeafFinder leafFinder_;
  MapRenderData renderData_;
  int32_t mapIndex_ = 0;
  bool flyThroughShown_ = false;
  bool loaded_ = false;
};
