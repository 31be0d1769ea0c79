#include "physics/InterpNodes.h"

#include <cmath>

#include "engine/ConfigFile.h"
#include "entity/ValueText.h"
#include "map/WorldLimit.h"

namespace {

constexpr const char* kPhysicsLog = "PhysicsLog";
// Read again at every game start, which restarts the physics.
constexpr Said kSaid = Said::OncePerRun;

// A node as read, and whether a number of its position was refused.
struct NodeRead {
  InterpNode node;
  bool positionRefused = false;
};

// No map reaches this far (see kWorldLimit): a camera sent there would only show the void.
bool WithinMaps(const platform::Vector3& v) {
  return std::fabs(v.x) <= kWorldLimit && std::fabs(v.y) <= kWorldLimit && std::fabs(v.z) <= kWorldLimit;
}

void VisitFields(RecordFields::FieldReader& f, NodeRead& n) {
  const size_t notes = f.NoteCount();
  const size_t refused = f.RefusedCount();
  f("pos", n.node.pos);
  // The node is left out, with a line of its own: the field's note would say that a value was
  // kept.
  n.positionRefused = f.RefusedCount() > refused;
  if (n.positionRefused) f.WithdrawNotes(notes);
  f("dir", n.node.dir);
}

using TableRead = std::map<std::string, std::vector<NodeRead>>;

std::string NodeName(const std::string& path, size_t index) {
  return "path \"" + path + "\" node " + std::to_string(index);
}

// The nodes the camera can fly to; each one left out is said.
std::vector<InterpNode> UsableNodes(const std::string& file, const std::string& name,
                                    const std::vector<NodeRead>& read) {
  std::vector<InterpNode> nodes;
  for (size_t i = 0; i < read.size(); ++i) {
    const platform::Vector3& p = read[i].node.pos;
    if (read[i].positionRefused) {
      ReportFileValue(file, kPhysicsLog,
                      NodeName(name, i) + " has a position that is not all finite numbers: the node is left out", kSaid);
    } else if (!WithinMaps(p)) {
      ReportFileValue(file, kPhysicsLog,
                      NodeName(name, i) + " at " + FloatText(p.x) + ", " + FloatText(p.y) + ", " + FloatText(p.z) +
                          " lies beyond " + FloatText(kWorldLimit) + " units of every map: the node is left out",
                      kSaid);
    } else {
      nodes.push_back(read[i].node);
    }
  }
  return nodes;
}

}  // namespace

void LoadInterpNodes(InterpNodeTable& table, const std::string& path) {
  table.clear();
  TableRead read;
  // The file's form never compared names, but a value of another kind is refused: read as a
  // number it would put the camera somewhere no one chose.
  const LoadOutcome loaded = LoadConfigFile(
      path, kPhysicsLog, WhenMissing::Report, [&](RecordFields::FieldReader& r) { r.ReadDocument(read); },
      [&](RecordFields::FieldWriter& w) { w.WriteDocument(table); }, RecordFields::FieldReader::Order::Kinds, kSaid);
  for (const auto& [name, nodes] : read) {
    // A path cut off by a failure is that failure's, already said.
    if (nodes.empty() && loaded.whole)
      ReportFileValue(path, kPhysicsLog, "path \"" + name + "\" has no nodes: nothing is flown along it", kSaid);
    table[name] = UsableNodes(path, name, nodes);
  }
}

void SaveInterpNodes(const InterpNodeTable& table, const std::string& path) {
  SaveRecordFile(table, path, kPhysicsLog);
}
