#pragma once
#include "platform/math/Vector.h"

// The size of the guard's model as "Data/MeshInfo.xml" gives it (the model list's default for
// a model without a record): graph building keeps nodes only where a guard fits. Read from the
// file, not the graphics, so that graphs are built the same with or without a display.
platform::Vector3 GuardModelSize();
