#pragma once
#include <string>

#include "entity/AtomicFile.h"

// Writer of "Entities.fgd", the entity description some level editors read: per class a
// "@PointClass" line, then its properties between "[" and "]", one per line. Like the XML
// writer, the file replaces the previous one only on a successful Close.
class FgdWriter {
 public:
  // Throws SerException "could not open file" (code 0).
  void Open(const std::string& path);
  void BeginClass(const std::string& className);
  // One property line; `defaultValue` is written as given (quoted by the caller for strings).
  void WriteProperty(const std::string& name, const std::string& type, const std::string& defaultValue);
  void EndClass();
  // Throws SerException "could not write file" (code 1) when the file could not be completed.
  void Close();

 private:
  AtomicFile file_;
};

// Property lines of an entity's plain fields, the field's value as default.
void FgdWriteString(FgdWriter& writer, const std::string& name, const std::string& value);
void FgdWriteInt(FgdWriter& writer, const std::string& name, int value);
