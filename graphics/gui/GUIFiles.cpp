#include "graphics/gui/GUIFiles.h"

#include <vector>

#include "engine/ConfigFile.h"
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

template <class Fields>
void VisitFields(Fields& f, GUIScreen& s) {
  f("Sprites", s.sprites);
  f("Text", s.texts);
  f("Models", s.models);
}

namespace {

// The screen list's document is a record holding the list.
struct GUIListDocument {
  std::vector<GUIListEntry>& GUIList;
};

template <class Fields>
void VisitFields(Fields& f, GUIListDocument& d) {
  f("GUIList", d.GUIList);
}

// The screens and their list are content: a missing one is reported on every start.
template <class Document>
void LoadGUIFile(Document& document, const std::string& path) {
  LoadRecordFile(document, path, "GraphicsLog", WhenMissing::Report);
}

}  // namespace

void LoadGUIList(std::vector<GUIListEntry>& entries, const std::string& path) {
  GUIListDocument document{entries};
  LoadGUIFile(document, path);
}

void LoadScreenFile(GUIScreen& screen, const std::string& path) { LoadGUIFile(screen, path); }

void LoadCredits(std::vector<CreditLine>& lines, const std::string& path) { LoadGUIFile(lines, path); }

void SaveScreenFile(const GUIScreen& screen, const std::string& path) { SaveRecordFile(screen, path, "GraphicsLog"); }
