#pragma once
#include <string>

#include "platform/xfile/Model.h"

namespace modelgen {

// Writes a model as a text model file ("xof 0303txt 0032"): the frame tree with its matrices
// and meshes (normals, texture coordinates, materials, skin weights), then the animation sets.
// The model's sets are in the order the game selects them; the file lists them the other way
// round, since the game's loader numbers them from the last set in the file. The tick rate is
// the first set's. Numbers are printed with fixed precision, so equal models give equal text.
std::string WriteTextModel(const platform::xfile::Model& model);

}  // namespace modelgen
