#include "player/GameQueries.h"

#include "player/LogicServices.h"

Entity* UserThief() {
  LogicServices* logic = LogicServices::Get();
  return logic ? logic->GetPlayerEntity() : nullptr;
}

bool IsRoundOver() {
  LogicServices* logic = LogicServices::Get();
  return logic && logic->IsRoundOver();
}
