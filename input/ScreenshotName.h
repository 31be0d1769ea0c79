#pragma once
#include <cstdint>
#include <string>

// The file a screenshot taken at this calendar time goes to, in the working folder:
// "Vaultrunner " + month, day, hour, minute and second in UTC as "%02d_%02d %02d%02d%02d" +
// ".png". The name carries no year, and a second shot in the same second replaces the first.
std::string ScreenshotFileName(int64_t utcSeconds);
