#pragma once
#include <string>

#include "entity/Message.h"

// The engine's console commands, typed as "ai 1", "getvar name" and so on.
inline constexpr Message<bool> kAi{"ai"};
inline constexpr Message<std::string> kGetVar{"getvar"};
inline constexpr Message<std::string, std::string> kSetVar{"setvar"};
inline constexpr Message<> kListVars{"listvars"};
inline constexpr Message<> kExport{"export"};

// A typed character reached an entity's text input; the entity reads it back from there.
inline constexpr Message<> kUpdateTextInput{"UpdateTextInput"};

// The console window's keys; like every key action they carry whether the key went down.
inline constexpr Message<bool> kScrollUp{"ScrollUp"};
inline constexpr Message<bool> kScrollDown{"ScrollDown"};
