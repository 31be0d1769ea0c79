#pragma once
#include <map>
#include <string>
#include <vector>

#include "entity/EntityManager.h"

class Entity;

// Decides whose input components are active, and finds control schemes by the names they
// registered under ("Game", "Null", "InterpEdit", "Dev", "Console").
class InputFocus {
 public:
  // Turns an entity's input components (its ControlMap and TextInput) on or off. The input
  // system owns those components and installs the switch while it runs; without one, focus
  // changes are kept but switch nothing.
  using Switch = void (*)(Entity* entity, bool on);
  void SetSwitch(Switch turn) { switch_ = turn; }

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
  void Turn(Entity* entity, bool on) const {
    if (switch_) switch_(entity, on);
  }

  Switch switch_ = nullptr;
  std::vector<EntityHandle> focused_;
  std::map<std::string, EntityHandle> schemes_;
};
