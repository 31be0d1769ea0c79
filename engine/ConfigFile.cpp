#include "engine/ConfigFile.h"

#include <filesystem>
#include <optional>

#include "engine/Engine.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "platform/core/Files.h"

namespace {

void LogLine(const std::string& channel, const std::string& text, Said said = Said::EveryLoad) {
  if (said == Said::OncePerRun)
    Engine::Get()->GetLog()->WriteOnce(channel, text, 2);
  else
    Engine::Get()->GetLog()->Write(channel, text, 2);
}

// A first start in an empty folder has no "Data/" yet: the settings it writes back make it.
// Returns the reason when the folder is missing and cannot be made.
std::optional<std::string> MakeFolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(platform::ResolvePath(path)).parent_path();
  std::error_code error;
  // The folder may be there with its name in another case.
  if (folder.empty() || std::filesystem::is_directory(platform::ResolvePath(folder.string()), error)) {
    return std::nullopt;
  }
  std::filesystem::create_directories(folder, error);
  if (!error) return std::nullopt;
  return "could not create folder " + folder.string() + " (" + error.message() + ")";
}

}  // namespace

LoadOutcome LoadConfigFile(const std::string& path, const std::string& channel, WhenMissing missing,
                           const RecordRead& read, const RecordWrite& write, RecordFields::FieldReader::Order order,
                           Said said) {
  XmlReader reader;
  RecordFields::FieldReader fields(reader, order);
  bool opened = true;
  bool failed = false;
  try {
    reader.Open(path);
    read(fields);
    reader.Close();
  } catch (const SerException& e) {
    failed = true;
    opened = e.Code() != SerException::kCouldNotOpen;
    const std::string where = opened ? " at " + reader.Position() : std::string();
    const bool onceMissing = !opened && missing == WhenMissing::ReportOnce;
    LogLine(channel, "Failed to load config. " + path + ": " + e.what() + where, onceMissing ? Said::OncePerRun : said);
  }
  for (const std::string& note : fields.Notes()) ReportFileValue(path, channel, note, said);
  if (!failed && fields.FoundNoValue())
    ReportFileValue(path, channel, "none of its values is there: each keeps the one it had", said);
  if (!opened && missing == WhenMissing::WriteBack) SaveConfigFile(path, channel, write);
  return {opened, !failed};
}

void ReportFileValue(const std::string& path, const std::string& channel, const std::string& what, Said said) {
  LogLine(channel, path + ": " + what, said);
}

void ReportEmptyList(const std::string& path, const std::string& channel, const std::string& list,
                     const std::string& consequence) {
  ReportFileValue(path, channel, "the list " + list + " is empty: " + consequence);
}

void SaveConfigFile(const std::string& path, const std::string& channel, const RecordWrite& write) {
  if (std::optional<std::string> failure = MakeFolderOf(path)) {
    LogLine(channel, "Failed to save config. " + path + ": " + *failure);
    return;
  }
  try {
    XmlWriter writer;
    writer.Open(path);
    RecordFields::FieldWriter fields(writer);
    write(fields);
    writer.Close();
  } catch (const std::exception& e) {
    LogLine(channel, "Failed to save config. " + path + ": " + e.what());
  }
}
