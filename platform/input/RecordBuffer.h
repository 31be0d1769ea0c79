#pragma once
#include <cstddef>
#include <span>
#include <vector>

#include "platform/input/InputDevice.h"

namespace platform {

// A fixed-size queue of records. When it is full, later records are dropped and the next read
// says so; the records already queued are kept in order.
class RecordBuffer {
 public:
  // Empties the buffer and sets its size (0 to kMaxBufferRecords records).
  void Resize(std::size_t capacity);
  std::size_t Capacity() const { return ring_.size(); }
  std::size_t Size() const { return size_; }

  // False when the record was dropped.
  bool Push(const InputRecord& record);
  // Moves the oldest records into `out`; BufferOverflow when records were dropped since the
  // previous read, otherwise Ok.
  InputResult Read(std::span<InputRecord> out, std::size_t& count);
  void Clear();

 private:
  std::vector<InputRecord> ring_;
  std::size_t head_ = 0;
  std::size_t size_ = 0;
  bool overflowed_ = false;
};

}  // namespace platform
