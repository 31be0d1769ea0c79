#pragma once
#include <cstddef>
#include <deque>
#include <limits>
#include <list>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "platform/math/Color.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

// Every record file lists each record's fields once, in file order, in an overload found by
// argument-dependent lookup:
//
//   template <class Fields>
//   void VisitFields(Fields& f, TransitionInfo& r) { f("StartDepth", r.StartDepth); ... }
//
// FieldReader and FieldWriter walk that list, so reading and the written shape cannot drift
// apart. Plain values are typed elements ("bool", "int", "float", "string") holding the value
// as text, with name="field"; a record is a "var", a vector or deque a "list" of nameless
// items (vector, deque, list), a map a "list" of "pair" elements holding the key and the value. Vectors are records
// of floats named x, y, z; colours, quaternions and float arrays records of floats named 0 to 3.
namespace RecordFields {

// The range a number field accepts; a value outside keeps the field as it was.
struct Limits {
  double low;
  double high;
};

// Counts, times, distances and worths: anything from `low` up.
constexpr Limits AtLeast(double low) { return {low, std::numeric_limits<double>::infinity()}; }

template <class Visitor, class T>
concept Record = requires(Visitor& v, T& record) {
  VisitFields(v, record);
};

template <class T>
struct Sequence : std::false_type {};
template <class T>
struct Sequence<std::vector<T>> : std::true_type {};
template <class T>
struct Sequence<std::deque<T>> : std::true_type {};
template <class T>
struct Sequence<std::list<T>> : std::true_type {};

template <class T>
struct Dictionary : std::false_type {};
template <class K, class V>
struct Dictionary<std::map<K, V>> : std::true_type {};

// Reading goes by position and never compares names. A self-closing element leaves its field
// unchanged; a record that ends early keeps the fields it lacks, and is noted; an element where
// a value or the end of a record belongs is refused (SerException, code 1). A number that is
// not a number, not finite, does not fit its field or breaks the field's limits keeps the field
// as it was and is noted; one followed by other text ("12abc") is taken and noted.
class FieldReader {
 public:
  enum class Order {
    Positional,
    // Besides the order, each element's kind and, where the file gives one, its name must be
    // the field's, and every field must be there: a file whose elements were moved about is
    // refused with a line saying where instead of being read into the wrong fields.
    Checked,
    // As Positional, but an element of another kind than the field's is refused as Checked
    // refuses it: for files whose form never compared names, where a "string" read into a
    // number would still be taken without a word.
    Kinds,
  };

  explicit FieldReader(XmlReader& reader, Order order = Order::Positional) : reader_(reader), order_(order) {}

  template <class T>
  void operator()(const char* name, T& value) {
    if constexpr (std::is_array_v<T>) {
      ReadArray(name, value);
    } else if constexpr (Record<FieldReader, T>) {
      ReadRecord(name, value);
    } else if constexpr (Sequence<T>::value) {
      ReadSequence(name, value);
    } else if constexpr (Dictionary<T>::value) {
      ReadDictionary(name, value);
    } else {
      ReadPlain(name, value);
    }
  }
  void operator()(const char* name, float& value, Limits limits);
  void operator()(const char* name, int& value, Limits limits);

  // The document's element: a record or a list without a name.
  // Checked reading refuses a self-closing one.
  template <class T>
  void ReadDocument(T& document) {
    documentIsRecord_ = Record<FieldReader, T>;
    (*this)(nullptr, document);
  }

  // The document is a record and not one of its values was there: the file was emptied
  // ("<var/>", or only self-closing values).
  bool FoundNoValue() const { return documentIsRecord_ && valuesFound_ == 0; }

  // "field: what was wrong" for each number refused, in file order; a field inside a record
  // or list is named by its path ("SoundList[2].Volume"). A record that ends early is noted
  // once its end tag was read: a file cut off or broken there is one fault, and the failure
  // that reading throws is its line.
  const std::vector<std::string>& Notes() const { return notes_; }
  size_t NoteCount() const { return notes_.size(); }
  // Numbers refused so far (each also noted).
  size_t RefusedCount() const { return refused_; }
  // Takes back the notes from `count` on: for a reader that refuses a whole item over a number
  // refused inside it, and says so in a line of its own.
  void WithdrawNotes(size_t count) {
    if (count < notes_.size()) notes_.resize(count);
  }

 private:
  template <class T>
  void ReadRecord(const char* name, T& record) {
    if (!Begin("var", name)) return;
    Enter(name);
    VisitFields(*this, record);
    Leave();
    End("var");
  }

  template <class T, size_t N>
  void ReadArray(const char* name, T (&values)[N]) {
    if (!Begin("var", name)) return;
    Enter(name);
    for (size_t i = 0; i < N; ++i) (*this)(kIndexNames[i], values[i]);
    Leave();
    End("var");
  }

