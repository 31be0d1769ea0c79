#include "ai/GuardSize.h"

#include <strings.h>

#include <vector>

#include "ai/AIConfig.h"
#include "engine/ConfigFile.h"
#include "graphics/GraphicsLists.h"

platform::Vector3 GuardModelSize() {
  std::vector<MeshInfo> meshes;
  LoadRecordFile(meshes, kMeshInfoPath, kAILog, WhenMissing::Report);
  for (const MeshInfo& mesh : meshes) {
    if (strcasecmp(mesh.Name.c_str(), "models/guard.x") == 0) return mesh.BoundingBoxSize;
  }
  return MeshInfo().BoundingBoxSize;
}
