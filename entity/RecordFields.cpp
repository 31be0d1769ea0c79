#include "entity/RecordFields.h"

#include <utility>

#include "entity/Params.h"
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

std::string NumberText(int value) { return std::to_string(value); }
std::string NumberText(float value) { return FloatText(value); }

std::optional<int> ParseNumber(const std::string& text, int) { return ParseIntTextInRange(text); }
std::optional<float> ParseNumber(const std::string& text, float) { return ParseFiniteFloatText(text); }

const char* Refusal(int) { return " does not fit a 32-bit integer"; }
const char* Refusal(float) { return " is not a finite number"; }

}  // namespace

void FieldReader::operator()(const char* name, float& value, Limits limits) { ReadLimited(name, value, limits); }

void FieldReader::operator()(const char* name, int& value, Limits limits) { ReadLimited(name, value, limits); }

template <class Number>
void FieldReader::ReadLimited(const char* name, Number& value, Limits limits) {
  Number read = value;
  ReadPlain(name, read);
  if (read >= limits.low && read <= limits.high) {
    value = read;
  } else if (read != value) {
    Note(name, NumberText(read) + " is outside " + LimitsText(limits) + ": kept " + NumberText(value));
  }
}

template <class Number>
void FieldReader::ReadNumber(const char* kind, const char* name, Number& value) {
  if (!Begin(kind, name)) return;
  const std::string& text = reader_.GetText();
  if (std::optional<Number> read = ParseNumber(text, value)) {
    value = *read;
  } else {
    Note(name, Quoted(text) + Refusal(value) + ": kept " + NumberText(value));
  }
  End(kind);
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

void FieldReader::ReadPlain(const char* name, int& value) { ReadNumber("int", name, value); }

void FieldReader::ReadPlain(const char* name, float& value) { ReadNumber("float", name, value); }

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

// Nameless values (list items, map keys) leave out the name attribute.
void FieldWriter::WritePlain(const char* name, bool value) {
  Params::WriteBool(writer_, name ? name : "", value, name);
}

void FieldWriter::WritePlain(const char* name, int value) { XmlWriteInt(writer_, name ? name : "", value, name); }

void FieldWriter::WritePlain(const char* name, float value) {
  Params::WriteFloat(writer_, name ? name : "", value, name);
}

void FieldWriter::WritePlain(const char* name, const std::string& value) {
  XmlWriteString(writer_, name ? name : "", value, name);
}

}  // namespace RecordFields
