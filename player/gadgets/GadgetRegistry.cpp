#include "player/gadgets/GadgetRegistry.h"

#include "player/gadgets/BoxGadget.h"
#include "player/gadgets/SmokeGrenadeGadget.h"
#include "player/gadgets/SuctionCupGun.h"
#include "player/gadgets/Taser.h"

namespace {

// Only A to Z change: names are ASCII, and other bytes must stay as they are.
std::string Lower(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

GadgetRegistry& Registry() {
  static GadgetRegistry registry;
  return registry;
}

}  // namespace

void GadgetRegistry::Add(const std::string& name, GadgetBase* gadget) { gadgets_[Lower(name)] = gadget; }

GadgetBase* GadgetRegistry::Find(const std::string& name) const {
  auto it = gadgets_.find(Lower(name));
  return it == gadgets_.end() ? nullptr : it->second;
}

GadgetBase::GadgetBase(const char* name) { Registry().Add(name, this); }

GadgetRegistry& Gadgets() {
  // Made once, in this order, each registering itself.
  static GadgetBase defaultGadget("Default");
  static Taser taser;
  static SuctionCupGun suctionCupGun;
  static SmokeGrenadeGadget smokeGrenade;
  static BoxGadget box;
  return Registry();
}
