#pragma once
#include <optional>
#include <string>

// The text forms of plain values, shared by the XML fields, map-entity keys and typed console
// words. Conversions never fail: text that is not a number reads as 0.

// The leading decimal number (strtod), as a float. Values beyond the float range and
// infinities clamp to +-FLT_MAX; "nan" reads as 0, so no settings value can poison arithmetic.
float ParseFloatText(const std::string& text);
// The leading base-10 integer (strtol), clamped to the 32-bit range.
int ParseIntText(const std::string& text);
// The same for settings fields, which keep their value rather than take a stand-in: nothing
// for a value no float can hold (NaN, infinities, beyond the float range, and the "1.#QNAN",
// "1.#INF" forms other programs print for them) or no 32-bit integer can hold.
std::optional<float> ParseFiniteFloatText(const std::string& text);
std::optional<int> ParseIntTextInRange(const std::string& text);
// True exactly for "true": "True" and "1" are false.
bool ParseBoolText(const std::string& text);

// Up to six significant digits, exponent form for large and small magnitudes (as %g):
// 0.1 -> "0.1", 100 -> "100", 1234567 -> "1.23457e+06".
std::string FloatText(float value);
std::string BoolText(bool value);
