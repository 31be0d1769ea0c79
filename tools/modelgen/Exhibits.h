#pragma once
#include <vector>

#include "tools/modelgen/Asset.h"

namespace modelgen {

// Stealable exhibits for the museum's item list: "vase", "bust", "painting", "crown", "gem"
// and "idol", each a few dozen units high, standing centred on the origin and facing -x.
std::vector<ModelAsset> Exhibits();

}  // namespace modelgen
