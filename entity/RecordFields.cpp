#include "entity/RecordFields.h"

#include <utility>

#include "entity/SerException.h"
#include "entity/ValueText.h"

namespace RecordFields {

namespace {

std::string Describe(const std::string& kind, const char* name) {
  return "<" + kind + (name ? std::string(" name=\"") + name + "\"" : std::string()) + ">";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string LimitsText(Limits limits) {
  return FloatText(static_cast<float>(limits.low)) + " to " + FloatText(static_cast<float>(limits.high));
}

}  // namespace

void FieldReader::operator()(const char* name, float& value, Limits limits) {
  float read = value;
  ReadPlain(name, read);
  if (read >= limits.low && read <= limits.high) {
    value = read;
  } else if (read != value) {
    Note(name, FloatText(read) + " is outside " + LimitsText(limits) + ": kept " + FloatText(value));
  }
}

void FieldReader::operator()(const char* name, int& value, Limits limits) {
  int read = value;
  ReadPlain(name, read);
  if (read >= limits.low && read <= limits.high) {
    value = read;
  } else if (read != value) {
    Note(name, std::to_string(read) + " is outside " + LimitsText(limits) + ": kept " + std::to_string(value));
  }
}

void FieldReader::ReadPlain(const char* name, bool& value) {
  if (!Begin("bool", name)) return;
  const std::string& text = reader_.GetText();
  value = ParseBoolText(text);
  // Only "true" is true; a checked file says so when it holds something else ("True").
  if (order_ == Order::Checked && text != "true" && text != "false") {
    Note(name, "is " + Quoted(text) + ", not true or false: read as false");
  }
  End("bool");
}

void FieldReader::ReadPlain(const char* name, int& value) {
  if (!Begin("int", name)) return;
  const std::string& text = reader_.GetText();
  if (std::optional<int> read = ParseIntTextInRange(text)) {
    value = *read;
  } else {
    Note(name, Quoted(text) + " does not fit a 32-bit integer: kept " + std::to_string(value));
  }
  End("int");
}

void FieldReader::ReadPlain(const char* name, float& value) {
  if (!Begin("float", name)) return;
  const std::string& text = reader_.GetText();
  if (std::optional<float> read = ParseFiniteFloatText(text)) {
    value = *read;
  } else {
    Note(name, Quoted(text) + " is not a finite number: kept " + FloatText(value));
  }
  End("float");
}

void FieldReader::ReadPlain(const char* name, std::string& value) {
  if (!Begin("string", name)) return;
  value = reader_.GetText();
  End("string");
}

bool FieldReader::Begin(const char* kind, const char* name) {
  const bool document = std::exchange(atDocument_, false);
  if (order_ == Order::Positional) {
    if (!document && !reader_.HasChildren()) return false;
    reader_.ReadTag();
    return !reader_.IsEmptyTag() && !reader_.IsEndTag();
  }
  reader_.ReadTag();
  if (reader_.IsEndTag()) Fail(Describe(kind, name) + " expected, found the end of the element around it");
  const KeyValueMap& attributes = reader_.GetAttributes();
  auto found = attributes.find("name");
  const char* foundName = found == attributes.end() ? nullptr : found->second.c_str();
  std::string tag = reader_.GetTagName();
  // A self-closing tag keeps its slash in its name.
  if (reader_.IsEmptyTag()) tag.pop_back();
  if (tag != kind || (name && foundName && std::string(name) != foundName)) {
    Fail(Describe(kind, name) + " expected, found " + Describe(tag, foundName));
  }
  if (document && reader_.IsEmptyTag()) Fail("the document's element is empty");
  return !reader_.IsEmptyTag();
}

void FieldReader::End(const char* kind) {
  reader_.ReadTag();
  if (!reader_.IsEndTag()) Fail("<" + reader_.GetTagName() + "> found inside <" + kind + ">");
}

void FieldReader::Enter(const char* name) { path_.push_back({name ? name : "", -1}); }

void FieldReader::Item(size_t index) { path_.back().index = static_cast<long>(index); }

void FieldReader::Leave() { path_.pop_back(); }

void FieldReader::Note(const char* name, const std::string& what) {
  std::string field;
  for (const Step& step : path_) {
    if (!step.name.empty()) field += (field.empty() ? "" : ".") + step.name;
    if (step.index >= 0) field += "[" + std::to_string(step.index) + "]";
  }
  if (name) field += (field.empty() ? "" : ".") + std::string(name);
  notes_.push_back(field + " " + what);
}

void FieldReader::Fail(const std::string& text) { throw SerException(text, SerException::kBadData); }

void FieldWriter::Start(const char* kind, const char* name) {
  writer_.WriteStartElement(kind);
  if (name) writer_.WriteAttribute("name", name);
}

void FieldWriter::WritePlain(const char* name, bool value) {
  Start("bool", name);
  writer_.WriteString(BoolText(value));
  writer_.WriteEndElement();
}

void FieldWriter::WritePlain(const char* name, int value) {
  Start("int", name);
  writer_.WriteString(std::to_string(value));
  writer_.WriteEndElement();
}

void FieldWriter::WritePlain(const char* name, float value) {
  Start("float", name);
  writer_.WriteString(FloatText(value));
  writer_.WriteEndElement();
}

void FieldWriter::WritePlain(const char* name, const std::string& value) {
  Start("string", name);
  writer_.WriteString(value);
  writer_.WriteEndElement();
}

}  // namespace RecordFields
