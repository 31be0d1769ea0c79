#pragma once
#include <tuple>
#include <type_traits>

#include "entity/HandlerBinder.h"

// A message as senders and class tables see it: its name on the wire and the types of its
// arguments. Each subsystem declares its messages once, in its own header:
//   inline constexpr Message<float> kChangeMoveSpeed{"ChangeMoveSpeed"};
// so a misspelt name or a wrong argument fails to compile at both ends. The console and the
// data files still name messages by their text.
template <class... A>
class Message {
 public:
  static_assert(requires { ArgReader<A...>::Read(nullptr); }, "no handler can read these argument types");

  constexpr explicit Message(const char* name) : name_(name) {}
  constexpr const char* Name() const { return name_; }

 private:
  const char* name_;
};

// A handler takes exactly the declared arguments, or none when it does not care about them.
template <class Declared, class... P>
inline constexpr bool kHandlerFits =
    sizeof...(P) == 0 || std::is_same_v<Declared, std::tuple<std::remove_cvref_t<P>...>>;
