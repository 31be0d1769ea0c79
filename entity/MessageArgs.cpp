#include "entity/MessageArgs.h"

#include <climits>
#include <cstdlib>

namespace {

// Console integers are read like strtol, clamped to the 32-bit range handlers take.
int32_t ParseInt(const std::string& text) {
  long v = std::strtol(text.c_str(), nullptr, 10);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace

MessageArgs::MessageArgs(const MessageArgs& other)
    : block_(other.block_), count_(other.count_), isText_(other.isText_) {
  std::memcpy(sizes_, other.sizes_, sizeof sizes_);
  if (block_) ++block_->refs;
}

MessageArgs& MessageArgs::operator=(const MessageArgs& other) {
  if (this == &other) return *this;
  if (other.block_) ++other.block_->refs;
  Release();
  block_ = other.block_;
  std::memcpy(sizes_, other.sizes_, sizeof sizes_);
  count_ = other.count_;
  isText_ = other.isText_;
  return *this;
}

MessageArgs::~MessageArgs() { Release(); }

void MessageArgs::Release() {
  if (block_ && --block_->refs == 0) {
    delete[] block_->data;
    delete block_;
  }
  block_ = nullptr;
}

void MessageArgs::Allocate(const uint32_t* sizes, uint32_t count) {
  Release();
  size_t total = 0;
  for (uint32_t i = 0; i < count; ++i) {
    sizes_[i] = sizes[i];
    total += sizes[i];
  }
  count_ = count;
  block_ = new Block{new uint8_t[total > 0 ? total : 1], 1};
}

const uint8_t* MessageArgs::Value(uint32_t i) const {
  size_t offset = 0;
  for (uint32_t k = 0; k < i; ++k) offset += sizes_[k];
  return block_->data + offset;
}

uint32_t MessageArgs::RefCount() const { return block_ ? block_->refs : 0; }

void MessageArgs::CheckCount(uint32_t required) const {
  if (count_ != required) throw std::runtime_error(kIncorrectParameterCount);
}

void MessageArgs::CheckSize(uint32_t i, size_t expected) const {
  if (sizes_[i] != expected) throw std::runtime_error(kParameterSizeMismatch);
}

void MessageArgs::RefuseText() const {
  if (isText_) throw std::runtime_error(kParameterHasNoText);
}

std::string MessageArgs::TextAt(uint32_t i) const {
  // The NUL is looked for only inside the value, so a value that is no text cannot make the
  // reader run past it.
  const uint8_t* p = Value(i);
  const void* nul = std::memchr(p, 0, sizes_[i]);
  if (!nul || static_cast<const uint8_t*>(nul) - p + 1 != static_cast<ptrdiff_t>(sizes_[i]))
    throw std::runtime_error(kParameterSizeMismatch);
  return std::string(reinterpret_cast<const char*>(p), sizes_[i] - 1);
}

int32_t MessageArgs::GetInt() const {
  CheckCount(1);
  return isText_ ? ParseInt(TextAt(0)) : RawAt<int32_t>(0);
}

float MessageArgs::GetFloat() const {
  CheckCount(1);
  return isText_ ? static_cast<float>(std::strtod(TextAt(0).c_str(), nullptr)) : RawAt<float>(0);
}

bool MessageArgs::GetBool() const {
  CheckCount(1);
  return isText_ ? TextAt(0) == "true" : RawAt<uint8_t>(0) != 0;
}

std::string MessageArgs::GetString() const {
  CheckCount(1);
  return TextAt(0);
}

void MessageArgs::GetTwoStrings(std::string& a, std::string& b) const {
  CheckCount(2);
  std::string first = TextAt(0);
  b = TextAt(1);
  a = std::move(first);
}

uint32_t MessageArgs::GetValue32() const {
  CheckCount(1);
  RefuseText();
  return RawAt<uint32_t>(0);
}

const void* MessageArgs::GetPointer() const {
  CheckCount(1);
  RefuseText();
  return RawAt<const void*>(0);
}

void MessageArgs::GetPair(bool& a, bool& b) const {
  CheckCount(2);
  if (isText_) {
    bool first = TextAt(0) == "true";
    b = TextAt(1) == "true";
    a = first;
    return;
  }
  bool first = RawAt<uint8_t>(0) != 0;
  b = RawAt<uint8_t>(1) != 0;
  a = first;
}
