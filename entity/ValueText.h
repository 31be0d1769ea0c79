#pragma once
#include <string>

// The text forms of plain values, shared by the XML fields, map-entity keys and typed console
// words. The plain conversions never fail: text that is not a number reads as 0. Settings
// fields read through NumberReading instead, which says what the text held.

// The leading decimal number (strtod), as a float. Values beyond the float range and
// infinities clamp to +-FLT_MAX; "nan" reads as 0, so no settings value can poison arithmetic.
float ParseFloatText(const std::string& text);
// The leading base-10 integer (strtol), clamped to the 32-bit range.
int ParseIntText(const std::string& text);

// How the text of a settings field reads as a number. Settings fields keep their value rather
// than take a stand-in, so the reading says whether the field takes it:
// - kWhole: the text is the number and nothing else (blanks around it aside);
// - kTrailing: a number followed by other text ("12abc"): the number is taken, as the leading
//   number is everywhere in the saved form, but the text is not what the game writes;
// - kNoNumber: no number at all ("seven", an empty text): nothing is taken;
// - kUnfit: a value the field's type cannot hold: NaN, infinities, beyond the float range (and
//   the "1.#QNAN", "1.#INF" forms other programs print for them), or beyond 32 bits.
template <class T>
struct NumberReading {
  enum Kind { kWhole, kTrailing, kNoNumber, kUnfit };
  Kind kind = kNoNumber;
  T value{};

  bool Taken() const { return kind == kWhole || kind == kTrailing; }
};
NumberReading<float> ReadFloatSetting(const std::string& text);
NumberReading<int> ReadIntSetting(const std::string& text);
// True exactly for "true": "True" and "1" are false.
bool ParseBoolText(const std::string& text);

// Up to six significant digits, exponent form for large and small magnitudes (as %g):
// 0.1 -> "0.1", 100 -> "100", 1234567 -> "1.23457e+06".
std::string FloatText(float value);
std::string BoolText(bool value);
