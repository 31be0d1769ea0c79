#include "entity/MessageCheck.h"

#include <set>

#include "engine/Engine.h"
#include "entity/ClassMessageTable.h"
#include "entity/EntityField.h"

bool IsKnownMessage(const std::string& name) {
  Engine* engine = Engine::Current();
  if (!engine) return false;
  for (const ClassMessageTable* table : engine->GetMessageTables())
    if (table->FindMessage(name)) return true;
  return false;
}

#ifndef NDEBUG
void ReportIfUnknown(const char* name) {
  // Once per name and process: some messages go out every frame.
  static std::set<std::string> reported;
  Engine* engine = Engine::Current();
  if (!engine || IsKnownMessage(name) || !reported.insert(name).second) return;
  engine->GetLog()->Write("MessageLog", std::string("No entity class handles the message ") + name, 2);
}
#endif
