#include "graphics/gui/GadgetSwitchAnimation.h"

#include <utility>

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "graphics/ModelEnt.h"
#include "graphics/gui/GUIScreen.h"
#include "graphics/gui/HudPlayer.h"
#include "graphics/gui/HudSeams.h"

void GadgetSwitchAnimation::OnStart() {
  duration = 0.5f;
  SetParameter("x0", 320.0f, 220.0f);
  SetParameter("y0", -220.0f, -240.0f);
  SetParameter("x1", 220.0f, 415.0f);
  SetParameter("y1", -240.0f, -280.0f);
  SetParameter("x2", 415.0f, 320.0f);
  SetParameter("y2", -280.0f, -220.0f);
  SetParameter("scale0", 1.0f, 0.5f);
  SetParameter("scale1", 0.5f, 0.5f);
  SetParameter("scale2", 0.5f, 1.0f);
  slot0 = slot1 = slot2 = nullptr;
  GUIScreen* screen = Engine::Get()->GetGraphics()->GetCurrentScreen();
  if (!screen || screen->models.size() < 3) return;
  // A gadget index outside the three still picks one of them.
  const int32_t g = (HudCurrentGadget() % 3 + 3) % 3;
  auto m = [&](int32_t i) { return &screen->models[static_cast<size_t>((g + i) % 3)]; };
  if (!reverse) {
    slot0 = m(0);
    slot1 = m(1);
    slot2 = m(2);
    return;
  }
  slot1 = m(0);
  slot2 = m(1);
  slot0 = m(2);
  for (auto& [name, start] : startValues) std::swap(start, endValues[name]);
  currentValues = startValues;
}

void GadgetSwitchAnimation::Apply() {
  Place(slot0, "x0", "y0", "scale0");
  Place(slot1, "x1", "y1", "scale1");
  Place(slot2, "x2", "y2", "scale2");
}

// The gadget is looked up through its handle each frame: a model whose gadget is gone stays
// where it is.
void GadgetSwitchAnimation::Place(GUIModelElement* element, const char* x, const char* y, const char* scale) {
  Entity* bound = element ? element->boundEntity.Get() : nullptr;
  const auto* gadget = bound ? bound->Find<HudGadget>() : nullptr;
  if (!gadget) return;
  element->ModelPos.x = Value(x);
  element->ModelPos.z = Value(y) + gadget->GetHudHeightOffset();
  if (auto* entity = dynamic_cast<ModelEnt*>(element->modelEntity.Get())) {
    entity->model.scale = static_cast<float>(gadget->GetHudSize()) * Value(scale);
    entity->model.UpdateWorldMatrix();
  }
}

void GadgetSwitchAnimation::OnFinish() {
  if (HudGadgetUser* thief = HudThief()) thief->EndGadgetSwitch();
}
