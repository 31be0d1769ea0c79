#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whitespace-separated tokens of the AI's text files (node graphs, path files), read the same
// in every locale: "1.5" is one and a half whatever the user's decimal comma. Line ends (LF or
// CRLF) and tabs are separators like blanks.
class TextTokens {
 public:
  explicit TextTokens(std::string_view text) : text_(text) {}

  // The next token, or none at the end of the text.
  std::optional<std::string_view> Next();
  // Takes `word` when the text goes on with it followed by a blank or the end (a name that
  // may hold blanks itself); false, taking nothing, otherwise.
  bool Take(std::string_view word);
  // The next token as a whole base-10 32-bit number; none when it is missing or not one.
  std::optional<int32_t> NextInt();
  // The next token as a finite decimal number; none when it is missing or not one.
  std::optional<float> NextFloat();
  bool AtEnd();
  // Bytes not yet read.
  size_t Remaining() const { return text_.size() - at_; }
  // Where reading stands, as a byte offset into the text, and a move there (at most to the end).
  size_t Position() const { return at_; }
  void Seek(size_t at) { at_ = at < text_.size() ? at : text_.size(); }

 private:
  void SkipBlanks();

  std::string_view text_;
  size_t at_ = 0;
};

// Whether the token reads wholly as a decimal number of any size, "nan" and "inf" included.
bool IsNumberToken(std::string_view token);
// The token as a whole base-10 32-bit number, or as a finite decimal number; none otherwise.
std::optional<int32_t> IntToken(std::string_view token);
std::optional<float> FloatToken(std::string_view token);

// The writers' number forms: "%d", and "%f" (six decimals), without the C locale's help.
std::string IntText(int32_t value);
std::string FixedText(float value);
