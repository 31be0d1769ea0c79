#pragma once
#include <cctype>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "engine/Engine.h"

// A cache of named assets below a folder: the first request for a name loads the asset through
// the concrete class, later requests (in any letter case) find it again. Assets stay until
// ReleaseAll; a name that failed to load is tried again on its next request.
template <class Asset>
class AssetDirectory {
 public:
  struct AssetSlot {
    std::unique_ptr<Asset> asset;
    int32_t useCount = 1;
  };

  AssetDirectory(std::string folder, std::string suffix) : folder_(std::move(folder)), suffix_(std::move(suffix)) {}
  virtual ~AssetDirectory() = default;
  AssetDirectory(const AssetDirectory&) = delete;
  AssetDirectory& operator=(const AssetDirectory&) = delete;

  // The asset of that name, loaded on the first request; null when it cannot be loaded.
  Asset* GetOrLoad(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto found = assets_.find(name);
    if (found != assets_.end()) {
      ++found->second.useCount;
      return found->second.asset.get();
    }
    const std::string path = name.rfind(folder_, 0) == 0 ? name : folder_ + name + suffix_;
    std::unique_ptr<Asset> asset = Load(path);
    if (!asset) return nullptr;
    Engine::Get()->GetLog()->Write("AssetsLoaded", "Loaded " + path, 0);
    Asset* kept = asset.get();
    Insert(name, std::move(asset));
    return kept;
  }

  void Insert(const std::string& name, std::unique_ptr<Asset> asset) { assets_[name] = AssetSlot{std::move(asset), 1}; }

  void ReleaseAll() {
    for (auto& [name, slot] : assets_) Release(slot);
    assets_.clear();
  }

  // The slot of a (lower-case) name, or null.
  const AssetSlot* Find(const std::string& name) const {
    auto found = assets_.find(name);
    return found == assets_.end() ? nullptr : &found->second;
  }
  const std::string& Folder() const { return folder_; }

 protected:
  // The asset at that path, or null when it cannot be made.
  virtual std::unique_ptr<Asset> Load(const std::string& path) = 0;
  // Gives back what the asset holds outside this cache; the slot frees the asset itself.
  virtual void Release(AssetSlot& slot) = 0;

 private:
  std::string folder_;
  std::string suffix_;
  std::map<std::string, AssetSlot> assets_;
};
