#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/math/Vector.h"

// One point of a camera path: where the camera is and where it looks.
struct InterpNode {
  platform::Vector3 pos;
  platform::Vector3 dir;
};

template <class Fields>
void VisitFields(Fields& f, InterpNode& n) {
  f("pos", n.pos);
  f("dir", n.dir);
}

// Camera paths by name: a map's path ("Maps/" + map name) or a teleporter's "targetname".
using InterpNodeTable = std::map<std::string, std::vector<InterpNode>>;

inline constexpr const char* kInterpNodesPath = "Data/InterpNodes.xml";

// "Data/InterpNodes.xml": a "list" of "pair" elements, each a "string" name and a "list" of
// nodes ("var" holding the vectors "pos" and "dir"), read by position; an element of another
// kind than its place wants (a "string" where a "float" stands, a root that is not the list) is
// refused. Loading clears the table first; paths and nodes read before a failure stay. A node
// whose position is no number or lies beyond every map is left out, and a path without nodes is
// said. Everything is logged on "PhysicsLog", naming the file, once a run; the paths are made with the
// camera-path editor, so a missing file is reported, not written.
void LoadInterpNodes(InterpNodeTable& table, const std::string& path);
void SaveInterpNodes(const InterpNodeTable& table, const std::string& path);
