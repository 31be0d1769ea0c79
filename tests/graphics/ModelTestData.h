#pragma once
#include <string>

// A small skinned model as text: frames Root > Arm (Arm 10 along x), a triangle (0,0,0),
// (10,0,0), (0,10,0) that Root holds with weight 1 on vertex 0 and 0.5 on vertex 1, and Arm with
// 0.5 on vertex 1 and 1 on vertex 2 (offset: back by 10 along x); two animation sets, "Lift"
// (Arm raised 5 along z) and then "Rest". `extra` goes into the Root frame after the mesh.
std::string SkinnedModelText(const std::string& extra = "", const std::string& armBone = "Arm");
// A second skinned mesh, for the models that have two.
std::string SecondSkinnedMesh();
