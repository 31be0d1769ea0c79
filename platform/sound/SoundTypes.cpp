#include "platform/sound/SoundTypes.h"

namespace platform::sound {

const char* ResultText(Result result) {
  switch (result) {
    case Result::kOk: return "No error.";
    case Result::kNoDevice: return "No sound device could be opened.";
    case Result::kNotRunning: return "The sound system is not running.";
    case Result::kFileNotFound: return "The sound file was not found.";
    case Result::kBadFile: return "The sound file is damaged or of an unsupported kind.";
    case Result::kInvalidHandle: return "The sound or channel is no longer valid.";
    case Result::kNoFreeVoice: return "Every voice is busy.";
    case Result::kInvalidParam: return "An argument was not usable.";
  }
  return "Unknown error.";
}

}  // namespace platform::sound
