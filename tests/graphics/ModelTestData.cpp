#include "tests/graphics/ModelTestData.h"

namespace {

std::string Mesh(const std::string& name, const std::string& armBone) {
  return "Mesh " + name + " { 3; 0.0;0.0;0.0;, 10.0;0.0;0.0;, 0.0;10.0;0.0;; 1; 3;0,1,2;;\n"
         "MeshNormals { 1; 0.0;0.0;-1.0;; 1; 3;0,0,0;; }\n"
         "MeshMaterialList { 1; 1; 0;; Material { 1.0;0.5;0.25;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; } }\n"
         "XSkinMeshHeader { 2; 2; 2; }\n"
         "SkinWeights { \"Root\"; 2; 0,1; 1.0,0.5; 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;; }\n"
         "SkinWeights { \"" + armBone + "\"; 2; 1,2; 0.5,1.0; 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,-10.0,0.0,0.0,1.0;; }\n"
         "}\n";
}

std::string Set(const std::string& name, const std::string& z) {
  return "AnimationSet " + name + " { Animation { {Arm} AnimationKey { 2; 1; 0;3;10.0,0.0," + z + ";;; } } }\n";
}

}  // namespace

std::string SkinnedModelText(const std::string& extra, const std::string& armBone) {
  return "xof 0303txt 0032\n"
         "Frame Root { FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;; }\n"
         "Frame Arm { FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,10.0,0.0,0.0,1.0;; } }\n" +
         Mesh("Body", armBone) + extra + "}\n" + Set("Lift", "5.0") + Set("Rest", "0.0");
}

std::string SecondSkinnedMesh() { return Mesh("Second", "Arm"); }
