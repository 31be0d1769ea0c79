#include "entity/HandlerBinder.h"

#include "engine/Engine.h"

void HandlerBinder::LogFailure(const char* text) const {
  if (Engine* engine = Engine::Current()) engine->GetLog()->Write(logChannel_, text, 2);
}
