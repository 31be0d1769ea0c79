#pragma once
#include <cstdint>

#include "entity/Component.h"

// Receives typed characters for its owner: each one is kept and announced to the owner with
// "UpdateTextInput". Input focus switches it on and off.
class TextInput : public Component {
 public:
  static constexpr char kComponentName[] = "TextInput";
  ~TextInput() override;
  void Activate() override;
  void OnChar(char c);
  char GetChar() const { return static_cast<char>(lastChar_); }
  void SetActive(bool on) { active_ = on ? 1 : 0; }
  bool IsActive() const { return active_ != 0; }

 private:
  uint8_t lastChar_ = 0;
  uint8_t active_ = 0;
};
