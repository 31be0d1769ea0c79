#include "platform/physics/Stream.h"

#include <cstring>

namespace platform::physics {

PhysicsFileStream::PhysicsFileStream(const std::string& path, bool load)
    : file_(std::fopen(path.c_str(), load ? "rb" : "wb")), failed_(file_ == nullptr) {}

PhysicsFileStream::~PhysicsFileStream() { Close(); }

bool PhysicsFileStream::Close() {
  if (file_ && std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

template <typename T>
T PhysicsFileStream::Read() {
  T value{};
  ReadBuffer(&value, sizeof value);
  return value;
}

template <typename T>
PhysicsStream& PhysicsFileStream::Store(T value) {
  return StoreBuffer(&value, sizeof value);
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

uint8_t PhysicsFileStream::ReadByte() { return Read<uint8_t>(); }
uint16_t PhysicsFileStream::ReadWord() { return Read<uint16_t>(); }
uint32_t PhysicsFileStream::ReadDword() { return Read<uint32_t>(); }
float PhysicsFileStream::ReadFloat() { return Read<float>(); }
double PhysicsFileStream::ReadDouble() { return Read<double>(); }

PhysicsStream& PhysicsFileStream::StoreByte(uint8_t value) { return Store(value); }
PhysicsStream& PhysicsFileStream::StoreWord(uint16_t value) { return Store(value); }
PhysicsStream& PhysicsFileStream::StoreDword(uint32_t value) { return Store(value); }
PhysicsStream& PhysicsFileStream::StoreFloat(float value) { return Store(value); }
PhysicsStream& PhysicsFileStream::StoreDouble(double value) { return Store(value); }

}  // namespace platform::physics
