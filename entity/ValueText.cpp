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

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// What follows the number: nothing but blanks makes it whole.
template <class T>
NumberReading<T> Reading(const char* text, const char* end, T value) {
  if (end == text) return {NumberReading<T>::kNoNumber, T{}};
  while (IsBlank(*end)) ++end;
  return {*end ? NumberReading<T>::kTrailing : NumberReading<T>::kWhole, value};
}

}  // namespace

NumberReading<float> ReadFloatSetting(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() && (*end == '#' || !std::isfinite(value) || std::fabs(value) > FLT_MAX)) {
    return {NumberReading<float>::kUnfit, 0.0f};
  }
  return Reading(text.c_str(), end, static_cast<float>(value));
}

NumberReading<int> ReadIntSetting(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (end != text.c_str() && (errno == ERANGE || value > INT_MAX || value < INT_MIN)) {
    return {NumberReading<int>::kUnfit, 0};
  }
  return Reading(text.c_str(), end, static_cast<int>(value));
}

bool ParseBoolText(const std::string& text) { return text == "true"; }

std::string FloatText(float value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

std::string BoolText(bool value) { return value ? "true" : "false"; }
