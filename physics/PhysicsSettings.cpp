#include "physics/PhysicsSettings.h"

#include "engine/ConfigFile.h"

void LoadPhysicsSettings(PhysicsSettings& settings, const std::string& path) {
  // Read again at every game start, which restarts the physics.
  LoadRecordFile(settings, path, "PhysicsLog", WhenMissing::WriteBack, RecordFields::FieldReader::Order::Positional,
                 Said::OncePerRun);
}

void SavePhysicsSettings(const PhysicsSettings& settings, const std::string& path) {
  SaveRecordFile(settings, path, "PhysicsLog");
}
