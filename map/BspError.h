#pragma once
#include <stdexcept>
#include <string>

// A map file that cannot be used. what() is the short text the game logs after "Could not load
// map. " ("Could not open file", "Not a valid BSP file", "Unsupported version"); detail() says
// what exactly was wrong, for the log line that follows.
class BspError : public std::runtime_error {
 public:
  BspError(const std::string& message, std::string detail)
      : std::runtime_error(message), detail_(std::move(detail)) {}
  const std::string& detail() const { return detail_; }

 private:
  std::string detail_;
};

inline constexpr const char* kBspNotValid = "Not a valid BSP file";
