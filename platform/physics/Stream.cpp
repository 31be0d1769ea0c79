#include "platform/physics/Stream.h"

#include <cstring>

namespace platform::physics {

template <typename T>
T PhysicsBufferStream::Read() {
  T value{};
  ReadBuffer(&value, sizeof value);
  return value;
}

template <typename T>
PhysicsStream& PhysicsBufferStream::Store(T value) {
  return StoreBuffer(&value, sizeof value);
}

uint8_t PhysicsBufferStream::ReadByte() { return Read<uint8_t>(); }
uint16_t PhysicsBufferStream::ReadWord() { return Read<uint16_t>(); }
uint32_t PhysicsBufferStream::ReadDword() { return Read<uint32_t>(); }
float PhysicsBufferStream::ReadFloat() { return Read<float>(); }
double PhysicsBufferStream::ReadDouble() { return Read<double>(); }

PhysicsStream& PhysicsBufferStream::StoreByte(uint8_t value) { return Store(value); }
PhysicsStream& PhysicsBufferStream::StoreWord(uint16_t value) { return Store(value); }
PhysicsStream& PhysicsBufferStream::StoreDword(uint32_t value) { return Store(value); }
PhysicsStream& PhysicsBufferStream::StoreFloat(float value) { return Store(value); }
PhysicsStream& PhysicsBufferStream::StoreDouble(double value) { return Store(value); }

PhysicsFileStream::PhysicsFileStream(const std::string& path, bool load)
    : file_(std::fopen(path.c_str(), load ? "rb" : "wb")) {
  failed_ = file_ == nullptr;
}

PhysicsFileStream::~PhysicsFileStream() { Close(); }

bool PhysicsFileStream::Close() {
  if (file_ && std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

void PhysicsFileStream::ReadBuffer(void* buffer, uint32_t size) {
  if (size == 0) return;
  if (failed_ || std::fread(buffer, 1, size, file_) != size) {
    failed_ = true;
    std::memset(buffer, 0, size);
  }
}

PhysicsStream& PhysicsFileStream::StoreBuffer(const void* buffer, uint32_t size) {
  if (size != 0 && (failed_ || std::fwrite(buffer, 1, size, file_) != size)) failed_ = true;
  return *this;
}

void PhysicsMemoryStream::ReadBuffer(void* buffer, uint32_t size) {
  if (size == 0) return;
  if (failed_ || bytes_.size() - readAt_ < size) {
    failed_ = true;
    std::memset(buffer, 0, size);
    return;
  }
  std::memcpy(buffer, bytes_.data() + readAt_, size);
  readAt_ += size;
}

PhysicsStream& PhysicsMemoryStream::StoreBuffer(const void* buffer, uint32_t size) {
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  if (size != 0) bytes_.insert(bytes_.end(), bytes, bytes + size);
  return *this;
}

}  // namespace platform::physics
