#include "entities/Flashlight.h"

#include "platform/math/Matrix.h"

void Flashlight::Describe(ClassBuilder<Flashlight>& c) {
  c.Component(&Flashlight::model);
  c.Component(&Flashlight::physical);
  c.Component(&Flashlight::cluster);
  c.Component(&Flashlight::light);
  c.Message(kSetDirection, &Flashlight::SetDirection);
}

Flashlight::Flashlight() { physical.createActor = 0; }

// The beam is see-through, so it is drawn with the models sorted back to front.
void Flashlight::OnCreate() {
  physical.SetPosition({0, 0, 0});
  model.Load("cone");
  model.SetEffect("Flashlight");
  model.sorted = 1;
  SetDirection(1, 0, 0);
}

void Flashlight::SetDirection(float x, float y, float z) {
  physical.SetDirection({x, y, z});
  light.direction = {x, y, z};
}

void Flashlight::SetOrientation(const platform::Quaternion& orientation) {
  physical.SetOrientation(orientation);
  light.direction = platform::Vec3TransformNormal({1, 0, 0}, platform::MatrixRotationQuaternion(orientation));
}

void Flashlight::Switch(bool on, int32_t mapIndex) {
  light.enabled = on;
  light.mapIndex = mapIndex;
  model.visible = on ? 1 : 0;
}
