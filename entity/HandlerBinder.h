#pragma once
#include <array>
#include <cstdlib>
#include <string>
#include <tuple>
#include <type_traits>

#include "entity/MessageArgs.h"

class Entity;

// The binding of one message name to one handler: it unpacks the arguments into the handler's
// parameters, checking their count and sizes first. The parameter list decides how.
class HandlerBinder {
 public:
  explicit HandlerBinder(const char* logChannel) : logChannel_(logChannel) {}
  virtual ~HandlerBinder() = default;
  virtual void Invoke(Entity* target, MessageArgs* args) = 0;

 protected:
  // Reads the arguments into `values`; on a wrong count or size logs the reason and returns
  // false. A handler without parameters takes nothing and checks nothing. The handler call
  // itself stays outside this guard, so its own exceptions reach the sender.
  template <class... P, class Tuple>
  bool ReadValues(const MessageArgs* args, Tuple& values) const;

  // Logs a failed conversion on the channel of the module that owns the binder.
  void LogFailure(const char* text) const;

 private:
  const char* logChannel_;
};

// How a handler's parameter list is read from a MessageArgs. Only these lists exist; any
// other fails to compile at the registration.
template <class... P>
struct ArgReader;

template <>
struct ArgReader<> {
  static std::tuple<> Read(const MessageArgs*) { return {}; }
};
template <>
struct ArgReader<int> {
  static std::tuple<int> Read(const MessageArgs* a) { return {a->GetInt()}; }
};
template <>
struct ArgReader<float> {
  static std::tuple<float> Read(const MessageArgs* a) { return {a->GetFloat()}; }
};
template <>
struct ArgReader<bool> {
  static std::tuple<bool> Read(const MessageArgs* a) { return {a->GetBool()}; }
};
template <>
struct ArgReader<std::string> {
  static std::tuple<std::string> Read(const MessageArgs* a) { return {a->GetString()}; }
};
// Entity ids and other 4-byte raw values.
template <>
struct ArgReader<uint32_t> {
  static std::tuple<uint32_t> Read(const MessageArgs* a) { return {a->GetValue32()}; }
};
template <class T>
struct ArgReader<T*> {
  static std::tuple<T*> Read(const MessageArgs* a) {
    return {static_cast<T*>(const_cast<void*>(a->GetPointer()))};
  }
};
template <>
struct ArgReader<std::string, std::string> {
  static std::tuple<std::string, std::string> Read(const MessageArgs* a) {
    std::tuple<std::string, std::string> t;
    a->GetTwoStrings(std::get<0>(t), std::get<1>(t));
    return t;
  }
};
template <>
struct ArgReader<bool, bool> {
  static std::tuple<bool, bool> Read(const MessageArgs* a) {
    std::tuple<bool, bool> t;
    a->GetPair(std::get<0>(t), std::get<1>(t));
    return t;
  }
};
// Three or four numbers (colours, light and outline settings): typed words are read as
// decimal numbers (0.0 where there is none), values sent by code as 4-byte floats.
template <size_t N>
struct FloatArgs {
  static auto Read(const MessageArgs* a) {
    a->CheckCount(N);
    std::array<float, N> v{};
    for (size_t i = 0; i < N; ++i)
      v[i] = a->IsText() ? static_cast<float>(std::strtod(a->TextAt(i).c_str(), nullptr)) : a->RawAt<float>(i);
    return std::apply([](auto... f) { return std::make_tuple(f...); }, v);
  }
};
template <>
struct ArgReader<float, float, float> : FloatArgs<3> {};
template <>
struct ArgReader<float, float, float, float> : FloatArgs<4> {};

// Two raw values in their memory form (a vector and an id): they have no text form.
template <class A, class B>
struct ArgReader<A, B> {
  static_assert(std::is_trivially_copyable_v<A> && std::is_trivially_copyable_v<B>);
  static std::tuple<A, B> Read(const MessageArgs* a) {
    a->CheckCount(2);
    a->RefuseText();
    return {a->RawAt<A>(0), a->RawAt<B>(1)};
  }
};

template <class... P>
using ArgReaderFor = ArgReader<std::remove_cvref_t<P>...>;

// A handler that is a member function of the entity class T.
template <class T, class... P>
class MemberBinder : public HandlerBinder {
 public:
  using Handler = void (T::*)(P...);
  MemberBinder(Handler handler, const char* logChannel) : HandlerBinder(logChannel), handler_(handler) {}

  void Invoke(Entity* target, MessageArgs* args) override {
    std::tuple<std::remove_cvref_t<P>...> values;
    if (!ReadValues<P...>(args, values)) return;
    std::apply([&](auto&... v) { (static_cast<T*>(target)->*handler_)(v...); }, values);
  }

 private:
  Handler handler_;
};

// A handler that is a plain function taking the receiving entity first (console commands).
template <class... P>
class FunctionBinder : public HandlerBinder {
 public:
  using Handler = void (*)(Entity*, P...);
  FunctionBinder(Handler handler, const char* logChannel) : HandlerBinder(logChannel), handler_(handler) {}

  void Invoke(Entity* target, MessageArgs* args) override {
    std::tuple<std::remove_cvref_t<P>...> values;
    if (!ReadValues<P...>(args, values)) return;
    std::apply([&](auto&... v) { handler_(target, v...); }, values);
  }

 private:
  Handler handler_;
};

template <class... P, class Tuple>
bool HandlerBinder::ReadValues(const MessageArgs* args, Tuple& values) const {
  if constexpr (sizeof...(P) == 0) {
    return true;
  } else {
    static const MessageArgs empty;
    try {
      values = ArgReaderFor<P...>::Read(args ? args : &empty);
      return true;
    } catch (const std::exception& e) {
      LogFailure(e.what());
      return false;
    }
  }
}
