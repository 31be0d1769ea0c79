#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class BspMap;
class Engine;

// The museum's loaded maps, in map-list order, each knowing its own index, and which of them is
// current. While none is current an empty default map stands in, so readers always get a map.
class MuseumMaps {
 public:
  explicit MuseumMaps(Engine& engine);
  ~MuseumMaps();
  MuseumMaps(const MuseumMaps&) = delete;
  MuseumMaps& operator=(const MuseumMaps&) = delete;

  // Loads "Maps/" + name for each name, in order, in place of the maps loaded before (the
  // default map is made current first). Stops at the first map that cannot be read, throwing its
  // BspError; that map stays in the list, empty, and a later call starts afresh.
  void Load(const std::vector<std::string>& names);
  // Clears every loaded map's data and forgets them all.
  void Release();
  size_t GetCount() const { return maps_.size(); }
  // A copy of the name of a loaded map; the index must be valid.
  std::string GetName(int32_t index) const { return names_[static_cast<size_t>(index)]; }

  // The loaded map at the current index, or the empty default map while none is current.
  BspMap& GetCurrent();
  int32_t GetCurrentIndex() const { return current_; }
  // Makes a loaded map current (-1: the default map) and tells the sound, the graphics and the
  // physics. Returns false, changing nothing, for an index outside -1 .. count - 1.
  bool SetCurrent(int32_t index);

 private:
  Engine& engine_;
  std::vector<std::unique_ptr<BspMap>> maps_;
  std::vector<std::string> names_;
  std::unique_ptr<BspMap> defaultMap_;
  int32_t current_ = -1;
};
