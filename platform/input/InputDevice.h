#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

// Buffered keyboard and mouse devices shaped the way the game reads its input: a device is
// created, given a data format, a cooperative level and a buffer size, acquired, and then
// drained once per frame of the records that arrived since the last read. Key codes are the
// game's own (the codes its bindings resolve to: "A" = 0x1E, "Escape" = 0x01 ...).
namespace platform {

// One buffered event.
struct InputRecord {
  uint32_t offset = 0;     // key code; on the mouse one of the offsets below
  uint32_t data = 0;       // keys and buttons: kPressed or 0; axes: the signed movement
  uint32_t timestamp = 0;  // milliseconds since the event system started
  uint32_t sequence = 0;   // grows over all devices; the records of one event share it
};

inline constexpr uint32_t kPressed = 0x80;

// Mouse record offsets: three axes, then the four buttons.
inline constexpr uint32_t kMouseX = 0x00;
inline constexpr uint32_t kMouseY = 0x04;
inline constexpr uint32_t kMouseWheel = 0x08;
inline constexpr uint32_t kMouseLeft = 0x0C;
inline constexpr uint32_t kMouseRight = 0x0D;
inline constexpr uint32_t kMouseMiddle = 0x0E;
inline constexpr uint32_t kMouseX1 = 0x0F;

// Wheel data per notch.
inline constexpr int kWheelStep = 120;

// A buffer size asks for this many records at most; larger sizes are cut down to it, so a
// settings file asking for 2^31-1 records costs 64 KB, not 32 GB.
inline constexpr int kMaxBufferRecords = 4096;

enum class InputResult {
  Ok,
  BufferOverflow,   // the read worked, but records were dropped since the previous read
  NotAcquired,      // the device has not been acquired
  InputLost,        // the device lost its acquisition (window focus went away); acquire again
  Refused,          // a foreground device cannot be acquired while the window is unfocused
  AlreadyAcquired,  // the setting cannot change while the device is acquired
  NotBuffered,      // the buffer size is 0: the device keeps no records
  InvalidArgument,  // wrong data format for the device, negative buffer size, no data format
  Failed,           // no input to be had (no event system)
};

enum class DeviceKind { Keyboard, Mouse };

// Keyboard: one key per code. Mouse: X, Y, wheel and four buttons.
enum class DataFormat { Keyboard, Mouse };

enum class DeviceStatus {
  Created,   // not acquired (never, or given up with Unacquire)
  Acquired,  // records are buffered
  Lost,      // the window lost the focus while a foreground device was acquired
};

// A foreground device works only while the game window has the focus and is lost when the
// window loses it; a background device keeps working. The mouse reports the motion of the
// mouse itself, which does not stop at the screen's edges, exclusive or not; an exclusive mouse
// also holds and hides the pointer. `noWindowsKey` is accepted and kept, but the system key
// cannot be disabled here.
struct CooperativeLevel {
  bool foreground = false;
  bool exclusive = false;
  bool noWindowsKey = false;
};

// Per code: bit 0x80 while the key or button is held; on the keyboard the caps-lock key
// (0x3A) also carries bit 0x01 while caps lock is on. Mouse buttons stand at their offsets.
using KeyState = std::array<uint8_t, 256>;

inline constexpr uint32_t kCapsLockCode = 0x3A;

class InputDevice {
 public:
  virtual ~InputDevice() = default;

  // Each setting is refused with AlreadyAcquired while the device is acquired.
  virtual InputResult SetDataFormat(DataFormat format) = 0;
  virtual InputResult SetCooperativeLevel(CooperativeLevel level) = 0;
  // Negative: InvalidArgument. 0: no buffering (reads report NotBuffered). Above
  // kMaxBufferRecords: kMaxBufferRecords.
  virtual InputResult SetBufferSize(int records) = 0;
  // `notify` runs each time the acquired device receives an event.
  virtual InputResult SetEventNotification(std::function<void()> notify) = 0;

  // Starts buffering on an empty buffer. Needs a data format (else InvalidArgument); a
  // foreground device needs the window focus (else Refused). Acquiring twice is Ok.
  virtual InputResult Acquire() = 0;
  // Stops buffering and drops what was buffered. Ok also when not acquired.
  virtual InputResult Unacquire() = 0;

  // Moves the oldest buffered records, at most out.size(), into `out` and sets `count`.
  // When records were dropped because the buffer was full, the read returns the records that
  // were kept (the oldest ones) and reports BufferOverflow once. Any other result but these sets
  // `count` to 0.
  virtual InputResult Read(std::span<InputRecord> out, std::size_t& count) = 0;

  // The keys or buttons held now, built from the window's events whether or not the device is
  // acquired; everything counts as released after the window loses the focus. After a read
  // that reported BufferOverflow this tells which held keys the dropped records released.
  virtual void GetKeyState(KeyState& state) const = 0;

  virtual DeviceStatus Status() const = 0;
};

// The object the devices are created from.
class InputBackend {
 public:
  virtual ~InputBackend() = default;
  // Connects to the window's events. Devices can be created only afterwards (else Failed).
  virtual InputResult Open() = 0;
  virtual InputResult CreateDevice(DeviceKind kind, std::unique_ptr<InputDevice>& device) = 0;
};

}  // namespace platform
