#include "ai/nav/TextTokens.h"

#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

void TextTokens::SkipBlanks() {
  while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
}

bool TextTokens::AtEnd() {
  SkipBlanks();
  return at_ == text_.size();
}

std::optional<std::string_view> TextTokens::Next() {
  SkipBlanks();
  if (at_ == text_.size()) return std::nullopt;
  const size_t start = at_;
  while (at_ < text_.size() && !IsBlank(text_[at_])) ++at_;
  return text_.substr(start, at_ - start);
}

bool TextTokens::Take(std::string_view word) {
  SkipBlanks();
  if (word.empty() || text_.substr(at_, word.size()) != word) return false;
  const size_t end = at_ + word.size();
  if (end < text_.size() && !IsBlank(text_[end])) return false;
  at_ = end;
  return true;
}

std::optional<int32_t> TextTokens::NextInt() {
  const std::optional<std::string_view> token = Next();
  return token ? IntToken(*token) : std::nullopt;
}

std::optional<float> TextTokens::NextFloat() {
  const std::optional<std::string_view> token = Next();
  return token ? FloatToken(*token) : std::nullopt;
}

std::optional<int32_t> IntToken(std::string_view token) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return value;
}

std::optional<float> FloatToken(std::string_view token) {
  float value = 0.0f;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsNumberToken(std::string_view token) {
  double value = 0.0;
  // A number out of range is still one: the reading stops at its end.
  return !token.empty() && std::from_chars(token.data(), token.data() + token.size(), value).ptr == token.data() + token.size();
}

std::string IntText(int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FixedText(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, double(value), std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}
