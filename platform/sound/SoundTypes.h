#pragma once
#include <cstdint>

// Plain values shared by the sound layer's interface. No sound-library type appears here: the
// game sees only these.
namespace platform::sound {

// What every sound call answers. Failures are values, never exceptions, so the game can keep
// running silent.
enum class Result : int {
  kOk = 0,
  kNoDevice,        // Init: no sound device could be opened; the system stays silent
  kNotRunning,      // the system never started or was closed: the call did nothing
  kFileNotFound,    // no file at the path
  kBadFile,         // unreadable, corrupt, empty or unsupported sound file
  kInvalidHandle,   // the sound was released, or the channel finished, was stopped or stolen
  kNoFreeVoice,     // every voice is busy with a paused, looping or streaming play
  kInvalidParam,    // a null out pointer or an unusable value
};

// An English sentence for a result, for log lines.
const char* ResultText(Result result);

// A point or direction in the game's own frame: z up, left-handed (facing +x with z up, +y is
// to the right). The sound layer converts to the library's frame in one place.
struct Vec3 {
  float x = 0.0f, y = 0.0f, z = 0.0f;
};

// A 2D sound plays as recorded, unplaced; a 3D sound is placed in the world and heard from the
// listener, and is always mono (stereo files are mixed down when they are opened).
enum class Dim { k2D, k3D };

}  // namespace platform::sound
