#include "entity/XmlWriter.h"

#include "entity/SerException.h"

void XmlWriter::Open(const std::string& path) {
  elements_.clear();
  file_.Open(path);
  file_.Write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n");
}

void XmlWriter::WriteStartElement(const std::string& name) {
  CloseStartTag();
  elements_.push_back({false, name});
  file_.Write("<");
  file_.Write(name);
}

void XmlWriter::WriteAttribute(const std::string& name, const std::string& value) {
  file_.Write(" ");
  file_.Write(name);
  file_.Write("=\"");
  file_.Write(value);
  file_.Write("\"");
}

void XmlWriter::WriteString(const std::string& text) {
  CloseStartTag();
  if (elements_.empty())
    throw SerException("WriteString failed. There is no current element", SerException::kBadData);
  file_.Write(text);
}

void XmlWriter::WriteEndElement() {
  CloseStartTag();
  if (elements_.empty())
    throw SerException("WriteEndElement failed. There are no elements to end", SerException::kBadData);
  file_.Write("</");
  file_.Write(elements_.back().name);
  file_.Write(">");
  elements_.pop_back();
}

void XmlWriter::WriteElementString(const std::string& name, const std::string& value) {
  CloseStartTag();
  file_.Write("<" + name + ">" + value + "</" + name + ">");
}

void XmlWriter::Close() {
  elements_.clear();
  file_.Commit();
}

void XmlWriter::CloseStartTag() {
  if (elements_.empty() || elements_.back().startTagClosed) return;
  file_.Write(">");
  elements_.back().startTagClosed = true;
}
