#pragma once
#include <map>
#include <string>

#include "player/EntityList.h"

class Entity;

// The running game's entities, one list per class name, each made by the first registration
// of its class in a game. Clearing the game drops them all, so a class that did not register
// this game has no list.
class ClassLists {
 public:
  void Register(const std::string& className, const Entity& entity);
  // Nothing when the class has no list.
  void Unregister(const std::string& className, const Entity& entity);
  // Null when no entity of the class registered in this game.
  const EntityList* Get(const std::string& className) const;
  void Clear() { lists_.clear(); }

 private:
  std::map<std::string, EntityList> lists_;
};
