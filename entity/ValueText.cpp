#include "entity/ValueText.h"

#include <cerrno>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

float ParseFloatText(const std::string& text) {
  double value = std::strtod(text.c_str(), nullptr);
  if (std::isnan(value)) return 0.0f;
  if (value > FLT_MAX) return FLT_MAX;
  if (value < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(value);
}

int ParseIntText(const std::string& text) {
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::optional<float> ParseFiniteFloatText(const std::string& text) {
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  if (*end == '#' || !std::isfinite(value) || std::fabs(value) > FLT_MAX) return std::nullopt;
  return static_cast<float>(value);
}

std::optional<int> ParseIntTextInRange(const std::string& text) {
  errno = 0;
  long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

bool ParseBoolText(const std::string& text) { return text == "true"; }

std::string FloatText(float value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

std::string BoolText(bool value) { return value ? "true" : "false"; }
