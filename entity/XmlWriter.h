#pragma once
#include <string>
#include <vector>

#include "entity/AtomicFile.h"

// Streaming writer of every XML file the game produces: the declaration line, then the whole
// document on one line, text and attribute values as given (no escaping). The file replaces
// its previous contents only on a successful Close; a writer destroyed before that (an
// exception on the way) leaves the old file untouched.
class XmlWriter {
 public:
  // Throws SerException "could not open file" (code 0).
  void Open(const std::string& path);
  // The start tag stays open for attributes until content or another element follows.
  void WriteStartElement(const std::string& name);
  void WriteAttribute(const std::string& name, const std::string& value);
  // Throws SerException (code 1) when no element is open.
  void WriteString(const std::string& text);
  // Throws SerException (code 1) when no element is open. Never writes the self-closing form.
  void WriteEndElement();
  void WriteElementString(const std::string& name, const std::string& value);
  // Throws SerException "could not write file" (code 1) when the file could not be completed.
  void Close();

 private:
  struct ElementState {
    bool startTagClosed;
    std::string name;
  };

  void CloseStartTag();

  AtomicFile file_;
  std::vector<ElementState> elements_;
};
