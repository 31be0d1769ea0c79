#pragma once
#include "entity/KeyValueMap.h"

class Entity;
class XmlReader;
class XmlWriter;
class FgdWriter;

// One field of an entity class as its five field passes see it. Fields are listed in
// declaration order in the class's table; each pass walks them in that order.
class EntityField {
 public:
  explicit EntityField(const char* name) : name_(name) {}
  virtual ~EntityField() = default;

  // Passes a kind of field takes no part in do nothing.
  virtual void ReadKey(Entity*, KeyValueMap&) const {}
  virtual void WriteEnt(Entity*, XmlWriter&) const {}
  virtual void WriteFgd(Entity*, FgdWriter&) const {}
  virtual void Save(Entity* entity, XmlWriter& writer) const = 0;
  virtual void Load(Entity* entity, XmlReader& reader) const = 0;

  const char* Name() const { return name_; }

 private:
  const char* name_;
};
