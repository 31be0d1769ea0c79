#include "platform/xfile/Tokenizer.h"

#include <charconv>
#include <cstring>

namespace platform::xfile {
namespace {

// Token codes of the binary format.
enum : uint16_t {
  kName = 1,
  kString = 2,
  kInteger = 3,
  kGuid = 5,
  kIntegerList = 6,
  kFloatList = 7,
  kOpenBrace = 10,
  kCloseBrace = 11,
  kComma = 19,
  kSemicolon = 20,
  kTemplate = 31,
};

bool IsSpace(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool EndsWord(char c) {
  return IsSpace(c) || c == ',' || c == ';' || c == '{' || c == '}' || c == '"' || c == '<';
}

bool ParseNumber(std::string_view text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last;
}

}  // namespace

Tokenizer::Tokenizer(std::span<const uint8_t> body, Format format, int floatBytes)
    : data_(body), format_(format), floatBytes_(floatBytes) {}

const Token& Tokenizer::Peek() {
  if (!hasPeeked_) {
    peeked_ = Read();
    hasPeeked_ = true;
  }
  return peeked_;
}

Token Tokenizer::Next() {
  if (hasPeeked_) {
    hasPeeked_ = false;
    return peeked_;
  }
  return Read();
}

Token Tokenizer::Read() { return format_ == Format::Text ? ReadText() : ReadBinary(); }

Token Tokenizer::ReadText() {
  const char* text = reinterpret_cast<const char*>(data_.data());
  const size_t size = data_.size();
  for (;;) {
    while (pos_ < size && (IsSpace(text[pos_]) || text[pos_] == ',' || text[pos_] == ';')) ++pos_;
    if (pos_ >= size) return {};
    const bool slashes = text[pos_] == '/' && pos_ + 1 < size && text[pos_ + 1] == '/';
    if (text[pos_] != '#' && !slashes) break;
    while (pos_ < size && text[pos_] != '\n') ++pos_;
  }
  const char c = text[pos_];
  if (c == '{' || c == '}') {
    ++pos_;
    return {c == '{' ? TokenKind::OpenBrace : TokenKind::CloseBrace, {}, 0};
  }
  if (c == '"' || c == '<') {
    const char close = c == '"' ? '"' : '>';
    const void* end = std::memchr(text + pos_ + 1, close, size - pos_ - 1);
    if (!end) throw ParseError(c == '"' ? "unterminated string" : "unterminated GUID");
    const size_t stop = static_cast<const char*>(end) - text;
    Token t{c == '"' ? TokenKind::String : TokenKind::Guid,
            std::string_view(text + pos_ + 1, stop - pos_ - 1), 0};
    pos_ = stop + 1;
    return t;
  }
  const size_t start = pos_;
  while (pos_ < size && !EndsWord(text[pos_])) ++pos_;
  Token t{TokenKind::Name, std::string_view(text + start, pos_ - start), 0};
  if (t.text == "template")
    t.kind = TokenKind::Template;
  else if (ParseNumber(t.text, t.number))
    t.kind = TokenKind::Number;
  return t;
}

void Tokenizer::Need(size_t bytes) {
  if (bytes > data_.size() - pos_) throw ParseError("binary data ends inside a token");
}

uint16_t Tokenizer::Read16() {
  Need(2);
  uint16_t v = data_[pos_] | (data_[pos_ + 1] << 8);
  pos_ += 2;
  return v;
}

uint32_t Tokenizer::Read32() {
  Need(4);
  uint32_t v = data_[pos_] | (data_[pos_ + 1] << 8) | (data_[pos_ + 2] << 16) |
               (uint32_t(data_[pos_ + 3]) << 24);
  pos_ += 4;
  return v;
}

Token Tokenizer::NextListItem() {
  --listLeft_;
  Token t{TokenKind::Number, {}, 0};
  if (!listFloats_) {
    t.number = Read32();
  } else if (floatBytes_ == 4) {
    const uint32_t bits = Read32();
    float f;
    std::memcpy(&f, &bits, 4);
    t.number = f;
  } else {
    Need(8);
    std::memcpy(&t.number, data_.data() + pos_, 8);
    pos_ += 8;
  }
  return t;
}

Token Tokenizer::ReadBinary() {
  for (;;) {
    if (listLeft_ > 0) return NextListItem();
    if (data_.size() - pos_ < 2) return {};
    const uint16_t code = Read16();
    switch (code) {
      case kName:
      case kString: {
        const uint32_t length = Read32();
        Need(length);
        Token t{code == kName ? TokenKind::Name : TokenKind::String,
                std::string_view(reinterpret_cast<const char*>(data_.data()) + pos_, length), 0};
        pos_ += length;
        // Some writers end a string with a 32-bit separator rather than a 16-bit token.
        if (code == kString && data_.size() - pos_ >= 4 && data_[pos_ + 1] == 0 &&
            (data_[pos_] == kComma || data_[pos_] == kSemicolon) && data_[pos_ + 2] == 0 &&
            data_[pos_ + 3] == 0)
          pos_ += 4;
        return t;
      }
      case kInteger:
        return {TokenKind::Number, {}, static_cast<double>(Read32())};
      case kGuid:
        Need(16);
        pos_ += 16;
        return {TokenKind::Guid, {}, 0};
      case kIntegerList:
      case kFloatList: {
        const uint32_t count = Read32();
        listFloats_ = code == kFloatList;
        const size_t itemBytes = listFloats_ ? floatBytes_ : 4;
        if (count > (data_.size() - pos_) / itemBytes)
          throw ParseError("binary list longer than the file");
        listLeft_ = count;
        continue;
      }
      case kOpenBrace:
        return {TokenKind::OpenBrace, {}, 0};
      case kCloseBrace:
        return {TokenKind::CloseBrace, {}, 0};
      case kComma:
      case kSemicolon:
        continue;
      case kTemplate:
        return {TokenKind::Template, {}, 0};
      default:
        if ((code >= 12 && code <= 18) || (code >= 40 && code <= 52))
          return {TokenKind::Other, {}, 0};
        throw ParseError("unknown binary token " + std::to_string(code));
    }
  }
}

}  // namespace platform::xfile
