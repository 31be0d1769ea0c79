#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "entity/EntityClass.h"
#include "graphics/gui/GUI.h"
#include "tests/graphics/GraphicsFixture.h"

// Records every GUI command it hears on "GUICmd" with the element that sent it.
class GuiCommandRecorder : public EntityClass<GuiCommandRecorder> {
 public:
  static constexpr char kClassName[] = "GuiCommandRecorder";
  static void Describe(ClassBuilder<GuiCommandRecorder>&) {}
  void OnCreate() override {}
  void HandleMessage(const std::string& name, MessageArgs* args) override {
    if (name == "OnUpdate") return;
    const void* element = args && args->Count() == 1 ? args->GetPointer() : nullptr;
    heard.emplace_back(name, element);
  }
  std::vector<std::pair<std::string, const void*>> heard;
};

// The graphics system with the demo's GUI screens and a recorder on "GUICmd".
class GuiTest : public GraphicsFixture {
 protected:
  GuiTest() {
    namespace fs = std::filesystem;
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / "GUIList.xml", DataFile("GUIList.xml"),
                  fs::copy_options::overwrite_existing);
    fs::copy(fs::path(VR_DATA_DIR) / "Data" / "menus", "Data/menus", fs::copy_options::recursive);
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / "FontList.xml", DataFile("FontList.xml"),
                  fs::copy_options::overwrite_existing);
  }

  GUI* StartGui() {
    StartGraphics();
    RegisterEntityClass<GuiCommandRecorder>("GraphicsLog");
    recorder = static_cast<GuiCommandRecorder*>(Engine::Get()->GetEntityManager()->Create("GuiCommandRecorder"));
    Engine::Get()->Subscribe(recorder, "GUICmd");
    return graphics->GetGUI();
  }

  // Puts the cursor (and its picture) at a point of the layout.
  void PointAt(float x, float y) {
    GUICursor* cursor = graphics->GetGUI()->GetCursor();
    cursor->position = {x, y};
    cursor->sprite.SetPosition(static_cast<int32_t>(x), static_cast<int32_t>(y));
  }
  GUIScreen* Screen(const std::string& name) { return graphics->GetGUI()->GetScreens().Get(name); }

  GuiCommandRecorder* recorder = nullptr;
};
