#pragma once
#include <string>

// What a thief asks of the teleporter it stands in: the sound heard as it goes through. The
// teleporter entity implements it; the thief then posts it "Teleport".
class TeleportDoor {
 public:
  virtual ~TeleportDoor() = default;
  virtual std::string GetTeleportSound() const = 0;
};
