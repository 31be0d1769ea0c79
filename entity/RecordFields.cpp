#include "entity/RecordFields.h"

#include <string_view>
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

NumberReading<int> ParseNumber(const std::string& text, int) { return ReadIntSetting(text); }
NumberReading<float> ParseNumber(const std::string& text, float) { return ReadFloatSetting(text); }

const char* Unfit(int) { return " does not fit a 32-bit integer"; }
const char* Unfit(float) { return " is not a finite number"; }

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
  const NumberReading<Number> read = ParseNumber(text, value);
  switch (read.kind) {
    case NumberReading<Number>::kWhole:
      break;
    case NumberReading<Number>::kTrailing:
      Note(name, Quoted(text) + " is not wholly a number: read as " + NumberText(read.value));
      break;
    case NumberReading<Number>::kNoNumber:
      Note(name, Quoted(text) + " is not a number: kept " + NumberText(value));
      break;
    case NumberReading<Number>::kUnfit:
      Note(name, Quoted(text) + Unfit(value) + ": kept " + NumberText(value));
      break;
  }
  if (read.Taken()) value = read.value;
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
    if (!document && !reader_.HasChildren()) {
      NoteEarlyEnd(name);
      return false;
    }
    reader_.ReadTag();
    return Found(kind, !reader_.IsEmptyTag() && !reader_.IsEndTag());
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
  return Found(kind, !reader_.IsEmptyTag());
}

bool FieldReader::Found(const char* kind, bool withContent) {
  if (withContent && std::string_view(kind) != "var") ++valuesFound_;
  return withContent;
}

// Said once per record, at the first field it lacks: the ones after it are missing too.
void FieldReader::NoteEarlyEnd(const char* name) {
  if (path_.empty() || path_.back().endedEarly) return;
  path_.back().endedEarly = true;
  Note(name, "and the fields after it are missing: they keep their values");
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
    if (!step.name.empty()) field.append(field.empty() ? "" : ".").append(step.name);
    if (step.index >= 0) field.append("[").append(std::to_string(step.index)).append("]");
  }
  if (name) field.append(field.empty() ? "" : ".").append(name);
  notes_.push_back(field.append(" ").append(what));
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
