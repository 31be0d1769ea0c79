#pragma once
#include <map>
#include <string>

class GadgetBase;

// The gadget behaviours by name, ignoring case ("taser" finds "Taser"). Holds, does not own.
class GadgetRegistry {
 public:
  // Replaces a behaviour already stored under the same lower-cased name.
  void Add(const std::string& name, GadgetBase* gadget);
  GadgetBase* Find(const std::string& name) const;

  size_t Size() const { return gadgets_.size(); }

 private:
  std::map<std::string, GadgetBase*> gadgets_;
};

// The process's registry, holding the five behaviours of the game ("Default", "Taser",
// "SuctionCupGun", "SmokeGrenade", "Box") from the first call on.
GadgetRegistry& Gadgets();
