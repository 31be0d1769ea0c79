#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "entity/Component.h"
#include "entity/Message.h"
#include "entity/MessageArgs.h"

// One binding: which edges of a key fire which action, with what arguments. Without arguments
// the action carries whether the key went down.
struct KeyBinding {
  uint8_t onPress = 0;
  uint8_t onRelease = 0;
  std::string action;
  MessageArgs args;
};

// Turns keys and mouse events into named action messages for its owner. The name-keyed maps
// are the source of truth; the code-keyed maps are what the per-frame dispatch reads.
class ControlMap : public Component {
 public:
  static constexpr char kComponentName[] = "ControlMap";
  ~ControlMap() override;
  void Activate() override;

  // Actions named by the bindings file.
  void Bind(const std::string& key, const std::string& action, bool onPress, bool onRelease);
  void BindMouse(const std::string& key, const std::string& action, bool onPress, bool onRelease);
  // Actions the code binds: declared key actions, which carry whether the key went down.
  void Bind(const std::string& key, const Message<bool>& action, bool onPress, bool onRelease) {
    Bind(key, std::string(action.Name()), onPress, onRelease);
  }
  void BindMouse(const std::string& key, const Message<bool>& action, bool onPress, bool onRelease) {
    BindMouse(key, std::string(action.Name()), onPress, onRelease);
  }
  void BindWithArgs(const std::string& key, const std::string& action, const MessageArgs& args, bool onPress,
                    bool onRelease);
  void BindMouseWithArgs(const std::string& key, const std::string& action, const MessageArgs& args,
                         bool onPress, bool onRelease);

  void SetActive(bool on) { active_ = on ? 1 : 0; }
  bool IsActive() const { return active_ != 0; }
  float GetLastClickTime() const { return lastClickTime_; }
  void SetLastClickTime(float t) { lastClickTime_ = t; }

  const KeyBinding* FindKey(int32_t code) const { return Find(keyboardByCode_, code); }
  const KeyBinding* FindMouse(int32_t code) const { return Find(mouseByCode_, code); }
  const std::map<int32_t, KeyBinding>& KeyboardByCode() const { return keyboardByCode_; }
  const std::map<int32_t, KeyBinding>& MouseByCode() const { return mouseByCode_; }

 private:
  static const KeyBinding* Find(const std::map<int32_t, KeyBinding>& m, int32_t code) {
    auto it = m.find(code);
    return it == m.end() ? nullptr : &it->second;
  }
  static void Store(std::map<std::string, KeyBinding>& byName, std::map<int32_t, KeyBinding>& byCode,
                    const std::string& key, KeyBinding binding);
  static void Resolve(const std::map<std::string, KeyBinding>& byName, std::map<int32_t, KeyBinding>& byCode);

  std::map<int32_t, KeyBinding> keyboardByCode_;
  std::map<int32_t, KeyBinding> mouseByCode_;
  std::map<std::string, KeyBinding> keyboardByName_;
  std::map<std::string, KeyBinding> mouseByName_;
  uint8_t active_ = 0;
  float lastClickTime_ = 0;
};
