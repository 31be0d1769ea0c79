#pragma once
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>

// The argument list of a named message: up to four values packed back to back in one shared,
// reference-counted block, with the byte size of each. Copies share the block, so a list handed
// to a broadcast or to several delayed messages is never copied byte by byte.
class MessageArgs {
 public:
  static constexpr uint32_t kMaxValues = 4;

  MessageArgs() = default;
  MessageArgs(const MessageArgs& other);
  MessageArgs& operator=(const MessageArgs& other);
  ~MessageArgs();

  // One 4-byte value: an int, a float or an entity id.
  template <class T>
  static MessageArgs FromWord(T value) {
    static_assert(sizeof(T) == 4 && std::is_trivially_copyable_v<T>);
    return FromValues(value);
  }
  static MessageArgs FromByte(bool value) { return FromValues(static_cast<uint8_t>(value ? 1 : 0)); }
  // A pointer-sized value (the address of a GUI element and the like).
  static MessageArgs FromPointer(const void* p) { return FromValues(p); }
  static MessageArgs FromText(const std::string& a) { return FromValues(a); }
  static MessageArgs FromTwoTexts(const std::string& a, const std::string& b) { return FromValues(a, b); }
  static MessageArgs FromThreeTexts(const std::string& a, const std::string& b, const std::string& c) {
    return FromValues(a, b, c);
  }
  static MessageArgs FromFourTexts(const std::string& a, const std::string& b, const std::string& c,
                                   const std::string& d) {
    return FromValues(a, b, c, d);
  }
  // Values in order: texts with their NUL, everything else in its memory form (a vector and an
  // id, two bools ...). This is how a declared message packs what its sender gives.
  template <class... T>
  static MessageArgs FromValues(const T&... values) {
    static_assert(sizeof...(T) <= kMaxValues);
    MessageArgs args;
    if constexpr (sizeof...(T) > 0) {
      const uint32_t sizes[] = {WireSize(values)...};
      args.Allocate(sizes, sizeof...(T));
      uint8_t* out = args.Data();
      ((std::memcpy(out, WireBytes(values), WireSize(values)), out += WireSize(values)), ...);
    }
    return args;
  }

  uint32_t Count() const { return count_; }
  uint32_t Size(uint32_t i) const { return sizes_[i]; }
  bool IsText() const { return isText_ != 0; }
  void SetText(bool text) { isText_ = text ? 1 : 0; }
  // The bytes of value i; its size is Size(i).
  const uint8_t* Value(uint32_t i) const;
  // How many lists share this one's block (0 for an empty list).
  uint32_t RefCount() const;

  // Readers used by the handler binders. Each throws std::runtime_error with the text the
  // binders log: "Incorrect number of parameters" or "Variable size does not match expected
  // variable size".
  int32_t GetInt() const;
  float GetFloat() const;
  bool GetBool() const;
  std::string GetString() const;
  void GetTwoStrings(std::string& a, std::string& b) const;
  uint32_t GetValue32() const;
  const void* GetPointer() const;
  void GetPair(bool& a, bool& b) const;

  // The text of value i, checked to end in its NUL exactly at its recorded size.
  std::string TextAt(uint32_t i) const;
  // The raw bytes of value i, checked to be exactly sizeof(T).
  template <class T>
  T RawAt(uint32_t i) const {
    static_assert(std::is_trivially_copyable_v<T>);
    CheckSize(i, sizeof(T));
    T value;
    std::memcpy(&value, Value(i), sizeof(T));
    return value;
  }
  void CheckCount(uint32_t required) const;
  // Handlers whose parameter has no text form refuse what the console typed.
  void RefuseText() const;

 private:
  struct Block {
    uint8_t* data;
    uint32_t refs;
  };
  void Allocate(const uint32_t* sizes, uint32_t count);
  void Release();
  uint8_t* Data() { return block_->data; }
  void CheckSize(uint32_t i, size_t expected) const;
  static uint32_t WireSize(const std::string& text) { return static_cast<uint32_t>(text.size() + 1); }
  static const void* WireBytes(const std::string& text) { return text.c_str(); }
  template <class T>
  static uint32_t WireSize(const T&) {
    static_assert(std::is_trivially_copyable_v<T>);
    return sizeof(T);
  }
  template <class T>
  static const void* WireBytes(const T& value) {
    return &value;
  }

  Block* block_ = nullptr;
  uint32_t sizes_[kMaxValues] = {0, 0, 0, 0};
  uint32_t count_ = 0;
  uint8_t isText_ = 0;
};

// Failure texts of the argument readers, logged by the binders.
inline constexpr const char* kIncorrectParameterCount = "Incorrect number of parameters";
inline constexpr const char* kParameterSizeMismatch = "Variable size does not match expected variable size";
inline constexpr const char* kParameterHasNoText = "Parameter cannot be given as text";
