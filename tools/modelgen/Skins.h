#pragma once
#include <string>
#include <vector>

#include "tools/modelgen/Character.h"
#include "tools/modelgen/Image.h"

namespace modelgen {

// The textures a character can wear, in the order of its texture-swap list: outfits 0 to 3 for
// the thieves; for the guard 0 on patrol, 1 asleep (eyes shut), 2 without a light (night
// uniform). The first is also the one the model's material names.
std::vector<Image> CharacterSkins(CharacterKind kind);

}  // namespace modelgen
