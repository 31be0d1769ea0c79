#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace platform::physics {

// The byte stream through which cooked meshes are written and read back. Values go in the
// machine's byte order. A read past the end or a failed write marks the stream failed; reads of
// a failed stream give zeros, so a reader checks Failed() once after reading a block.
class PhysicsStream {
 public:
  virtual ~PhysicsStream() = default;

  virtual uint8_t ReadByte() = 0;
  virtual uint16_t ReadWord() = 0;
  virtual uint32_t ReadDword() = 0;
  virtual float ReadFloat() = 0;
  virtual double ReadDouble() = 0;
  virtual void ReadBuffer(void* buffer, uint32_t size) = 0;

  virtual PhysicsStream& StoreByte(uint8_t value) = 0;
  virtual PhysicsStream& StoreWord(uint16_t value) = 0;
  virtual PhysicsStream& StoreDword(uint32_t value) = 0;
  virtual PhysicsStream& StoreFloat(float value) = 0;
  virtual PhysicsStream& StoreDouble(double value) = 0;
  virtual PhysicsStream& StoreBuffer(const void* buffer, uint32_t size) = 0;

  virtual bool Failed() const = 0;
};

// The typed reads and stores of a byte stream, each value's bytes in the machine's order through
// the stream's two buffer operations, which set `failed_`.
class PhysicsBufferStream : public PhysicsStream {
 public:
  uint8_t ReadByte() override;
  uint16_t ReadWord() override;
  uint32_t ReadDword() override;
  float ReadFloat() override;
  double ReadDouble() override;

  PhysicsStream& StoreByte(uint8_t value) override;
  PhysicsStream& StoreWord(uint16_t value) override;
  PhysicsStream& StoreDword(uint32_t value) override;
  PhysicsStream& StoreFloat(float value) override;
  PhysicsStream& StoreDouble(double value) override;

  bool Failed() const override { return failed_; }

 protected:
  bool failed_ = false;

 private:
  template <typename T> T Read();
  template <typename T> PhysicsStream& Store(T value);
};

// A stream over one file, opened for reading ("rb") or writing ("wb"). A file that cannot be
// opened gives a stream that is failed from the start. Closing flushes; Close() reports whether
// everything reached the disk.
class PhysicsFileStream : public PhysicsBufferStream {
 public:
  PhysicsFileStream(const std::string& path, bool load);
  ~PhysicsFileStream() override;
  PhysicsFileStream(const PhysicsFileStream&) = delete;
  PhysicsFileStream& operator=(const PhysicsFileStream&) = delete;

  void ReadBuffer(void* buffer, uint32_t size) override;
  PhysicsStream& StoreBuffer(const void* buffer, uint32_t size) override;

  bool Close();  // false when the file failed at any point, closing included

 private:
  std::FILE* file_ = nullptr;
};

// A stream over bytes in memory: stores append, reads take the bytes from the first on. Used
// when no file can be written.
class PhysicsMemoryStream : public PhysicsBufferStream {
 public:
  explicit PhysicsMemoryStream(std::vector<uint8_t> bytes = {}) : bytes_(std::move(bytes)) {}
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  void ReadBuffer(void* buffer, uint32_t size) override;
  PhysicsStream& StoreBuffer(const void* buffer, uint32_t size) override;

 private:
  std::vector<uint8_t> bytes_;
  size_t readAt_ = 0;
};

}  // namespace platform::physics
