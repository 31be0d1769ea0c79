#pragma once
#include <string>
#include <utility>

#include "entity/EntityClass.h"

// The entity classes a map's entity text may create. The text can name any class, but only the
// classes made to stand in a level (player starts, item spawns, teleporters, guards ...) work
// when a map places them: an "Item" or a "LogicCmds" created from a map breaks the game. Those
// classes register with RegisterMapEntityClass; every other class stays out of maps.
void AllowInMaps(const std::string& className);
bool IsMapEntityClass(const std::string& className);

template <class T>
void RegisterMapEntityClass(const char* logChannel, EntityManager::Factory make = [] { return new T(); }) {
  RegisterEntityClass<T>(logChannel, std::move(make));
  AllowInMaps(T::kClassName);
}
