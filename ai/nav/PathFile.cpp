#include "ai/nav/PathFile.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "ai/nav/TextTokens.h"

namespace {

// The fewest bytes a node id takes: one digit and its separator.
constexpr size_t kMinIdBytes = 2;

class PathFileReader {
 public:
  PathFileReader(std::string_view text, const std::string& mapName, int32_t mapIndex)
      : text_(text), tokens_(text), mapName_(mapName), mapIndex_(mapIndex) {}

  PathFileParse Read() {
    for (size_t entry = 1; !tokens_.AtEnd(); ++entry) {
      const size_t start = tokens_.Position();
      if (const char* problem = ReadEntry()) Skip(entry, start, problem);
    }
    return std::move(result_);
  }

 private:
  // Reads one entry; the reason it was not taken, or null.
  const char* ReadEntry() {
    // The map's own name may hold blanks; another map's is one token.
    const bool ours = tokens_.Take(mapName_);
    if (!ours) tokens_.Next();
    // Numbers out of place (a word, or the next entry's name) mean the entry lost its shape.
    const std::optional<std::string_view> lengthText = tokens_.Next(), useText = tokens_.Next();
    if (!lengthText || !useText || !IsNumberToken(*lengthText) || !IsNumberToken(*useText)) {
      return Resync("its length or use count is missing or not a number");
    }
    const std::optional<int32_t> count = tokens_.NextInt();
    if (!count) return Resync("its node count is missing or not a number");
    if (*count < 0 || size_t(*count) > tokens_.Remaining() / kMinIdBytes + 1) {
      return Resync("its node count does not fit the file");
    }
    AIRoute route;
    route.nodeIds.reserve(size_t(*count));
    for (int32_t k = 0; k < *count; ++k) {
      const std::optional<int32_t> id = tokens_.NextInt();
      if (!id) return Resync("its node ids are cut short or not numbers");
      route.nodeIds.push_back(*id);
    }
    const std::optional<float> length = FloatToken(*lengthText);
    const std::optional<int32_t> useCount = IntToken(*useText);
    if (*count == 0) return "it names no node";
    if (!length) return "its length is not a finite number";
    if (*length < 0.0f) return "its length is negative";
    if (!useCount) return "its use count is not a whole number";
    if (*useCount < 0) return "its use count is negative";
    if (!ours) {
      ++result_.otherMaps;
      return nullptr;
    }
    route.name = mapName_;
    route.mapIndex = mapIndex_;
    route.length = *length;
    route.useCount = *useCount;
    result_.routes.push_back(std::move(route));
    return nullptr;
  }

  // The entry's structure is broken: where the next one starts is not known.
  const char* Resync(const char* problem) {
    lostPlace_ = true;
    return problem;
  }

  void Skip(size_t entry, size_t start, const char* problem) {
    result_.skipped.push_back("entry " + std::to_string(entry) + " (line " + std::to_string(LineOf(start)) + "): " +
                              problem);
    if (!std::exchange(lostPlace_, false)) return;
    // Reading goes on at the next line after the entry's start that begins with a name.
    size_t at = start;
    for (;;) {
      const size_t lineEnd = text_.find('\n', at);
      if (lineEnd == std::string_view::npos) {
        tokens_.Seek(text_.size());
        return;
      }
      at = lineEnd + 1;
      tokens_.Seek(at);
      const std::optional<std::string_view> first = tokens_.Next();
      // The first token may stand on a later line: blank lines are skipped with it.
      if (!first || !IsNumberToken(*first)) {
        tokens_.Seek(at);
        return;
      }
    }
  }

  // Entries start in file order, so the lines are counted once through the file.
  size_t LineOf(size_t at) {
    for (; countedTo_ < at; ++countedTo_) line_ += text_[countedTo_] == '\n';
    return line_;
  }

  std::string_view text_;
  TextTokens tokens_;
  const std::string& mapName_;
  int32_t mapIndex_;
  PathFileParse result_;
  bool lostPlace_ = false;
  size_t countedTo_ = 0;
  size_t line_ = 1;
};

}  // namespace

std::string PathFileName(const std::string& mapName) { return "Maps/" + mapName + ".path"; }

std::string PathFileEntry(const AIRoute& route, const std::string& mapName) {
  std::string text = mapName + "\t" + FixedText(route.length) + "\t" + IntText(route.useCount) + "\t" +
                     IntText(int32_t(route.nodeIds.size())) + "\n";
  for (int32_t id : route.nodeIds) text += IntText(id) + "\t";
  return text + "\n";
}

bool RouteFits(const AIRoute& route, size_t nodeCount) {
  return !route.nodeIds.empty() && std::all_of(route.nodeIds.begin(), route.nodeIds.end(), [nodeCount](int32_t id) {
    return id >= 0 && size_t(id) < nodeCount;
  });
}

std::string PathFileText(const std::vector<AIRoute>& routes, const std::string& mapName, int32_t mapIndex,
                         size_t nodeCount) {
  std::string text;
  for (const AIRoute& route : routes) {
    if (route.mapIndex == mapIndex && RouteFits(route, nodeCount)) {
      text += PathFileEntry(route, mapName);
    }
  }
  return text;
}

PathFileParse ParsePathFile(std::string_view text, const std::string& mapName, int32_t mapIndex) {
  return PathFileReader(text, mapName, mapIndex).Read();
}
