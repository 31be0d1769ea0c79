#pragma once
#include <string>
#include <vector>

#include "tools/soundgen/Synth.h"

// The demo's sounds: what each is called and how it is made.
namespace soundgen {

enum class Container { kWav, kOgg };

struct Entry {
  std::string name;  // the file name without its extension, lower case
  Container container;
  Clip (*make)();
};

std::vector<Entry> Effects();
std::vector<Entry> Music();

}  // namespace soundgen
