#pragma once
#include <string>
#include <vector>

// The checks a museum's navigation must pass once a game has started in it: every graph file
// read as it stands, and every place agents go (spawns, drop-offs, teleporters, starts, cover
// spots, patrol markers) with a node in sight within linking distance, those nodes all
// connected in each map. One line per fault; none when the museum passes.
std::vector<std::string> CheckNavigation();
