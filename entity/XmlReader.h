#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "entity/KeyValueMap.h"

// The sequential tag scanner through which every data file is read. Callers pull one tag at a
// time and know from the document's order what comes next; element names are never compared.
// Every failure, whatever the input, is a SerException (code 0: the file could not be opened,
// 1: anything else).
class XmlReader {
 public:
  // Reads the whole file (read-only; the name is looked up case-insensitively, "\" accepted)
  // and consumes its first tag, the declaration.
  void Open(const std::string& path);
  // The same on a document already in memory.
  void OpenBuffer(std::string document);
  void Close();

  // Reads the next opening, closing or self-closing tag; after an opening tag also the text
  // up to the next tag (empty when the element has children).
  void ReadTag();
  bool IsEmptyTag() const { return isEmpty_; }
  // The last tag was a closing tag (its name starts with "/").
  bool IsEndTag() const { return !tagName_.empty() && tagName_[0] == '/'; }
  // The trimmed text after the last opening tag; closing and self-closing tags leave it as is.
  const std::string& GetText() const { return text_; }
  const std::string& GetTagName() const { return tagName_; }
  // Attributes of the last opening tag (parsed when first asked for: no loader needs them).
  const KeyValueMap& GetAttributes() const;
  // True unless the next tag is a closing tag. Consumes the blanks before it.
  bool HasChildren();
  // Where reading stands, for a failure line: "line 2, column 57" (lines of the file, columns
  // counted in bytes from 1).
  std::string Position() const;

 private:
  // Names of the open elements, stored back to back so that a deeply nested document costs
  // little more memory than its own bytes.
  class TagStack {
   public:
    void Push(std::string_view name);
    bool PopIfTop(std::string_view name);
    void Clear();

   private:
    std::string names_;
    std::vector<uint32_t> lengths_;
  };

  [[noreturn]] void Fail(std::string text);
  void SkipBlanks();
  // The bytes up to the next ">" (consumed); false when there is none.
  bool TakeTagContent(std::string_view& content);
  void ReadText();

  std::string doc_;
  size_t pos_ = 0;
  // Where in doc_ the last opening tag's attributes stand (the part of the tag after its name).
  size_t attributesBegin_ = 0;
  size_t attributesEnd_ = 0;
  mutable KeyValueMap attributes_;
  mutable bool attributesParsed_ = true;
  bool isEmpty_ = false;
  std::string tagName_;
  std::string text_;
  TagStack openTags_;
};
