#include "player/gadgets/GadgetEnt.h"

#include "engine/Engine.h"
#include "entity/RecordFields.h"
#include "player/Player.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetBase.h"

namespace {

// The model section of a gadget file names the model to load.
struct ModelSection {
  std::string& fileName;
};

template <class Visitor>
void VisitFields(Visitor& v, ModelSection& model) {
  v("FileName", model.fileName);
}

}  // namespace

void GadgetEnt::Describe(ClassBuilder<GadgetEnt>& c) {
  c.Component(&GadgetEnt::gadget);
  c.Component(&GadgetEnt::physical);
  c.Component(&GadgetEnt::model);
  c.Message(kAssignPlayer, &GadgetEnt::AssignPlayer);
  c.Message(kOnUpdate, &GadgetEnt::OnUpdate);
  c.Message(kOnModelUpdate, &GadgetEnt::OnModelUpdate);
  c.Message(kFire, &GadgetEnt::Fire);
  c.Message(kStopFire, &GadgetEnt::StopFire);
}

// A pose without a body: the gadget never collides.
GadgetEnt::GadgetEnt(const GameServices& services) : services_(services) {
  physical.isStatic = 1;
  physical.createActor = 0;
}

void GadgetEnt::OnCreate() { model.visible = 0; }

void GadgetEnt::Save(XmlWriter& writer) {
  RecordFields::FieldWriter fields(writer);
  ModelSection section{model.modelName};
  fields("GadgetComp", gadget);
  fields("ModelComp", section);
}

void GadgetEnt::Load(XmlReader& reader) {
  RecordFields::FieldReader fields(reader);
  ModelSection section{model.modelName};
  fields("GadgetComp", gadget);
  fields("ModelComp", section);
}

void GadgetEnt::AssignPlayer(Entity* player) { GadgetBase::AssignPlayer(this, dynamic_cast<Player*>(player)); }

void GadgetEnt::OnUpdate() { GadgetBase::Update(this); }

void GadgetEnt::Fire() {
  if (gadget.behavior) gadget.behavior->Fire(this);
}

std::string GadgetFilePath(const std::string& name) { return "Data/gadgets/" + name + ".xml"; }

GadgetEnt* MakeGadget(Engine& engine, const std::string& name) {
  const std::string path = GadgetFilePath(name);
  auto* gadget = static_cast<GadgetEnt*>(engine.GetEntityManager()->CreateFromFile(GadgetEnt::kClassName, path));
  if (gadget && !gadget->gadget.behavior) {
    engine.GetLog()->Write("LogicLog",
                                   "Gadget " + name + " (" + path + ") names no known behaviour \"" +
                                       gadget->gadget.BehaviorName + "\"; it stays inert",
                                   2);
  }
  return gadget;
}
