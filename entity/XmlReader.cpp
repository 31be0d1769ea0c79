#include "entity/XmlReader.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "entity/SerException.h"
#include "platform/core/Files.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

size_t SkipBlanksIn(std::string_view s, size_t from) {
  while (from < s.size() && IsBlank(s[from])) ++from;
  return from;
}

// Files written on Windows read like ones written here: a CR that ends a line is dropped.
void DropCarriageReturns(std::string& s) {
  size_t out = s.find("\r\n");
  if (out == std::string::npos) return;
  for (size_t in = out; in < s.size(); ++in) {
    if (s[in] == '\r' && in + 1 < s.size() && s[in + 1] == '\n') continue;
    s[out++] = s[in];
  }
  s.resize(out);
}

// Element text without its outer blanks; a line break inside, with the blanks that follow it,
// becomes one space. The first character always survives the trailing trim.
void TrimText(std::string_view raw, std::string& text) {
  size_t end = raw.size();
  while (end > 1 && IsBlank(raw[end - 1])) --end;
  size_t pos = SkipBlanksIn(raw.substr(0, end), 0);
  text.clear();
  while (pos < end) {
    size_t lineEnd = raw.find('\n', pos);
    if (lineEnd == std::string_view::npos || lineEnd >= end) lineEnd = end;
    text.append(raw.substr(pos, lineEnd - pos));
    if (lineEnd == end) break;
    text += ' ';
    pos = SkipBlanksIn(raw.substr(0, end), lineEnd + 1);
  }
}

}  // namespace

void XmlReader::TagStack::Push(std::string_view name) {
  names_.append(name);
  lengths_.push_back(static_cast<uint32_t>(name.size()));
}

bool XmlReader::TagStack::PopIfTop(std::string_view name) {
  if (lengths_.empty() || lengths_.back() != name.size()) return false;
  size_t start = names_.size() - name.size();
  if (std::string_view(names_).substr(start) != name) return false;
  names_.resize(start);
  lengths_.pop_back();
  return true;
}

void XmlReader::TagStack::Clear() {
  names_.clear();
  lengths_.clear();
}

void XmlReader::Open(const std::string& path) {
  std::optional<std::vector<uint8_t>> bytes;
  try {
    bytes = platform::ReadFileBytes(path);
  } catch (const std::exception&) {
    // The stream library reports some unreadable paths (a folder) by throwing.
  }
  if (!bytes) throw SerException("could not open file", SerException::kCouldNotOpen);
  OpenBuffer(std::string(bytes->begin(), bytes->end()));
}

void XmlReader::OpenBuffer(std::string document) {
  // Tag lengths are kept in 32 bits; a data file of 4 GiB is not a data file.
  if (document.size() > std::numeric_limits<uint32_t>::max()) Fail("error reading XML header tag");
  doc_ = std::move(document);
  DropCarriageReturns(doc_);
  pos_ = 0;
  attributesBegin_ = attributesEnd_ = 0;
  attributes_.clear();
  attributesParsed_ = true;
  isEmpty_ = false;
  tagName_.clear();
  text_.clear();
  openTags_.Clear();
  // The declaration is taken as it stands, whatever it says; a UTF-8 byte-order mark before
  // it is swallowed with it.
  std::string_view declaration;
  if (!TakeTagContent(declaration)) Fail("error reading XML header tag");
}

void XmlReader::Close() {
  GetAttributes();  // while the document they stand in is still here
  doc_ = std::string();
  attributesBegin_ = attributesEnd_ = 0;
  pos_ = 0;
  openTags_.Clear();
}

void XmlReader::Fail(std::string text) { throw SerException(std::move(text), SerException::kBadData); }

void XmlReader::SkipBlanks() { pos_ = SkipBlanksIn(doc_, pos_); }

bool XmlReader::TakeTagContent(std::string_view& content) {
  SkipBlanks();
  if (pos_ >= doc_.size()) return false;
  ++pos_;  // the "<", taken without looking at it
  size_t close = doc_.find('>', pos_);
  if (close == std::string::npos) {
    pos_ = doc_.size();
    return false;
  }
  content = std::string_view(doc_).substr(pos_, close - pos_);
  pos_ = close + 1;
  return true;
}

void XmlReader::ReadTag() {
  isEmpty_ = false;
  attributesBegin_ = attributesEnd_ = 0;
  attributesParsed_ = false;
  std::string_view content;
  if (!TakeTagContent(content)) Fail("error reading XML tag");

  size_t nameStart = SkipBlanksIn(content, 0);
  size_t nameEnd = nameStart;
  while (nameEnd < content.size() && !IsBlank(content[nameEnd])) ++nameEnd;
  tagName_.assign(content.substr(nameStart, nameEnd - nameStart));

  if (IsEndTag()) {
    if (!openTags_.PopIfTop(std::string_view(tagName_).substr(1)))
      Fail("End tag: " + tagName_ + " was not properly matched");
    return;
  }
  if (!tagName_.empty() && tagName_.back() == '/') {
    isEmpty_ = true;
    return;
  }
  openTags_.Push(tagName_);
  attributesBegin_ = static_cast<size_t>(content.data() - doc_.data()) + nameEnd;
  attributesEnd_ = attributesBegin_ + content.size() - nameEnd;
  ReadText();
  if (HasChildren()) text_.clear();
}

const KeyValueMap& XmlReader::GetAttributes() const {
  if (attributesParsed_) return attributes_;
  attributesParsed_ = true;
  attributes_.clear();
  std::string_view rest = std::string_view(doc_).substr(attributesBegin_, attributesEnd_ - attributesBegin_);
  while (!rest.empty()) {
    // A key without "=" or a value without its closing quote ends the attributes; whatever
    // follows in the tag is ignored.
    size_t equals = rest.find('=');
    if (equals == std::string_view::npos) break;
    std::string_view key = rest.substr(0, equals);
    key.remove_prefix(SkipBlanksIn(key, 0));
    if (key.empty()) break;
    rest.remove_prefix(equals + 1);
    if (rest.empty()) break;
    rest.remove_prefix(1);  // the opening quote, whatever it is
    size_t quote = rest.find('"');
    if (quote == std::string_view::npos) break;
    attributes_[std::string(key)] = std::string(rest.substr(0, quote));
    rest.remove_prefix(quote + 1);
  }
  return attributes_;
}

void XmlReader::ReadText() {
  size_t next = doc_.find('<', pos_);
  if (next == std::string::npos) next = doc_.size();
  TrimText(std::string_view(doc_).substr(pos_, next - pos_), text_);
  pos_ = next;
}

bool XmlReader::HasChildren() {
  SkipBlanks();
  size_t second = SkipBlanksIn(doc_, pos_ + 1);
  return second >= doc_.size() || doc_[second] != '/';
}

std::string XmlReader::Position() const {
  const size_t at = std::min(pos_, doc_.size());
  const std::string_view read = std::string_view(doc_).substr(0, at);
  const size_t lines = static_cast<size_t>(std::count(read.begin(), read.end(), '\n'));
  const size_t lineStart = read.rfind('\n');
  const size_t column = lineStart == std::string_view::npos ? at + 1 : at - lineStart;
  return "line " + std::to_string(lines + 1) + ", column " + std::to_string(column);
}
