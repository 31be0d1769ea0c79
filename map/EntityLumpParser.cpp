#include "map/EntityLumpParser.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "map/WorldLimit.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The text between a double quote at the start of `text` and the next double quote; nullopt
// when the closing quote is missing. `consumed` is 0 when `text` does not start with a quote.
std::optional<std::string_view> ReadQuotedToken(std::string_view text, size_t& consumed) {
  consumed = 0;
  if (text.empty() || text.front() != '"') return std::string_view();
  size_t close = text.find('"', 1);
  if (close == std::string_view::npos) return std::nullopt;
  consumed = close + 1;
  return text.substr(1, close - 1);
}

class EntityTextReader {
 public:
  explicit EntityTextReader(std::string_view text) : text_(text) {}

  EntityLump Read() {
    KeyValueMap* block = nullptr;
    std::string_view line;
    while (NextLine(line)) {
      if (line.empty()) continue;
      if (line == "{") {
        lump_.entities.emplace_back();
        block = &lump_.entities.back();
      } else if (!block) {
        Problem("text outside an entity block");
      } else if (line == "}") {
        block = nullptr;
      } else {
        ParseKeyValueLine(line, *block);
      }
    }
    return std::move(lump_);
  }

 private:
  bool NextLine(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    size_t end = text_.find_first_of(std::string_view("\n\0", 2), pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = Trim(text_.substr(pos_, end - pos_));
    pos_ = end + 1;
    ++lineNumber_;
    return true;
  }

  void ParseKeyValueLine(std::string_view line, KeyValueMap& block) {
    size_t used = 0;
    auto key = ReadQuotedToken(line, used);
    if (!key) return Problem("unterminated quote");
    if (used == 0) return Problem("not a \"key\" \"value\" line");
    if (used >= line.size() || line[used] != ' ') return Problem("no value after the key");
    auto value = ReadQuotedToken(line.substr(used + 1), used);
    if (!value) return Problem("unterminated quote");
    block[std::string(*key)] = std::string(*value);
  }

  void Problem(const char* what) {
    lump_.problems.push_back("line " + std::to_string(lineNumber_) + ": " + what);
  }

  std::string_view text_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
  EntityLump lump_;
};

}  // namespace

EntityLump ParseEntityText(std::string_view text) { return EntityTextReader(text).Read(); }

namespace {

// The next blank-separated token of a position value, without a leading "+"; none at the end.
std::optional<std::string_view> NextToken(std::string_view& value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  if (value.empty()) return std::nullopt;
  std::string_view token = value.substr(0, value.find_first_of(" \t"));
  value.remove_prefix(token.size());
  if (token.front() == '+') token.remove_prefix(1);
  return token;
}

}  // namespace

int ReadVectorKey(std::string_view value, float out[3]) {
  int present = 0;
  for (int i = 0; i < 3; ++i) {
    out[i] = 0.0f;
    const std::optional<std::string_view> token = NextToken(value);
    if (!token) continue;
    ++present;
    float v = 0.0f;
    auto [ptr, ec] = std::from_chars(token->data(), token->data() + token->size(), v);
    if (ec == std::errc() && std::isfinite(v)) out[i] = v;
  }
  return present;
}

bool HoldsUnplaceableNumber(std::string_view value) {
  while (const std::optional<std::string_view> token = NextToken(value)) {
    // The longest leading number, as strtod takes it: overflow gives an infinity.
    const std::string text(*token);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() && !(std::fabs(v) <= kWorldLimit)) return true;
  }
  return false;
}
