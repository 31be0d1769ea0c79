#pragma once
#include <string>

#include "tools/soundgen/Synth.h"

namespace soundgen {

// 16-bit PCM WAV.
bool WriteWav(const std::string& path, const Clip& clip);
// OGG Vorbis at the given quality (0..1), with a fixed stream serial number so that the same
// sound gives the same bytes on every build.
bool WriteOgg(const std::string& path, const Clip& clip, double quality);

}  // namespace soundgen
