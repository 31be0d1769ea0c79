#pragma once
#include <string>

namespace platform {

// Opens a file with the desktop's default application for it, in the background: the caller
// neither waits for the application nor leaves a finished child behind. False when it could
// not be started.
bool OpenInDesktopApp(const std::string& path);

}  // namespace platform
