#pragma once
#include "entity/Component.h"
#include "entity/EntityManager.h"

// One map entity's reference to another by the designer's name: the map's "target" key names
// it, and the game start resolves it once every map of the museum is loaded. Held by id, so a
// target that is deleted later simply stops resolving.
class EntRefComp : public Component {
 public:
  static constexpr char kComponentName[] = "EntRefComp";
  void Activate() override {}

  EntityHandle target;
};
