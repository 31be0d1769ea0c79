#include "graphics/gui/GUIFiles.h"

#include <deque>
#include <functional>
#include <vector>

#include "engine/ConfigFile.h"
#include "engine/Engine.h"
#include "entity/SerException.h"
#include "graphics/RecordFields.h"
#include "graphics/gui/GUIScreen.h"

// The field lists of the GUI records, in file order.
template <class Fields>
void VisitFields(Fields& f, GUIPoint& p) {
  f("x", p.x);
  f("y", p.y);
}

template <class Fields>
void VisitFields(Fields& f, GUIRect& r) {
  f("topLeft", r.topLeft);
  f("width", r.width);
  f("height", r.height);
}

template <class Fields>
void VisitElementFields(Fields& f, GUIElement& e) {
  f("Rect", e.Rect);
  f("onMouseEnter", e.onMouseEnter);
  f("onMouseLeave", e.onMouseLeave);
  f("onMouseDown", e.onMouseDown);
  f("onMouseUp", e.onMouseUp);
}

template <class Fields>
void VisitFields(Fields& f, GUISpriteElement& s) {
  VisitElementFields(f, s);
  f("TextureName", s.TextureName);
  f("Animated", s.Animated);
  f("NumFrames", s.NumFrames);
  f("FrameWidth", s.FrameWidth);
  f("FrameHeight", s.FrameHeight);
  f("FPS", s.FPS);
  f("Name", s.Name);
  f("RunOnce", s.RunOnce);
}

template <class Fields>
void VisitFields(Fields& f, GUITextElement& t) {
  VisitElementFields(f, t);
  f("FontName", t.FontName);
  f("Text", t.Text);
  f("VariableName", t.VariableName);
  f("Color", t.Color);
}

template <class Fields>
void VisitFields(Fields& f, GUIModelElement& m) {
  VisitElementFields(f, m);
  f("ModelName", m.ModelName);
  f("ModelPos", m.ModelPos);
  f("Spinning", m.Spinning);
}

template <class Fields>
void VisitFields(Fields& f, GUIListEntry& e) {
  f("Name", e.Name);
  f("FileName", e.FileName);
  f("Proc", e.Proc);
}

template <class Fields>
void VisitFields(Fields& f, CreditLine& c) {
  f("Caption", c.Caption);
  f("Color", c.Color);
}

namespace {

// The document roots that are records.
struct GUIListDocument {
  std::vector<GUIListEntry>& GUIList;
};

template <class Fields>
void VisitFields(Fields& f, GUIListDocument& d) {
  f("GUIList", d.GUIList);
}

template <class Fields>
void VisitFields(Fields& f, GUIScreen& s) {
  f("Sprites", s.sprites);
  f("Text", s.texts);
  f("Models", s.models);
}

template <class Visitor, class T>
concept FieldRecord = requires(Visitor& v, T& record) { VisitFields(v, record); };

template <class T>
struct ListOf {
  using Item = void;
};
template <class T>
struct ListOf<std::vector<T>> {
  using Item = T;
};
template <class T>
struct ListOf<std::deque<T>> {
  using Item = T;
};

// The graphics records' field reader and writer, with records nested in records (an
// element's "Rect" holding its "topLeft") and lists of records.
class Reader {
 public:
  explicit Reader(XmlReader& reader) : reader_(reader), plain_(reader) {}

  template <class T>
  void operator()(const char* name, T& value) {
    if constexpr (FieldRecord<Reader, T>) {
      Record(value);
    } else if constexpr (FieldRecord<Reader, typename ListOf<T>::Item>) {
      List(value);
    } else {
      plain_(name, value);
    }
  }

  template <class T>
  void Record(T& record) {
    reader_.ReadTag();
    if (reader_.IsEmptyTag() || reader_.IsEndTag()) return;
    VisitFields(*this, record);
    reader_.ReadTag();
  }

  // Items read before a failure stay in the list.
  template <class T>
  void List(T& list) {
    reader_.ReadTag();
    if (reader_.IsEmptyTag()) return;
    while (reader_.HasChildren()) {
      typename T::value_type item;
      Record(item);
      list.push_back(std::move(item));
    }
    reader_.ReadTag();
  }

 private:
  XmlReader& reader_;
  RecordFields::FieldReader plain_;
};

class Writer {
 public:
  explicit Writer(XmlWriter& writer) : writer_(writer), plain_(writer) {}

  template <class T>
  void operator()(const char* name, T& value) {
    if constexpr (FieldRecord<Writer, T>) {
      Record(name, value);
    } else if constexpr (FieldRecord<Writer, typename ListOf<T>::Item>) {
      List(name, value);
    } else {
      plain_(name, value);
    }
  }

  // List items and the document's root have no name.
  template <class T>
  void Record(const char* name, T& record) {
    writer_.WriteStartElement("var");
    if (name) writer_.WriteAttribute("name", name);
    VisitFields(*this, record);
    writer_.WriteEndElement();
  }

  template <class T>
  void List(const char* name, T& list) {
    writer_.WriteStartElement("list");
    if (name) writer_.WriteAttribute("name", name);
    for (auto& item : list) Record(nullptr, item);
    writer_.WriteEndElement();
  }

 private:
  XmlWriter& writer_;
  RecordFields::FieldWriter plain_;
};

// Reads the document with `read`; on a failure logs it with the file's path and, when the
// file could not be opened, writes it back with `write`.
void LoadGUIFile(const std::string& path, const std::function<void(Reader&)>& read,
                 const std::function<void(Writer&)>& write) {
  try {
    XmlReader xml;
    xml.Open(path);
    Reader reader(xml);
    read(reader);
    xml.Close();
  } catch (const SerException& e) {
    // Many screen files pass through here: the line names the one that failed.
    Engine::Get()->GetLog()->Write("GraphicsLog", "Failed to load config. " + path + ": " + e.what(), 2);
    if (e.Code() != SerException::kCouldNotOpen) return;
    SaveConfigFile(path, "GraphicsLog", [&](XmlWriter& xml) {
      Writer writer(xml);
      write(writer);
    });
  }
}

}  // namespace

void LoadGUIList(std::vector<GUIListEntry>& entries, const std::string& path) {
  GUIListDocument document{entries};
  LoadGUIFile(
      path, [&](Reader& r) { r.Record(document); }, [&](Writer& w) { w.Record(nullptr, document); });
}

void LoadScreenFile(GUIScreen& screen, const std::string& path) {
  LoadGUIFile(
      path, [&](Reader& r) { r.Record(screen); }, [&](Writer& w) { w.Record(nullptr, screen); });
}

void LoadCredits(std::vector<CreditLine>& lines, const std::string& path) {
  LoadGUIFile(
      path, [&](Reader& r) { r.List(lines); }, [&](Writer& w) { w.List(nullptr, lines); });
}

void SaveScreenFile(const GUIScreen& screen, const std::string& path) {
  SaveConfigFile(path, "GraphicsLog", [&](XmlWriter& xml) {
    Writer writer(xml);
    // The writer only reads the fields it is handed.
    writer.Record(nullptr, const_cast<GUIScreen&>(screen));
  });
}
