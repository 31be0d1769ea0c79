#include "entity/RecordFields.h"

#include <limits>
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

std::string OutsideText(Limits limits) {
  const std::string low = FloatText(static_cast<float>(limits.low));
  if (limits.high == std::numeric_limits<double>::infinity()) return "is below " + low;
  return "is outside " + low + " to " + FloatText(static_cast<float>(limits.high));
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
    Refuse(name, NumberText(read) + " " + OutsideText(limits) + ": kept " + NumberText(value));
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
      Refuse(name, Quoted(text) + " is not a number: kept " + NumberText(value));
      break;
    case NumberReading<Number>::kUnfit:
      Refuse(name, Quoted(text) + Unfit(value) + ": kept " + NumberText(value));
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
  if (order_ != Order::Positional && text != "true" && text != "false") {
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
  if (order_ != Order::Checked) {
    if (!document && !reader_.HasChildren()) {
      NoteEarlyEnd(name);
      return false;
    }
    reader_.ReadTag();
    if (order_ == Order::Kinds) CheckTag(kind, name);
    return Found(kind, !reader_.IsEmptyTag() && !reader_.IsEndTag());
  }
  reader_.ReadTag();
  if (reader_.IsEndTag()) Fail(Describe(kind, name) + " expected, found the end of the element around it");
  CheckTag(kind, name);
  if (document && reader_.IsEmptyTag()) Fail("the document's element is empty");
  return Found(kind, !reader_.IsEmptyTag());
}

void FieldReader::CheckTag(const char* kind, const char* name) {
  const KeyValueMap& attributes = reader_.GetAttributes();
  auto found = attributes.find("name");
  const char* foundName = found == attributes.end() ? nullptr : found->second.c_str();
  std::string tag = reader_.GetTagName();
  // A self-closing tag keeps its slash in its name.
  if (reader_.IsEmptyTag()) tag.pop_back();
  const bool namesDiffer = order_ == Order::Checked && name && foundName && std::string(name) != foundName;
  if (tag != kind || namesDiffer) {
    Fail(Describe(kind, name) + " expected, found " + Describe(tag, foundName));
  }
}

bool FieldReader::Found(const char* kind, bool withContent) {
  if (withContent && std::string_view(kind) != "var") ++valuesFound_;
  return withContent;
}

// Said once per record, at the first field it lacks: the ones after it are missing too.
void FieldReader::NoteEarlyEnd(const char* name) {
  if (path_.empty() || path_.back().endedEarly) return;
  path_.back().endedEarly = true;
  path_.back().earlyEnd = Noted(name, "and the fields after it are missing: they keep their values");
}

void FieldReader::End(const char* kind) {
  reader_.ReadTag();
  if (!reader_.IsEndTag()) Fail("<" + reader_.GetTagName() + "> found inside <" + kind + ">");
  if (!earlyEnd_.empty()) notes_.push_back(std::exchange(earlyEnd_, {}));
}

void FieldReader::Enter(const char* name) { path_.push_back({name ? name : "", -1, false, {}}); }

void FieldReader::Item(size_t index) { path_.back().index = static_cast<long>(index); }

void FieldReader::Leave() {
  earlyEnd_ = std::move(path_.back().earlyEnd);
  path_.pop_back();
}

void FieldReader::Note(const char* name, const std::string& what) { notes_.push_back(Noted(name, what)); }

void FieldReader::Refuse(const char* name, const std::string& what) {
  ++refused_;
  Note(name, what);
}

std::string FieldReader::Noted(const char* name, const std::string& what) const {
  std::string field;
  for (const Step& step : path_) {
    if (!step.name.empty()) field.append(field.empty() ? "" : ".").append(step.name);
    if (step.index >= 0) field.append("[").append(std::to_string(step.index)).append("]");
  }
  if (name) field.append(field.empty() ? "" : ".").append(name);
  return field.append(" ").append(what);
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
