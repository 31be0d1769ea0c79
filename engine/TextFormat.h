#pragma once
#include <string>

// Numbers as the default output stream writes them: at most six significant digits, exponent
// form for very large or very small values. Shared by console variables, the profiler and
// every data file.
std::string FormatFloat(float value);
std::string FormatDouble(double value);
