#pragma once
#include <cstdint>

class Entity;

// A part of an entity, embedded as a member. Its owner sets it up once, when the owner
// initialises its components; components a system drives register with that system then.
class Component {
 public:
  virtual ~Component() = default;
  virtual void Activate() = 0;

  Entity* owner = nullptr;
  uint8_t active = 0;
};
