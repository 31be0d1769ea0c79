#pragma once
#include <exception>
#include <string>

// The one exception of the XML layer. Loaders tell "the file is not there" (code 0, worth
// writing back from the values held) from "the file is there but bad" (code 1, leave it alone).
class SerException : public std::exception {
 public:
  static constexpr int kCouldNotOpen = 0;
  static constexpr int kBadData = 1;

  SerException(std::string text, int code) : text_(std::move(text)), code_(code) {}

  const char* what() const noexcept override { return text_.c_str(); }
  int Code() const noexcept { return code_; }

 private:
  std::string text_;
  int code_;
};
