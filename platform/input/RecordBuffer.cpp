#include "platform/input/RecordBuffer.h"

#include <algorithm>

namespace platform {

void RecordBuffer::Resize(std::size_t capacity) {
  ring_.assign(std::min<std::size_t>(capacity, kMaxBufferRecords), InputRecord{});
  Clear();
}

bool RecordBuffer::Push(const InputRecord& record) {
  if (size_ == ring_.size()) {
    overflowed_ = true;
    return false;
  }
  ring_[(head_ + size_) % ring_.size()] = record;
  ++size_;
  return true;
}

InputResult RecordBuffer::Read(std::span<InputRecord> out, std::size_t& count) {
  count = std::min(out.size(), size_);
  for (std::size_t i = 0; i < count; ++i) out[i] = ring_[(head_ + i) % ring_.size()];
  if (count > 0) head_ = (head_ + count) % ring_.size();
  size_ -= count;
  const bool overflowed = overflowed_;
  overflowed_ = false;
  return overflowed ? InputResult::BufferOverflow : InputResult::Ok;
}

void RecordBuffer::Clear() {
  head_ = 0;
  size_ = 0;
  overflowed_ = false;
}

}  // namespace platform
