#pragma once
#include <memory>
#include <string>
#include <type_traits>

#include "entity/Component.h"
#include "entity/EditorKeys.h"
#include "entity/EntityField.h"
#include "entity/FgdWriter.h"
#include "entity/Params.h"

// The field passes of each kind of entity field. Ints and strings take part in every pass;
// floats and bools are only saved and loaded; a component is saved as an empty reference.
template <class T, class F>
class MemberField : public EntityField {
 public:
  MemberField(const char* name, F T::*member) : EntityField(name), member_(member) {}

 protected:
  F& Of(Entity* e) const { return static_cast<T*>(e)->*member_; }

 private:
  F T::*member_;
};

template <class T>
class IntField : public MemberField<T, int> {
 public:
  using MemberField<T, int>::MemberField;
  void ReadKey(Entity* e, KeyValueMap& keys) const override { KeyValueReadInt(keys, this->Name(), this->Of(e)); }
  void WriteEnt(Entity* e, XmlWriter& w) const override { EntDefWriteInt(w, this->Name(), this->Of(e)); }
  void WriteFgd(Entity* e, FgdWriter& w) const override { FgdWriteInt(w, this->Name(), this->Of(e)); }
  void Save(Entity* e, XmlWriter& w) const override { XmlWriteNamedInt(w, this->Name(), this->Of(e)); }
  void Load(Entity* e, XmlReader& r) const override { XmlReadNamedInt(r, this->Name(), this->Of(e)); }
};

template <class T>
class StringField : public MemberField<T, std::string> {
 public:
  using MemberField<T, std::string>::MemberField;
  void ReadKey(Entity* e, KeyValueMap& keys) const override { KeyValueReadString(keys, this->Name(), this->Of(e)); }
  void WriteEnt(Entity* e, XmlWriter& w) const override { EntDefWriteString(w, this->Name(), this->Of(e)); }
  void WriteFgd(Entity* e, FgdWriter& w) const override { FgdWriteString(w, this->Name(), this->Of(e)); }
  void Save(Entity* e, XmlWriter& w) const override { XmlWriteNamedString(w, this->Name(), this->Of(e)); }
  void Load(Entity* e, XmlReader& r) const override { XmlReadNamedString(r, this->Name(), this->Of(e)); }
};

template <class T>
class FloatField : public MemberField<T, float> {
 public:
  using MemberField<T, float>::MemberField;
  void Save(Entity* e, XmlWriter& w) const override { Params::WriteNamedFloat(w, this->Name(), this->Of(e)); }
  void Load(Entity* e, XmlReader& r) const override { Params::ReadFloat(r, this->Name(), this->Of(e)); }
};

template <class T>
class BoolField : public MemberField<T, bool> {
 public:
  using MemberField<T, bool>::MemberField;
  void Save(Entity* e, XmlWriter& w) const override { Params::WriteNamedBool(w, this->Name(), this->Of(e)); }
  void Load(Entity* e, XmlReader& r) const override { Params::ReadBool(r, this->Name(), this->Of(e)); }
};

// A component's own data is not saved: components are set up from their owner and from code.
class ComponentField : public EntityField {
 public:
  using EntityField::EntityField;
  void Save(Entity*, XmlWriter& w) const override { XmlWriteComponent(w, Name(), true); }
  void Load(Entity*, XmlReader& r) const override { XmlReadComponent(r, Name()); }
};

template <class T, class F>
std::unique_ptr<EntityField> MakeEntityField(const char* name, F T::*member) {
  if constexpr (std::is_same_v<F, int>) return std::make_unique<IntField<T>>(name, member);
  else if constexpr (std::is_same_v<F, std::string>) return std::make_unique<StringField<T>>(name, member);
  else if constexpr (std::is_same_v<F, float>) return std::make_unique<FloatField<T>>(name, member);
  else if constexpr (std::is_same_v<F, bool>) return std::make_unique<BoolField<T>>(name, member);
  else {
    static_assert(std::is_base_of_v<Component, F>, "entity fields are int, string, float, bool or components");
    return std::make_unique<ComponentField>(name);
  }
}
