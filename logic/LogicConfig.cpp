#include "logic/LogicConfig.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/ConfigFile.h"
#include "engine/Engine.h"
#include "engine/TextFormat.h"

namespace {

const char* kLogicLog = "LogicLog";

void Report(const std::string& path, const std::string& what) {
  Engine::Get()->GetLog()->Write(kLogicLog, path + ": " + what, 2);
}

void CorrectReach(const std::string& path, const char* name, float& reach) {
  if (std::isfinite(reach) && reach >= 0.0f) return;
  Report(path, std::string(name) + " " + FormatFloat(reach) + " is no squared distance; 5000 is used");
  reach = LogicConfig().teleportHitDist;
}

}  // namespace

void LogicConfig::Load(const std::string& path) {
  LoadRecordFile(*this, path, kLogicLog, WhenMissing::WriteBack, RecordFields::FieldReader::Order::Checked);
  Correct(path);
}

void LogicConfig::Save(const std::string& path) const {
  SaveRecordFile(*this, path, kLogicLog);
}

void LogicConfig::Correct(const std::string& path) {
  if (difficulty < 1 || difficulty > 3) {
    const int32_t corrected = std::clamp(difficulty, 1, 3);
    Report(path, "difficulty " + std::to_string(difficulty) + " is outside 1 to 3; " + std::to_string(corrected) +
                     " is used");
    difficulty = corrected;
  }
  if (!(time > 0.0f) || !std::isfinite(time)) {
    const float corrected = LogicConfig().time;
    Report(path, "time " + FormatFloat(time) + " is no round length; " + FormatFloat(corrected) + " minutes are used");
    time = corrected;
  }
  CorrectReach(path, "teleportHitDist", teleportHitDist);
  CorrectReach(path, "itemDropoffHitDist", itemDropoffHitDist);
  CorrectReach(path, "guardHitDist", guardHitDist);
}
