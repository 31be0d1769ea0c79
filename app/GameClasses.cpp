#include "app/GameClasses.h"

#include "entity/EntityClass.h"
#include "input/GameControls.h"
#include "input/NullControls.h"
#include "logic/LogicCmds.h"
#include "logic/MainControls.h"

void RegisterGameClasses() {
  constexpr const char* kLogicLog = "LogicLog";
  RegisterEntityClass<LogicCmds>(kLogicLog);
  RegisterEntityClass<MainControls>(kLogicLog);
  RegisterEntityClass<GameControls>(kLogicLog);
  RegisterEntityClass<NullControls>(kLogicLog);
}
