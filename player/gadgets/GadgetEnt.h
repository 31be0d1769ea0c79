#pragma once
#include <string>

#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/PhysicalComp.h"
#include "player/GameServices.h"
#include "player/gadgets/GadgetComp.h"

// A gadget a thief carries: its "Gadget" state, the model seen while the thief aims and the
// pose it is drawn at. Every message goes on to the gadget's behaviour. Made from the gadget
// file "Data/gadgets/" + name + ".xml" (MakeGadget); never placed by a map.
class GadgetEnt : public EntityClass<GadgetEnt> {
 public:
  static constexpr char kClassName[] = "GadgetEnt";
  static void Describe(ClassBuilder<GadgetEnt>& c);

  explicit GadgetEnt(const GameServices& services);
  // What the gadget's behaviour uses of the program.
  const GameServices& Services() const { return services_; }
  // Hidden until its thief aims.
  void OnCreate() override;
  // The gadget file: a "GadgetComp" section with the behaviour's name, a "ModelComp" section
  // with the model's.
  void Save(XmlWriter& writer) override;
  void Load(XmlReader& reader) override;

  void AssignPlayer(Entity* player);
  void OnUpdate();
  void OnModelUpdate() {}
  void Fire();
  void StopFire() {}

  GadgetComp gadget;
  ModelComp model;
  PhysicalComp physical;

 private:
  const GameServices services_;
};

// "Data/gadgets/" + name + ".xml".
std::string GadgetFilePath(const std::string& name);
// A gadget entity from its file. A file that is missing or names no known behaviour is logged
// on "LogicLog" with the file and the name, and the gadget made stays inert.
GadgetEnt* MakeGadget(Engine& engine, const std::string& name);
