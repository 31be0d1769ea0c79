#include "entity/FgdWriter.h"

void FgdWriter::Open(const std::string& path) { file_.Open(path); }

void FgdWriter::BeginClass(const std::string& className) {
  file_.Write("@PointClass = " + className + " : \"Description of the class\"\n[\n");
}

void FgdWriter::WriteProperty(const std::string& name, const std::string& type, const std::string& defaultValue) {
  file_.Write("\t" + name + "(" + type + ") : \"" + name + "\" : " + defaultValue + "\n");
}

void FgdWriter::EndClass() { file_.Write("]\n"); }

void FgdWriter::Close() { file_.Commit(); }

void FgdWriteString(FgdWriter& writer, const std::string& name, const std::string& value) {
  writer.WriteProperty(name, "string", "\"" + value + "\"");
}

void FgdWriteInt(FgdWriter& writer, const std::string& name, int value) {
  writer.WriteProperty(name, "integer", std::to_string(value));
}
