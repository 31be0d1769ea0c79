#pragma once
#include <string>

#include "platform/xfile/Model.h"

namespace modelgen {

enum class CharacterKind { Thief, FemaleThief, Guard };

// A skinned, animated character: one mesh with one textured material over a skeleton whose
// bones are named in the biped fashion ("Bip01_R_Hand" and so on), standing with its feet at
// the bottom of a box centred on the origin, facing -x, up +z; animation sets in the order
// the game selects them (see ThiefClips and GuardClips).
platform::xfile::Model BuildCharacter(CharacterKind kind, const std::string& textureName);

// The character's height, which is also the z extent of its box.
float CharacterHeight(CharacterKind kind);

}  // namespace modelgen
