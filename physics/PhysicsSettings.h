#pragma once
#include <string>

#include "platform/math/Vector.h"

// "Data/PhysicsConfig.xml": one nameless "var" holding the bool "noclip" and the vector
// "gravity", read by position.
struct PhysicsSettings {
  bool noclip = true;
  platform::Vector3 gravity{0, 0, -500.0f};
};

template <class Fields>
void VisitFields(Fields& f, PhysicsSettings& s) {
  f("noclip", s.noclip);
  f("gravity", s.gravity);
}

inline constexpr const char* kPhysicsConfigPath = "Data/PhysicsConfig.xml";

// Failures are logged on "PhysicsLog", once a run; a file that cannot be opened is written from
// `settings`, and values not read keep what they held.
void LoadPhysicsSettings(PhysicsSettings& settings, const std::string& path);
void SavePhysicsSettings(const PhysicsSettings& settings, const std::string& path);
