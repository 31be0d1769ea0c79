#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

// Console variables: names bound to variables of the program, read and set as text from the
// console, shown by the variable panel and shared between subsystems by name. A binding keeps
// a pointer to the program's own variable; the owner must outlive it or rebind the name.
class VariableTable {
 public:
  enum class Type { Bool, Int, Float, Double, String };

  class Holder {
   public:
    virtual ~Holder() = default;
    virtual void SetFromText(const std::string& text) = 0;
    virtual std::string ToText() const = 0;
    virtual Type GetType() const = 0;
    virtual void* Address() const = 0;
  };

  // Binding a name again moves it to the new address; names are never unbound.
  void BindBool(const std::string& name, bool* value);
  void BindInt(const std::string& name, int32_t* value);
  void BindFloat(const std::string& name, float* value);
  void BindDouble(const std::string& name, double* value);
  void BindString(const std::string& name, std::string* value);

  // Read and set as text; an unknown name prints "Couldn't get variable " / "Couldn't set
  // variable " and the name on the console and returns false.
  bool Get(const std::string& name, std::string& text) const;
  bool Set(const std::string& name, const std::string& text);

  // Typed access. The caller's type must be the bound type: a mismatch is refused with a
  // logged error instead of writing past the bound variable.
  template <class T>
  bool GetTyped(const std::string& name, T& out) const {
    const Holder* h = FindTyped(name, TypeOf<T>(), "get");
    if (!h) return false;
    out = *static_cast<const T*>(h->Address());
    return true;
  }
  template <class T>
  bool SetTyped(const std::string& name, const T& value) {
    const Holder* h = FindTyped(name, TypeOf<T>(), "set");
    if (!h) return false;
    *static_cast<T*>(h->Address()) = value;
    return true;
  }

  bool Has(const std::string& name) const { return vars_.count(name) != 0; }
  const Holder* Find(const std::string& name) const;
  // In name order.
  void ForEach(const std::function<void(const std::string&, const Holder&)>& visit) const;
  size_t Size() const { return vars_.size(); }

 private:
  template <class T>
  static constexpr Type TypeOf() {
    if constexpr (std::is_same_v<T, bool>) return Type::Bool;
    else if constexpr (std::is_same_v<T, int32_t>) return Type::Int;
    else if constexpr (std::is_same_v<T, float>) return Type::Float;
    else if constexpr (std::is_same_v<T, double>) return Type::Double;
    else {
      static_assert(std::is_same_v<T, std::string>, "console variables are bool, int, float, double or string");
      return Type::String;
    }
  }
  const Holder* FindTyped(const std::string& name, Type type, const char* verb) const;
  void Bind(const std::string& name, std::unique_ptr<Holder> holder);

  std::map<std::string, std::unique_ptr<Holder>> vars_;
};

// The binding functions and typed accessors on the engine's table.
void BindBoolVariable(const std::string& name, bool* value);
void BindIntVariable(const std::string& name, int32_t* value);
void BindFloatVariable(const std::string& name, float* value);
void BindDoubleVariable(const std::string& name, double* value);
void BindStringVariable(const std::string& name, std::string* value);

namespace ConsoleBinding {
template <class T>
bool Get(const std::string& name, T& out);
}
template <class T>
bool SetVariable(const std::string& name, const T& value);