  // Items read before a failure stay in the list.
  template <class T>
  void ReadSequence(const char* name, T& list) {
    if (!Begin("list", name)) return;
    Enter(name);
    list.clear();
    while (reader_.HasChildren()) {
      typename T::value_type item{};
      Item(list.size());
      (*this)(nullptr, item);
      list.push_back(std::move(item));
    }
    Leave();
    End("list");
  }

  template <class T>
  void ReadDictionary(const char* name, T& map) {
    if (!Begin("list", name)) return;
    Enter(name);
    while (reader_.HasChildren()) {
      typename T::key_type key{};
      Item(map.size());
      if (!Begin("pair", nullptr)) continue;
      (*this)(nullptr, key);
      (*this)(nullptr, map[key]);
      End("pair");
    }
    Leave();
    End("list");
  }

  template <class Number>
  void ReadLimited(const char* name, Number& value, Limits limits);
  template <class Number>
  void ReadNumber(const char* kind, const char* name, Number& value);
  void ReadPlain(const char* name, bool& value);
  void ReadPlain(const char* name, int& value);
  void ReadPlain(const char* name, float& value);
  void ReadPlain(const char* name, std::string& value);

  // Takes the field's tag; false when the field keeps its value (a self-closing element, or
  // the record ended early).
  bool Begin(const char* kind, const char* name);
  // Counts a value, list or map with content; returns `withContent`.
  bool Found(const char* kind, bool withContent);
  void NoteEarlyEnd(const char* name);
  // Refuses a tag of another kind than the field's (and, when Checked, of another name).
  void CheckTag(const char* kind, const char* name);
  // Takes the field's end tag.
  void End(const char* kind);
  void Enter(const char* name);
  void Item(size_t index);
  void Leave();
  void Note(const char* name, const std::string& what);
  // Notes a number that keeps the field's value.
  void Refuse(const char* name, const std::string& what);
  // "path.name what".
  std::string Noted(const char* name, const std::string& what) const;
  [[noreturn]] static void Fail(const std::string& text);

  static constexpr const char* kIndexNames[] = {"0", "1", "2", "3"};

  // Where the reader stands, for the notes: one entry per open record or list, with the index
  // of the item being read (-1 outside lists), and the note of a record found to end early,
  // held until its end tag is read.
  struct Step {
    std::string name;
    long index = -1;
    bool endedEarly = false;
    std::string earlyEnd;
  };

  XmlReader& reader_;
  Order order_;
  bool atDocument_ = true;
  bool documentIsRecord_ = false;
  // Values, lists and maps found with content.
  size_t valuesFound_ = 0;
  std::vector<Step> path_;
  // The early end of the record just left, noted when its end tag is read.
  std::string earlyEnd_;
  std::vector<std::string> notes_;
  size_t refused_ = 0;
};

class FieldWriter {
 public:
  explicit FieldWriter(XmlWriter& writer) : writer_(writer) {}

  // List items and the document's element have no name (nullptr).
  template <class T>
  void operator()(const char* name, T& value) {
    if constexpr (std::is_array_v<T>) {
      Start("var", name);
      for (size_t i = 0; i < std::extent_v<T>; ++i) WritePlain(kIndexNames[i], value[i]);
      writer_.WriteEndElement();
    } else if constexpr (Record<FieldWriter, T>) {
      Start("var", name);
      VisitFields(*this, value);
      writer_.WriteEndElement();
    } else if constexpr (Sequence<T>::value) {
      Start("list", name);
      for (auto& item : value) (*this)(nullptr, item);
      writer_.WriteEndElement();
    } else if constexpr (Dictionary<T>::value) {
      Start("list", name);
      for (auto& [key, item] : value) {
        writer_.WriteStartElement("pair");
        WritePlain(nullptr, key);
        (*this)(nullptr, item);
        writer_.WriteEndElement();
      }
      writer_.WriteEndElement();
    } else {
      WritePlain(name, value);
    }
  }
  template <class T>
  void operator()(const char* name, T& value, Limits) {
    WritePlain(name, value);
  }

  // The writer only reads the fields it is handed.
  template <class T>
  void WriteDocument(const T& document) {
    (*this)(nullptr, const_cast<T&>(document));
  }

 private:
  void Start(const char* kind, const char* name);
  void WritePlain(const char* name, bool value);
  void WritePlain(const char* name, int value);
  void WritePlain(const char* name, float value);
  void WritePlain(const char* name, const std::string& value);

  static constexpr const char* kIndexNames[] = {"0", "1", "2", "3"};

  XmlWriter& writer_;
};

}  // namespace RecordFields

namespace platform {

template <class Fields>
void VisitFields(Fields& f, Vector3& v) {
  f("x", v.x);
  f("y", v.y);
  f("z", v.z);
}

template <class Fields>
void VisitFields(Fields& f, Color& c) {
  f("0", c.r);
  f("1", c.g);
  f("2", c.b);
  f("3", c.a);
}

template <class Fields>
void VisitFields(Fields& f, Quaternion& q) {
  f("0", q.x);
  f("1", q.y);
  f("2", q.z);
  f("3", q.w);
}

}  // namespace platform
