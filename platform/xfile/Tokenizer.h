#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// Turns the body of a model file, text or binary, into one stream of tokens, so that a single
// parser reads both. Separators (';' and ',') carry no meaning for that parser and are dropped:
// real exporters place them inconsistently.
namespace platform::xfile {

// Thrown by the tokenizer and the parser; ReadModel turns it into an error text.
struct ParseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class TokenKind {
  Name,    // an identifier (in text files also anything that is not a number)
  Number,  // text words that read as numbers, and binary integers and floats
  String,  // a quoted string
  Guid,
  OpenBrace,
  CloseBrace,
  Template,  // the keyword that starts a template definition
  Other,     // template-definition punctuation and type keywords of binary files
  End,
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::string_view text;  // names, strings and text numbers
  double number = 0;
};

class Tokenizer {
 public:
  enum class Format { Text, Binary };
  // floatBytes is 4 or 8: the size of binary floats as the header says.
  Tokenizer(std::span<const uint8_t> body, Format format, int floatBytes);

  const Token& Peek();
  Token Next();
  // Bytes not yet turned into tokens: the bound for any count the file declares.
  size_t Remaining() const { return data_.size() - pos_; }

 private:
  Token Read();
  Token ReadText();
  Token ReadBinary();
  Token NextListItem();
  uint32_t Read32();
  uint16_t Read16();
  void Need(size_t bytes);

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  Format format_;
  int floatBytes_;
  Token peeked_;
  bool hasPeeked_ = false;
  // An integer or float list of a binary file being handed out one item at a time.
  uint32_t listLeft_ = 0;
  bool listFloats_ = false;
};

}  // namespace platform::xfile
