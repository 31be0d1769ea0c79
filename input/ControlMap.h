#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "entity/Component.h"
#include "entity/MessageArgs.h"

inline constexpr const char* kControlMapComponent = "ControlMap";

// One binding: which edges of a key fire which action, with what arguments.
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
  ~ControlMap() override;
  void Activate() override;

  void Bind(const std::string& key, const std::string& action, bool onPress, bool onRelease);
  void BindMouse(const std::string& key, const std::string& action, bool onPress, bool onRelease);
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
