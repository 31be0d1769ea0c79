#pragma once
#include <functional>
#include <string>

#include "entity/RecordFields.h"

// The one way settings and list files are loaded and saved. Loading never throws: a failure is
// logged as "Failed to load config. " + the file + ": " + the reason (with the line and column
// where reading stopped) on the system's channel, and the values read before it stay. Numbers
// refused while reading keep their fields' values and get a line each, naming file and field; so
// does a record that ends early, and a file whose record holds none of its values.
// Saving logs "Failed to save config. " + the file + ": " + the reason; the old file stays.

// What a load does with a file it cannot open.
enum class WhenMissing {
  // A settings record: written back from the values held, so that it reappears with what the
  // program uses and the user's changes can be kept.
  WriteBack,
  // Content the program only reads (lists of records, screens): an empty file written in its
  // place would load without a word from then on, so every start says that it is missing.
  Report,
  // An optional list, read again at every map load: its absence means that nothing is listed,
  // which is said once per run.
  ReportOnce,
};

// How often the lines about a file are said.
enum class Said {
  EveryLoad,
  // For a file read again at every game start as part of the start itself (the physics' files:
  // the game start restarts the physics, right after the program's start read them): the same
  // lines said again would pass for new faults.
  OncePerRun,
};

// What a load found: true when the file could be opened.
struct LoadOutcome {
  bool opened = false;
  // Read to its end without a failure: what only a whole file can tell (a list left empty) is
  // not said after a failure, which has its own line.
  bool whole = false;

  operator bool() const { return opened; }
};

using RecordRead = std::function<void(RecordFields::FieldReader&)>;
using RecordWrite = std::function<void(RecordFields::FieldWriter&)>;

// `read` reads the document after the declaration; `write` writes it (used for the write-back).
LoadOutcome LoadConfigFile(const std::string& path, const std::string& channel, WhenMissing missing,
                           const RecordRead& read, const RecordWrite& write,
                           RecordFields::FieldReader::Order order = RecordFields::FieldReader::Order::Positional,
                           Said said = Said::EveryLoad);
// A value of a file that the program does not use as it stands: said as "FILE: what".
void ReportFileValue(const std::string& path, const std::string& channel, const std::string& what,
                     Said said = Said::EveryLoad);
// A list the game needs that came back empty (from a write-back, or a file emptied by hand): said
// on every load, naming the file and the list, with what the user will miss.
void ReportEmptyList(const std::string& path, const std::string& channel, const std::string& list,
                     const std::string& consequence);
// Creates the file's folder when it is missing.
void SaveConfigFile(const std::string& path, const std::string& channel, const RecordWrite& write);

// A document that is a record or a list of records, read and written through its field list.
template <class Document>
LoadOutcome LoadRecordFile(Document& document, const std::string& path, const std::string& channel,
                           WhenMissing missing,
                           RecordFields::FieldReader::Order order = RecordFields::FieldReader::Order::Positional,
                           Said said = Said::EveryLoad) {
  return LoadConfigFile(
      path, channel, missing, [&](RecordFields::FieldReader& r) { r.ReadDocument(document); },
      [&](RecordFields::FieldWriter& w) { w.WriteDocument(document); }, order, said);
}

template <class Document>
void SaveRecordFile(const Document& document, const std::string& path, const std::string& channel) {
  SaveConfigFile(path, channel, [&](RecordFields::FieldWriter& w) { w.WriteDocument(document); });
}
