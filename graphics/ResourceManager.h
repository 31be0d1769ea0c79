#pragma once
#include <map>
#include <memory>
#include <string>

// Writes "Loaded " + path on "AssetsLoaded".
void LogAssetLoaded(const std::string& path);

// A named cache of one kind of graphics resource. Names are case-insensitive: every name is
// lower-cased (A-Z only, a backslash read as '/') before use, and a name may carry a folder
// ("gui/cursor.bmp"). A lookup either finds the cached resource, counting one more use, or,
// for managers that can load, loads it from pathPrefix + name + pathSuffix (just the name when
// it already starts with pathPrefix) and logs "Loaded " + path on "AssetsLoaded". The manager
// owns what it holds until Release gives back the last use or DestroyAll empties it.
template <class T>
class ResourceManager {
 public:
  ResourceManager(std::string pathPrefix, std::string pathSuffix)
      : pathPrefix_(std::move(pathPrefix)), pathSuffix_(std::move(pathSuffix)) {}
  virtual ~ResourceManager() = default;
  ResourceManager(const ResourceManager&) = delete;
  ResourceManager& operator=(const ResourceManager&) = delete;

  // Data from Windows writes folders with backslashes too: they are the same names.
  static std::string ToKey(std::string name) {
    for (char& c : name) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c == '\\') c = '/';
    }
    return name;
  }

  // The resource, or null (nothing changes) when the name is not held.
  T* Get(const std::string& name) {
    auto it = entries_.find(ToKey(name));
    if (it == entries_.end()) return nullptr;
    ++it->second.useCount;
    return it->second.resource.get();
  }

  // As Get, but a name not held is loaded; null when loading fails.
  T* GetOrLoad(const std::string& name) {
    const std::string key = ToKey(name);
    auto it = entries_.find(key);
    if (it != entries_.end()) {
      ++it->second.useCount;
      return it->second.resource.get();
    }
    const std::string path = key.compare(0, pathPrefix_.size(), pathPrefix_) == 0 ? key : pathPrefix_ + key + pathSuffix_;
    std::unique_ptr<T> loaded = Load(path);
    if (!loaded) return OnLoadFailed(key, path);
    LogAssetLoaded(path);
    T* resource = loaded.get();
    entries_[key] = Entry{std::move(loaded), 1};
    return resource;
  }

  // Stores under the name with one use; a resource already under it is replaced and destroyed
  // (holders of a replaced effect are kept working by reloading effects in place instead).
  T* Add(const std::string& name, std::unique_ptr<T> resource) {
    T* raw = resource.get();
    entries_[ToKey(name)] = Entry{std::move(resource), 1};
    return raw;
  }

  // Gives back one use; the last one destroys the resource. Unknown pointers are ignored.
  void Release(const T* resource) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->second.resource.get() != resource) continue;
      if (--it->second.useCount <= 0) entries_.erase(it);
      return;
    }
  }

  void DestroyAll() { entries_.clear(); }

  int UseCount(const std::string& name) const {
    auto it = entries_.find(ToKey(name));
    return it == entries_.end() ? 0 : it->second.useCount;
  }
  size_t Size() const { return entries_.size(); }

  template <class Visit>
  void ForEach(Visit visit) {
    for (auto& [key, entry] : entries_) visit(key, *entry.resource);
  }

 protected:
  // Managers that only hold what their loaders add cannot load: null.
  virtual std::unique_ptr<T> Load(const std::string& /*path*/) { return nullptr; }
  // What a failed load gives the caller.
  virtual T* OnLoadFailed(const std::string& /*key*/, const std::string& /*path*/) { return nullptr; }

 private:
  struct Entry {
    std::unique_ptr<T> resource;
    int useCount = 0;
  };
  std::string pathPrefix_;
  std::string pathSuffix_;
  std::map<std::string, Entry> entries_;
};

