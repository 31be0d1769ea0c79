#include "player/LogicServices.h"

namespace {
LogicServices* current = nullptr;
}  // namespace

LogicServices* LogicServices::Get() { return current; }

void LogicServices::Set(LogicServices* services) { current = services; }

LogicServices::~LogicServices() {
  if (current == this) current = nullptr;
}
