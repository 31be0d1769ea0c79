#include "engine/VariableTable.h"

#include <climits>
#include <cstdlib>

#include "engine/Engine.h"
#include "engine/TextFormat.h"

namespace {

template <class T, VariableTable::Type kType>
class TypedHolder : public VariableTable::Holder {
 public:
  explicit TypedHolder(T* value) : value_(value) {}
  VariableTable::Type GetType() const override { return kType; }
  void* Address() const override { return value_; }
  void SetFromText(const std::string& text) override;
  std::string ToText() const override;

 private:
  T* value_;
};

template <>
void TypedHolder<bool, VariableTable::Type::Bool>::SetFromText(const std::string& t) { *value_ = t == "true"; }
template <>
std::string TypedHolder<bool, VariableTable::Type::Bool>::ToText() const { return *value_ ? "true" : "false"; }

template <>
void TypedHolder<int32_t, VariableTable::Type::Int>::SetFromText(const std::string& t) {
  long v = std::strtol(t.c_str(), nullptr, 10);
  *value_ = static_cast<int32_t>(v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : v);
}
template <>
std::string TypedHolder<int32_t, VariableTable::Type::Int>::ToText() const { return std::to_string(*value_); }

template <>
void TypedHolder<float, VariableTable::Type::Float>::SetFromText(const std::string& t) {
  *value_ = static_cast<float>(std::strtod(t.c_str(), nullptr));
}
template <>
std::string TypedHolder<float, VariableTable::Type::Float>::ToText() const { return FormatFloat(*value_); }

template <>
void TypedHolder<double, VariableTable::Type::Double>::SetFromText(const std::string& t) {
  *value_ = std::strtod(t.c_str(), nullptr);
}
template <>
std::string TypedHolder<double, VariableTable::Type::Double>::ToText() const { return FormatDouble(*value_); }

template <>
void TypedHolder<std::string, VariableTable::Type::String>::SetFromText(const std::string& t) { *value_ = t; }
template <>
std::string TypedHolder<std::string, VariableTable::Type::String>::ToText() const { return *value_; }

template <VariableTable::Type kType, class T>
std::unique_ptr<VariableTable::Holder> MakeHolder(T* value) {
  return std::make_unique<TypedHolder<T, kType>>(value);
}

const char* TypeName(VariableTable::Type type) {
  static const char* const names[] = {"bool", "int", "float", "double", "string"};
  return names[static_cast<int>(type)];
}

void PrintMissing(const char* verb, const std::string& name) {
  Engine::Get()->GetConsole()->AppendText(std::string("Couldn't ") + verb + " variable ").AppendText(name).AppendText("\n");
}

}  // namespace

void VariableTable::Bind(const std::string& name, std::unique_ptr<Holder> holder) {
  auto it = vars_.find(name);
  // Rebinding to the very same variable changes nothing; the profiler does it every frame.
  if (it != vars_.end() && it->second->GetType() == holder->GetType() &&
      it->second->Address() == holder->Address())
    return;
  vars_[name] = std::move(holder);
}

void VariableTable::BindBool(const std::string& n, bool* v) { Bind(n, MakeHolder<Type::Bool>(v)); }
void VariableTable::BindInt(const std::string& n, int32_t* v) { Bind(n, MakeHolder<Type::Int>(v)); }
void VariableTable::BindFloat(const std::string& n, float* v) { Bind(n, MakeHolder<Type::Float>(v)); }
void VariableTable::BindDouble(const std::string& n, double* v) { Bind(n, MakeHolder<Type::Double>(v)); }
void VariableTable::BindString(const std::string& n, std::string* v) { Bind(n, MakeHolder<Type::String>(v)); }

const VariableTable::Holder* VariableTable::Find(const std::string& name) const {
  auto it = vars_.find(name);
  return it == vars_.end() ? nullptr : it->second.get();
}

bool VariableTable::Get(const std::string& name, std::string& text) const {
  const Holder* h = Find(name);
  if (!h) {
    PrintMissing("get", name);
    return false;
  }
  text = h->ToText();
  return true;
}

bool VariableTable::Set(const std::string& name, const std::string& text) {
  auto it = vars_.find(name);
  if (it == vars_.end()) {
    PrintMissing("set", name);
    return false;
  }
  it->second->SetFromText(text);
  return true;
}

const VariableTable::Holder* VariableTable::FindTyped(const std::string& name, Type type, const char* verb) const {
  const Holder* h = Find(name);
  if (!h) {
    PrintMissing(verb, name);
    return nullptr;
  }
  if (h->GetType() != type) {
    Engine::Get()->GetLog()->Write("EngineLog",
                                   std::string("Couldn't ") + verb + " variable " + name + ": it is a " +
                                       TypeName(h->GetType()) + ", not a " + TypeName(type),
                                   2);
    return nullptr;
  }
  return h;
}

void VariableTable::ForEach(const std::function<void(const std::string&, const Holder&)>& visit) const {
  for (const auto& [name, holder] : vars_) visit(name, *holder);
}

void BindBoolVariable(const std::string& n, bool* v) { Engine::Get()->GetVariableTable()->BindBool(n, v); }
void BindIntVariable(const std::string& n, int32_t* v) { Engine::Get()->GetVariableTable()->BindInt(n, v); }
void BindFloatVariable(const std::string& n, float* v) { Engine::Get()->GetVariableTable()->BindFloat(n, v); }
void BindDoubleVariable(const std::string& n, double* v) { Engine::Get()->GetVariableTable()->BindDouble(n, v); }
void BindStringVariable(const std::string& n, std::string* v) { Engine::Get()->GetVariableTable()->BindString(n, v); }

namespace ConsoleBinding {
template <class T>
bool Get(const std::string& name, T& out) {
  return Engine::Get()->GetVariableTable()->GetTyped(name, out);
}
template bool Get<bool>(const std::string&, bool&);
template bool Get<int32_t>(const std::string&, int32_t&);
template bool Get<float>(const std::string&, float&);
template bool Get<double>(const std::string&, double&);
template bool Get<std::string>(const std::string&, std::string&);
}  // namespace ConsoleBinding

template <class T>
bool SetVariable(const std::string& name, const T& value) {
  return Engine::Get()->GetVariableTable()->SetTyped(name, value);
}
template bool SetVariable<bool>(const std::string&, const bool&);
template bool SetVariable<int32_t>(const std::string&, const int32_t&);
template bool SetVariable<float>(const std::string&, const float&);
template bool SetVariable<double>(const std::string&, const double&);
template bool SetVariable<std::string>(const std::string&, const std::string&);
