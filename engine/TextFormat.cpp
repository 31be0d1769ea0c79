#include "engine/TextFormat.h"

#include <sstream>

namespace {
template <class T>
std::string Format(T value) {
  std::ostringstream out;
  out << value;
  return out.str();
}
}  // namespace

std::string FormatFloat(float value) { return Format(value); }
std::string FormatDouble(double value) { return Format(value); }
