#include "tests/layers/SourceTree.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::map<std::string, int>& Layers() {
  static const std::map<std::string, int> layers = {
      {"platform", 0}, {"entity", 1},   {"engine", 2}, {"map", 3},       {"physics", 4},
      {"graphics", 5}, {"sound", 5},    {"input", 5},  {"ai/nav", 6},    {"ai", 7},
      {"player", 8},   {"entities", 9}, {"logic", 10}, {"app", 11}};
  return layers;
}

// What a folder held to a narrower rule may include besides itself: the navigation core sees
// no engine, physics or graphics; its owner hands in what it needs of them.
const std::map<std::string, std::set<std::string>>& Confinements() {
  static const std::map<std::string, std::set<std::string>> confined = {{"ai/nav", {"platform", "entity", "map"}}};
  return confined;
}

std::string TopFolder(const std::string& path) { return path.substr(0, path.find('/')); }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The CMake words of a file, comments dropped, parentheses as words of their own.
std::vector<std::string> CMakeWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool comment = false;
  auto end = [&] {
    if (!word.empty()) words.push_back(word);
    word.clear();
  };
  for (char c : text) {
    if (comment) {
      comment = c != '\n';
    } else if (c == '#') {
      end();
      comment = true;
    } else if (c == '(' || c == ')') {
      end();
      words.emplace_back(1, c);
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      end();
    } else {
      word += c;
    }
  }
  end();
  return words;
}

// Reads one CMakeLists.txt: the first target it makes belongs to `folder`.
void ReadCMakeLists(const fs::path& file, const std::string& folder, Libraries& libraries) {
  const std::vector<std::string> words = CMakeWords(ReadFile(file));
  for (size_t i = 0; i + 2 < words.size(); ++i) {
    const std::string& command = words[i];
    if (words[i + 1] != "(") continue;
    const bool makes = command == "vr_library" || command == "add_executable";
    if (!makes && command != "target_link_libraries") continue;
    const std::string& target = words[i + 2];
    if (makes) libraries.byFolder.try_emplace(folder, target);
    bool listing = command == "target_link_libraries";
    for (size_t j = i + 3; j < words.size() && words[j] != ")"; ++j) {
      const std::string& w = words[j];
      if (w == "DEPS") listing = true;
      else if (w == "SOURCES") listing = false;
      else if (listing && w != "PUBLIC" && w != "PRIVATE" && w != "INTERFACE") libraries.deps[target].insert(w);
    }
  }
}

}  // namespace

std::string LayerFolderOf(const std::string& path) {
  const std::string top = TopFolder(path);
  const size_t second = path.find('/', top.size() + 1);
  if (second != std::string::npos && Layers().count(path.substr(0, second))) return path.substr(0, second);
  return top;
}

int LayerOf(const std::string& folder) {
  auto it = Layers().find(folder);
  return it == Layers().end() ? -1 : it->second;
}

const std::vector<std::string>& ProductFolders() {
  static const std::vector<std::string> folders = [] {
    std::vector<std::string> all;
    for (const auto& [folder, layer] : Layers()) all.push_back(folder);
    return all;
  }();
  return folders;
}

std::vector<IncludeEdge> ReadIncludes(const std::string& root) {
  static const std::regex include(R"(^\s*#\s*include\s+"([a-z]+/[^"]+)\")");
  std::vector<IncludeEdge> edges;
  for (const std::string& folder : ProductFolders()) {
    if (!fs::is_directory(fs::path(root) / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(root) / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".hpp" && ext != ".cpp")) continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      // A folder with a layer of its own is read as itself, not as part of its parent.
      if (LayerFolderOf(file) != folder) continue;
      std::istringstream lines(ReadFile(entry.path()));
      std::smatch m;
      for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, m, include) && LayerOf(LayerFolderOf(m[1])) >= 0) edges.push_back({file, m[1]});
    }
  }
  std::sort(edges.begin(), edges.end());
  return edges;
}

std::vector<IncludeEdge> BackEdges(const std::vector<IncludeEdge>& includes) {
  std::vector<IncludeEdge> back;
  for (const IncludeEdge& e : includes)
    if (LayerOf(LayerFolderOf(e.included)) > LayerOf(LayerFolderOf(e.file))) back.push_back(e);
  return back;
}

std::vector<IncludeEdge> ConfinementBreaches(const std::vector<IncludeEdge>& includes) {
  std::vector<IncludeEdge> breaches;
  for (const IncludeEdge& e : includes) {
    const std::string from = LayerFolderOf(e.file), to = LayerFolderOf(e.included);
    auto confined = Confinements().find(from);
    if (confined != Confinements().end() && to != from && !confined->second.count(to)) breaches.push_back(e);
  }
  return breaches;
}

std::set<IncludeEdge> ReadAllowList(const std::string& path) {
  static const std::regex entry(R"(^\s*(\S+)\s*->\s*(\S+)\s*$)");
  std::set<IncludeEdge> allowed;
  std::istringstream lines(ReadFile(path));
  std::smatch m;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') continue;
    if (std::regex_match(line, m, entry)) allowed.insert({m[1], m[2]});
    else allowed.insert({line, "(not of the form: file -> include)"});
  }
  return allowed;
}

Libraries ReadLibraries(const std::string& root) {
  Libraries libraries;
  for (const std::string& folder : ProductFolders()) {
    const fs::path dir = fs::path(root) / folder;
    if (folder != "platform") {
      if (fs::exists(dir / "CMakeLists.txt")) ReadCMakeLists(dir / "CMakeLists.txt", folder, libraries);
      continue;
    }
    if (!fs::is_directory(dir)) continue;
    for (const auto& sub : fs::directory_iterator(dir))
      if (fs::exists(sub.path() / "CMakeLists.txt"))
        ReadCMakeLists(sub.path() / "CMakeLists.txt", "platform/" + sub.path().filename().string(), libraries);
  }
  return libraries;
}

std::vector<std::set<std::string>> LibraryCycles(const Libraries& libraries) {
  // What each library reaches through its dependencies, itself only by way of a circle.
  std::map<std::string, std::set<std::string>> reach;
  for (const auto& [library, deps] : libraries.deps) {
    std::set<std::string>& seen = reach[library];
    std::vector<std::string> open(deps.begin(), deps.end());
    while (!open.empty()) {
      const std::string next = open.back();
      open.pop_back();
      if (!seen.insert(next).second) continue;
      if (auto found = libraries.deps.find(next); found != libraries.deps.end())
        open.insert(open.end(), found->second.begin(), found->second.end());
    }
  }
  std::set<std::set<std::string>> cycles;
  for (const auto& [library, seen] : reach) {
    if (!seen.count(library)) continue;
    std::set<std::string> cycle;
    for (const std::string& other : seen)
      if (reach[other].count(library)) cycle.insert(other);
    cycles.insert(cycle);
  }
  return {cycles.begin(), cycles.end()};
}

std::string LibraryFolderOf(const std::string& path) {
  const std::string top = TopFolder(path);
  if (top != "platform") return LayerFolderOf(path);
  const size_t second = path.find('/', top.size() + 1);
  return second == std::string::npos ? top : path.substr(0, second);
}
