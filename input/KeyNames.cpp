#include "input/KeyNames.h"

namespace {

struct KeyName {
  const char* name;
  int32_t code;
};

// "NumpadEquals" carries the code of the main "=" key, so a binding of either name answers
// to that key and the numeric pad's own equals key (0x8D) has no name.
constexpr KeyName kKeyNames[] = {
    // Mouse buttons at their record offsets ("Mouse5" and "Mouse6" are never reported), then
    // the axes.
    {"M1", 0x0C}, {"M2", 0x0D}, {"M3", 0x0E}, {"Mouse4", 0x0F}, {"Mouse5", 0x10},
    {"Mouse6", 0x11}, {"MouseMoveX", kMouseMoveXCode}, {"MouseMoveY", kMouseMoveYCode},
    {"MW", kMouseWheelCode},
    // Keyboard.
    {"0", 0x0B}, {"1", 0x02}, {"2", 0x03}, {"3", 0x04}, {"4", 0x05}, {"5", 0x06}, {"6", 0x07},
    {"7", 0x08}, {"8", 0x09}, {"9", 0x0A},
    {"A", 0x1E}, {"B", 0x30}, {"C", 0x2E}, {"D", 0x20}, {"E", 0x12}, {"F", 0x21}, {"G", 0x22},
    {"H", 0x23}, {"I", 0x17}, {"J", 0x24}, {"K", 0x25}, {"L", 0x26}, {"M", 0x32}, {"N", 0x31},
    {"O", 0x18}, {"P", 0x19}, {"Q", 0x10}, {"R", 0x13}, {"S", 0x1F}, {"T", 0x14}, {"U", 0x16},
    {"V", 0x2F}, {"W", 0x11}, {"X", 0x2D}, {"Y", 0x15}, {"Z", 0x2C},
    {"Apostrophe", 0x28}, {"Slash", 0x35}, {"Backslash", 0x2B}, {"Minus", 0x0C},
    {"Comma", 0x33}, {"Period", 0x34}, {"Grave", 0x29}, {"LBracket", 0x1A},
    {"RBracket", 0x1B}, {"SemiColon", 0x27},
    {"F1", 0x3B}, {"F2", 0x3C}, {"F3", 0x3D}, {"F4", 0x3E}, {"F5", 0x3F}, {"F6", 0x40},
    {"F7", 0x41}, {"F8", 0x42}, {"F9", 0x43}, {"F10", 0x44}, {"F11", 0x57}, {"F12", 0x58},
    {"Space", 0x39}, {"Backspace", 0x0E}, {"CapsLock", 0x3A}, {"NumLock", 0x45},
    {"Delete", 0xD3}, {"Enter", 0x1C}, {"End", 0xCF}, {"Home", 0xC7}, {"Insert", 0xD2},
    {"ScrollLock", 0x46}, {"SysRQ", 0xB7}, {"Pause", 0xC5}, {"Tab", 0x0F},
    {"PageDown", 0xD1}, {"PageUp", 0xC9}, {"Escape", 0x01},
    {"Right", 0xCD}, {"Up", 0xC8}, {"Left", 0xCB}, {"Down", 0xD0},
    {"LAlt", 0x38}, {"RAlt", 0xB8}, {"LShift", 0x2A}, {"RShift", 0x36}, {"LWin", 0xDB},
    {"RWin", 0xDC}, {"LControl", 0x1D}, {"RControl", 0x9D},
    {"NumpadPlus", 0x4E}, {"NumpadPeriod", 0x53}, {"NumpadSlash", 0xB5},
    {"NumpadEquals", 0x0D}, {"NumpadMinus", 0x4A}, {"NumpadMultiply", 0x37},
    {"NumpadComma", 0xB3}, {"NumpadEnter", 0x9C}, {"Numpad0", 0x52}, {"Numpad1", 0x4F},
    {"Numpad2", 0x50}, {"Numpad3", 0x51}, {"Numpad4", 0x4B}, {"Numpad5", 0x4C},
    {"Numpad6", 0x4D}, {"Numpad7", 0x47}, {"Numpad8", 0x48}, {"Numpad9", 0x49},
    {"Apps", 0xDD}, {"Calculator", 0xA1}, {"Mail", 0xEC}, {"MediaSelect", 0xED},
    {"Mute", 0xA0}, {"MyComputer", 0xEB}, {"NextTrack", 0x99}, {"PrevTrack", 0x90},
    {"PlayPause", 0xA2}, {"Power", 0xDE}, {"Sleep", 0xDF}, {"VolumeDown", 0xAE},
    {"VolumeUp", 0xB0}, {"Wake", 0xE3}, {"WebBack", 0xEA}, {"WebForward", 0xE9},
    {"WebHome", 0xB2}, {"WebRefresh", 0xE7}, {"WebSearch", 0xE5}, {"WebStop", 0xE8},
    {"F13", 0x64}, {"F14", 0x65}, {"F15", 0x66},
    {"ABNT_C1", 0x73}, {"ABNT_C2", 0x7E}, {"AT", 0x91}, {"AX", 0x96}, {"Colon", 0x92},
    {"Convert", 0x79}, {"Kana", 0x70}, {"Kanji", 0x94}, {"NoConvert", 0x7B},
    {"OEM_102", 0x56}, {"Stop", 0x95}, {"Underline", 0x93}, {"Unlabeled", 0x97},
    {"Yen", 0x7D},
};

}  // namespace

KeyNames::KeyNames() {
  for (const KeyName& key : kKeyNames) codes_.emplace(key.name, key.code);
}

int32_t KeyNames::Get(const std::string& name) { return codes_.try_emplace(name, 0).first->second; }
