#pragma once
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"
#include "entity/MessageArgs.h"
#include "graphics/InputView.h"
#include "input/InputConfig.h"
#include "input/KeyNames.h"
#include "platform/input/InputDevice.h"
#include "platform/input/KeyToChar.h"

class ControlMap;
class ControlledGame;
class DevAI;
struct KeyBinding;
class TextInput;

// Where the keyboard and mouse come from: the program's window, or devices a test drives.
using InputBackendFactory = std::function<std::unique_ptr<platform::InputBackend>()>;

// The keyboard and mouse, and the components they feed: once a frame the buffered records of
// both devices become key events for the active control maps and typed characters for the
// active text inputs. The graphics read the mouse and "any key" through their input view.
class Input : public EngineSystem, public InputView {
 public:
  // Reads "Data/InputConfig.xml". Without a factory the devices listen to the main window.
  explicit Input(InputBackendFactory backendFactory = {});
  ~Input() override;

  // The console's key scheme: the engine's console window creates it when it starts.
  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Input"; }
  void TakeSlot(SystemSlots& slots) override { slots.input = this; }

  void RegisterControlMap(ControlMap* map) { controlMaps_.push_back(map); }
  void UnregisterControlMap(ControlMap* map) { controlMaps_.remove(map); }
  void RegisterTextInput(TextInput* input) { textInputs_.push_back(input); }
  void UnregisterTextInput(TextInput* input) { textInputs_.remove(input); }
  const std::list<ControlMap*>& ControlMaps() const { return controlMaps_; }
  const std::list<TextInput*>& TextInputs() const { return textInputs_; }

  const InputConfig& GetConfig() const { return config_; }

  // The game the control schemes serve; null until one is handed over.
  void SetControlledGame(ControlledGame* game) { game_ = game; }
  ControlledGame* GetControlledGame() const { return game_; }
  // The AI as the developer keys reach it; null until one is handed over.
  void SetDevAI(DevAI* ai) { devAI_ = ai; }
  DevAI* GetDevAI() const { return devAI_; }

  // The code of the event being dispatched and whether it is a press (which the action also
  // carries as its argument).
  std::pair<uint32_t, bool> GetCurrentEvent() const { return {currentCode_, currentPressed_ != 0}; }
  // This frame's axis movement, summed record by record.
  int32_t GetMouseDeltaX() const override { return mouseDeltaX_; }
  int32_t GetMouseDeltaY() const override { return mouseDeltaY_; }
  int32_t GetMouseWheel() const { return mouseWheel_; }
  // A key or button press reached an active control map this frame.
  bool AnyKey() const override { return anyKey_ != 0; }
  // The control scheme changed: the event being dispatched reaches no further control map.
  void StopDispatch() { stopDispatch_ = 1; }
  // The character the key gives with the modifiers held now, or 0.
  char KeyToChar(uint32_t code) const;

  // The key-name table. There is one per process: bindings made before the input system
  // exists resolve through the same table.
  static KeyNames& GetKeyNames();

 private:
  // One device with its record buffer and the keys or buttons its records left held.
  struct Device {
    std::unique_ptr<platform::InputDevice> device;
    std::vector<platform::InputRecord> records;
    platform::KeyState held{};
    // Records went missing (a full buffer or a lost device) since the keys were last checked.
    bool gap = false;
    // The last read failed; the loss is logged once, not in every frame until it is over.
    bool lost = false;
  };

  // Init's steps up to the point where both devices are usable; false at the first failure.
  bool SetUpDevices();
  bool Check(platform::InputResult result, const char* failure);
  int32_t BufferSize(const char* name, int32_t configured);
  // Reads a device's records; false when the device is lost and the frame's input is skipped.
  bool Read(Device& device, std::size_t& count, const char* lostText);
  // Notes a key or button going down or up as the records tell it.
  static void Hold(Device& device, uint32_t code, bool pressed);
  void DispatchKey(uint32_t code, bool pressed);
  void DispatchMouse(uint32_t offset, uint32_t data);
  // Sends the binding's action to the map's owner when it fires on the current edge.
  void Fire(ControlMap* map, const KeyBinding* binding);
  // A press of the first button: a second one soon after the last fires "MouseDouble".
  void DoubleClick(ControlMap* map);
  // Releases what dropped records may have released: keys the dispatch saw go down that the
  // device no longer holds.
  template <class Dispatch>
  void ReleaseKeysNoLongerHeld(Device& device, Dispatch dispatch);
  void DeliverTypedChars();

  InputBackendFactory backendFactory_;
  std::unique_ptr<platform::InputBackend> backend_;
  uint8_t stopDispatch_ = 0;
  std::list<ControlMap*> controlMaps_;
  std::list<TextInput*> textInputs_;
  std::vector<char> typedChars_;
  Device keyboard_;
  Device mouse_;
  bool ready_ = false;
  InputConfig config_;
  ControlledGame* game_ = nullptr;
  DevAI* devAI_ = nullptr;
  uint32_t currentCode_ = 0;
  uint8_t currentPressed_ = 0;
  // The argument of an action bound without one, by currentPressed_: made once and shared, so
  // dispatching a key allocates nothing.
  const MessageArgs edgeArgs_[2] = {MessageArgs::FromValues(false), MessageArgs::FromValues(true)};
  int32_t mouseDeltaX_ = 0;
  int32_t mouseDeltaY_ = 0;
  int32_t mouseWheel_ = 0;
  uint8_t anyKey_ = 0;
  int32_t doubleClickCode_ = 0;
};
