#pragma once
#include "entity/EntityFields.h"
#include "entity/ValueText.h"
#include "entity/XmlWriter.h"

// A float field that level designers set: besides being saved and loaded like every float
// field, it is read from the map entity's keys (as a decimal number) and described to the
// level editor ("real" in the entity definitions, "float" in the FGD).
template <class T>
class MapFloatField : public FloatField<T> {
 public:
  using FloatField<T>::FloatField;

  void ReadKey(Entity* e, KeyValueMap& keys) const override {
    auto found = keys.find(this->Name());
    if (found != keys.end()) this->Of(e) = ParseFloatText(found->second);
  }
  void WriteEnt(Entity* e, XmlWriter& w) const override {
    w.WriteStartElement("real");
    w.WriteAttribute("key", this->Name());
    w.WriteAttribute("name", this->Name());
    w.WriteString(FloatText(this->Of(e)));
    w.WriteEndElement();
  }
  void WriteFgd(Entity* e, FgdWriter& w) const override { w.WriteProperty(this->Name(), "float", FloatText(this->Of(e))); }
};
