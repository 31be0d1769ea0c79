#include "input/ScreenshotName.h"

#include <cstdio>
#include <ctime>

std::string ScreenshotFileName(int64_t utcSeconds) {
  const std::time_t time = static_cast<std::time_t>(utcSeconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d_%02d %02d%02d%02d", utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min,
                utc.tm_sec);
  return std::string("Vaultrunner ") + stamp + ".png";
}
