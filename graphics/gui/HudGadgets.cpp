#include "graphics/gui/HudGadgets.h"

#include <cstdio>
#include <string>

#include "engine/Engine.h"
#include "engine/VariableTable.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "graphics/ModelEnt.h"
#include "graphics/gui/GUIScreen.h"
#include "graphics/gui/HudPlayer.h"
#include "graphics/gui/HudSeams.h"

void UpdateAmmoText() {
  const HudGadgetUser* thief = HudThief();
  // Only the gadgets that count their uses show a number.
  char text[16] = "";
  switch (HudCurrentGadget()) {
    case 1:
      std::snprintf(text, sizeof text, "x%d", static_cast<int>(thief ? thief->GetSmokeGrenades() : 0));
      break;
    case 2:
      std::snprintf(text, sizeof text, "x%d", static_cast<int>(thief ? thief->GetBoxes() : 0));
      break;
    default:
      break;
  }
  SetVariable("AmmoText", std::string(text));
}

void RefreshHudGadgetModels() {
  GUIScreen* screen = Engine::Get()->GetGraphics()->GetCurrentScreen();
  if (!screen || screen->models.size() < 3) return;
  for (size_t i = 0; i < 3; ++i) {
    GUIModelElement& element = screen->models[i];
    Entity* gadget = element.boundEntity.Get();
    const auto* model = gadget ? gadget->Find<ModelComp>() : nullptr;
    element.ModelName = model ? model->modelName : std::string();
    element.LoadModel();
  }
  for (size_t i = 0; i < 3; ++i) {
    if (auto* entity = dynamic_cast<ModelEnt*>(screen->models[i].modelEntity.Get())) {
      entity->model.outlinePasses = 0;
      entity->model.fixedLight = 1;
    }
  }
}
