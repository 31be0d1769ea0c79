#include "entities/PlayerStart.h"

#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "player/LogicServices.h"

namespace {

// The start's map, saved as a "var" holding its one value, "index".
class MapIndexField : public EntityField {
 public:
  MapIndexField() : EntityField("mapIndexComp") {}
  void Save(Entity* e, XmlWriter& w) const override {
    w.WriteStartElement("var");
    w.WriteAttribute("name", Name());
    XmlWriteNamedInt(w, "index", static_cast<int>(Of(e).mapIndex));
    w.WriteEndElement();
  }
  void Load(Entity* e, XmlReader& r) const override {
    r.ReadTag();
    if (r.IsEmptyTag() || r.IsEndTag()) return;
    int index = static_cast<int>(Of(e).mapIndex);
    XmlReadIntElement(r, index);
    Of(e).mapIndex = static_cast<uint32_t>(index);
    r.ReadTag();
  }

 private:
  static MapIndexComp& Of(Entity* e) { return static_cast<PlayerStart*>(e)->mapIndex; }
};

}  // namespace

void PlayerStart::Describe(ClassBuilder<PlayerStart>& c) {
  c.Component(&PlayerStart::physical);
  c.Component(&PlayerStart::mapIndex);
  c.Field("physical", &PlayerStart::physical);
  c.Field(std::make_unique<MapIndexField>());
}

PlayerStart::PlayerStart(const GameServices& services) : services_(services) { physical.createActor = 0; }

PlayerStart::~PlayerStart() {
  services_.logic.UnregisterEntity(kClassName, *this);
}

void PlayerStart::OnCreate() {
  services_.logic.RegisterEntity(kClassName, *this);
}
