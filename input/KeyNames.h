#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// Codes of the mouse pseudo keys that stand for the axes; the buttons keep their record
// offsets (0x0C to 0x0F).
inline constexpr int32_t kMouseMoveXCode = 0x12;
inline constexpr int32_t kMouseMoveYCode = 0x13;
inline constexpr int32_t kMouseWheelCode = 0x14;

// The names that bindings give keys and mouse buttons ("W", "Space", "M1", "MW" ...), with the
// codes that input records carry. Keyboard and mouse codes overlap ("Minus" and "M1" are both
// 0x0C); bindings keep the two apart.
class KeyNames {
 public:
  // Holds the 150 known names.
  KeyNames();

  // The code of `name` (case-sensitive). A name the table lacks is added with code 0 (so every
  // unknown name shares code 0, which no keyboard record carries) and 0 is returned.
  int32_t Get(const std::string& name);
  std::size_t Size() const { return codes_.size(); }

 private:
  std::map<std::string, int32_t> codes_;
};
