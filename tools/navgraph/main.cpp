// Builds and checks the museum's navigation graphs with the game's own code.
//
//   navgraph build TREE OUT   starts a game in a scratch copy of TREE, so the graphs are built
//                             and written as the game writes them, and copies each map's
//                             ".ngd" into OUT/Maps.
//   navgraph check TREE       starts a game in a scratch copy of TREE, reading its graphs, and
//                             checks them (see GraphCheck.h). Status 1 with the reasons when
//                             they fail.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "ai/nav/NodeGraphFile.h"
#include "app/GameClasses.h"
#include "app/Systems.h"
#include "bench/support/IdleSystem.h"
#include "engine/Engine.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "tools/navgraph/GraphCheck.h"

namespace fs = std::filesystem;

namespace {

// The game with only the systems graphs need: the AI, the physics and the game logic.
bool StartGame() {
  SystemFactories systems{
      [] { return new AI(*Engine::Instance()); },
      [] { return new IdleSystem("Sound"); },
      [] { return new IdleSystem("Graphics"); },
      [] { return new IdleSystem("Input"); },
      [] { return new Physics(); },
      [] { return new Logic(*Engine::Instance(), RegisterGameClasses); },
  };
  Engine* engine = Engine::Instance();
  engine->Init(systems);
  ConnectGameSystems(*engine);
  engine->GetLogic()->StartGame();
  return engine->GetLogic()->IsInGame();
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Usage() {
  std::cerr << "usage: navgraph build TREE OUT | navgraph check TREE\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string mode = argv[1];
  if ((mode == "build" && argc != 4) || (mode == "check" && argc != 3) || (mode != "build" && mode != "check")) return Usage();
  const fs::path tree = fs::absolute(argv[2]);
  const fs::path scratch = fs::temp_directory_path() / ("navgraph-" + std::to_string(::getpid()));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  fs::copy(tree, scratch, fs::copy_options::recursive);
  if (mode == "build") {
    for (const auto& entry : fs::directory_iterator(scratch / "Maps")) {
      if (entry.path().extension() == ".ngd") fs::remove(entry.path());
    }
  }
  fs::current_path(scratch);
  int status = 0;
  if (!StartGame()) {
    std::cerr << "navgraph: no game started in " << tree.string() << "\n";
    status = 1;
  } else if (mode == "build") {
    AI* ai = Engine::Get()->GetAI();
    const fs::path out = fs::absolute(fs::path(argv[3])) / "Maps";
    fs::create_directories(out);
    for (size_t i = 0; i < ai->GetMapCount(); ++i) {
      const std::string name = *NodeGraphFileName(ai->GetMapData(int32_t(i))->MapName());
      fs::copy_file(scratch / name, out / fs::path(name).filename(), fs::copy_options::overwrite_existing);
    }
  } else {
    const std::string log = ReadText(scratch / "AI Log.txt");
    if (log.find("is refused") != std::string::npos) {
      std::cerr << log;
      status = 1;
    }
    for (const std::string& fault : CheckNavigation()) {
      std::cerr << "navgraph: " << fault << "\n";
      status = 1;
    }
  }
  Engine::Get()->Shutdown();
  fs::current_path(tree);
  fs::remove_all(scratch);
  return status;
}
