#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class Entity;

// The running game's entities of one class, in the order they announced themselves. It keeps
// ids, not pointers: an entity deleted mid-game (a taken item, a spent smoke bomb) drops out of
// every walk at once, even before its class takes it off the list.
class EntityList {
 public:
  // Walks the live entities in list order, skipping ids that no longer resolve.
  class Iterator {
   public:
    Iterator(const std::vector<uint32_t>& ids, size_t index) : ids_(&ids), index_(index) { SkipGone(); }
    Entity& operator*() const { return *current_; }
    Entity* operator->() const { return current_; }
    Iterator& operator++() {
      ++index_;
      SkipGone();
      return *this;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }
    bool operator!=(const Iterator& other) const { return index_ != other.index_; }

   private:
    void SkipGone();

    const std::vector<uint32_t>* ids_;
    size_t index_;
    Entity* current_ = nullptr;
  };

  void Add(const Entity& entity);
  // Takes the entity off the list; nothing when it is not on it.
  void Remove(const Entity& entity);

  // The live entities on the list.
  size_t Count() const;
  // The live entity at that place among the live ones, or null past the end.
  Entity* At(size_t index) const;

  Iterator begin() const { return Iterator(ids_, 0); }
  Iterator end() const { return Iterator(ids_, ids_.size()); }

 private:
  std::vector<uint32_t> ids_;
};
