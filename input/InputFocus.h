#pragma once
#include <map>
#include <string>
#include <vector>

#include "entity/EntityManager.h"

class Entity;

// Decides whose ControlMap and TextInput components are active, and finds control schemes by
// the names they registered under ("Game", "Null", "InterpEdit", "Dev", "Console").
class InputFocus {
 public:
  // Stores the scheme under the name and switches its input components off until it is given
  // the focus.
  void RegisterScheme(const std::string& name, Entity* entity);
  // The scheme's handle, or an empty one when the name is unknown or its entity is gone.
  EntityHandle FindScheme(const std::string& name);
  // Makes this entity the only focused one; an entity that does not exist changes nothing.
  void SetFocus(EntityHandle handle);
  // Adds an entity to the focused ones, switching nothing off.
  void AddFocus(EntityHandle handle);

  const std::vector<EntityHandle>& Focused() const { return focused_; }

 private:
  static void Switch(Entity* entity, bool on);

  std::vector<EntityHandle> focused_;
  std::map<std::string, EntityHandle> schemes_;
};
