#pragma once
#include <map>
#include <string>

#include "graphics/ResourceManager.h"

class GUISpriteElement;

// Named sprite elements of every screen, so that the game logic can reach them by name (letter
// case ignored). The screens own the elements; this only points at them.
class SpriteElementManager {
 public:
  // Stores under the name with one use, replacing an element already there.
  void Add(const std::string& name, GUISpriteElement* element) { entries_[Key(name)] = {element, 1}; }
  // The element, counting one more use, or null.
  GUISpriteElement* Get(const std::string& name) {
    auto it = entries_.find(Key(name));
    if (it == entries_.end()) return nullptr;
    ++it->second.useCount;
    return it->second.element;
  }
  // Forgets every entry that points into `elements`.
  template <class Elements>
  void RemoveAll(const Elements& elements) {
    std::erase_if(entries_, [&](const auto& entry) {
      for (const auto& element : elements) {
        if (&element == entry.second.element) return true;
      }
      return false;
    });
  }
  size_t Size() const { return entries_.size(); }

 private:
  static std::string Key(const std::string& name) { return ResourceManager<GUISpriteElement>::ToKey(name); }
  struct Entry {
    GUISpriteElement* element = nullptr;
    int useCount = 0;
  };
  std::map<std::string, Entry> entries_;
};
