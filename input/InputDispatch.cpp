#include "engine/Engine.h"
#include "entity/Entity.h"
#include "input/ControlMap.h"
#include "input/Input.h"
#include "input/TextInput.h"

using platform::InputResult;

bool Input::Read(Device& d, std::size_t& count, const char* lostText) {
  const InputResult result = d.device->Read(d.records, count);
  const bool read = result == InputResult::Ok || result == InputResult::BufferOverflow;
  // A full buffer kept the records that fitted: they are good, and the held keys are checked
  // once they are dispatched.
  if (result != InputResult::Ok) d.gap = true;
  if (!read) {
    if (!d.lost) Engine::Get()->GetLog()->Write("InputLog", lostText, 0);
    d.device->Acquire();
  }
  d.lost = !read;
  return read;
}

void Input::Update() {
  if (!ready_) return;
  std::size_t count = 0;
  if (!Read(keyboard_, count, "Lost DirectInput keyboard device")) return;
  anyKey_ = 0;
  // Caps lock as it stands now; the other modifiers follow the records as they come.
  platform::KeyState now;
  keyboard_.device->GetKeyState(now);
  uint8_t& capsLock = keyboard_.held[platform::kCapsLockCode];
  capsLock = static_cast<uint8_t>((capsLock & platform::kPressed) | (now[platform::kCapsLockCode] & 1));
  for (std::size_t i = 0; i < count; ++i)
    DispatchKey(keyboard_.records[i].offset, (keyboard_.records[i].data & platform::kPressed) != 0);
  ReleaseKeysNoLongerHeld(keyboard_, [this](uint32_t code) { DispatchKey(code, false); });

  mouseDeltaX_ = mouseDeltaY_ = mouseWheel_ = 0;
  if (!Read(mouse_, count, "Lost DirectInput mouse device")) return;
  for (std::size_t i = 0; i < count; ++i) DispatchMouse(mouse_.records[i].offset, mouse_.records[i].data);
  ReleaseKeysNoLongerHeld(mouse_, [this](uint32_t code) { DispatchMouse(code, 0); });
  DeliverTypedChars();
}

void Input::DispatchKey(uint32_t code, bool pressed) {
  currentCode_ = code;
  Hold(keyboard_, code, pressed);
  // A letter takes the shift that was down when it was pressed, however fast the typing.
  if (pressed)
    if (const char c = platform::KeyToChar(code, platform::ModifiersFrom(keyboard_.held))) typedChars_.push_back(c);
  stopDispatch_ = 0;
  for (ControlMap* map : controlMaps_) {
    if (!map->IsActive()) continue;
    if (pressed) anyKey_ = 1;
    currentPressed_ = pressed ? 1 : 0;
    Fire(map, map->FindKey(static_cast<int32_t>(code)));
    if (stopDispatch_) break;
  }
}

void Input::DispatchMouse(uint32_t offset, uint32_t data) {
  const bool pressed = (data & platform::kPressed) != 0;
  const int32_t movement = static_cast<int32_t>(data);
  bool axis = true;
  switch (offset) {
    case platform::kMouseX: mouseDeltaX_ += movement, currentCode_ = kMouseMoveXCode; break;
    case platform::kMouseY: mouseDeltaY_ += movement, currentCode_ = kMouseMoveYCode; break;
    case platform::kMouseWheel: mouseWheel_ += movement, currentCode_ = kMouseWheelCode; break;
    default:
      axis = false;
      currentCode_ = offset;
      Hold(mouse_, offset, pressed);
  }
  for (ControlMap* map : controlMaps_) {
    if (!map->IsActive()) continue;
    // Movement is no press, whatever the sign bit of its data says, and leaves anyKey alone.
    if (pressed && !axis) anyKey_ = 1;
    currentPressed_ = pressed ? 1 : 0;
    Fire(map, map->FindMouse(static_cast<int32_t>(currentCode_)));
    if (pressed && currentCode_ == platform::kMouseLeft) DoubleClick(map);
  }
}

void Input::Fire(ControlMap* map, const KeyBinding* binding) {
  if (!binding || !(currentPressed_ ? binding->onPress : binding->onRelease)) return;
  // The handler may rebind this very key: send copies, not the binding's own fields.
  const std::string action = binding->action;
  MessageArgs args = binding->args.Count() ? binding->args : edgeArgs_[currentPressed_];
  map->owner->HandleMessage(action, &args);
}

void Input::DoubleClick(ControlMap* map) {
  const float now = static_cast<float>(Engine::Get()->GetTimer()->GetTime());
  if (now - map->GetLastClickTime() > config_.doubleClickDelay) {
    map->SetLastClickTime(now);
    return;
  }
  map->SetLastClickTime(0);
  Fire(map, map->FindMouse(doubleClickCode_));
}

template <class Dispatch>
void Input::ReleaseKeysNoLongerHeld(Device& d, Dispatch dispatch) {
  if (!d.gap) return;
  d.gap = false;
  platform::KeyState now;
  d.device->GetKeyState(now);
  for (uint32_t code = 0; code < d.held.size(); ++code)
    if ((d.held[code] & platform::kPressed) && !(now[code] & platform::kPressed)) dispatch(code);
}

void Input::Hold(Device& d, uint32_t code, bool pressed) {
  if (code >= d.held.size()) return;
  uint8_t& key = d.held[code];
  key = static_cast<uint8_t>(pressed ? key | platform::kPressed : key & ~platform::kPressed);
}

void Input::DeliverTypedChars() {
  for (TextInput* input : textInputs_)
    if (input->IsActive())
      for (char c : typedChars_) input->OnChar(c);
  typedChars_.clear();
}
