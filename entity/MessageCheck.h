#pragma once
#include <string>

// Whether any registered entity class binds a handler to the name.
bool IsKnownMessage(const std::string& name);

// Debug builds log a declared message that is sent while no entity class answers to it, once,
// on "MessageLog": a name misspelt in a declaration, or a handler that was never bound.
#ifdef NDEBUG
inline void ReportIfUnknown(const char*) {}
#else
void ReportIfUnknown(const char* name);
#endif
