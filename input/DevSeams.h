#pragma once
#include <cstdint>

#include "platform/math/Vector.h"

// What the developer scheme asks of the systems above the input system. Each implements its
// interface and the composition root hands it to Input; until then the developer keys that need
// it do nothing.

// What the developer keys mark on a navigation node.
enum class NodeMark { kDeleted, kExcluded };

// The AI's switches and the navigation graphs of the loaded maps, one per map index.
class DevAI {
 public:
  virtual ~DevAI() = default;
  // The AI's own run switch ("AI_Run"), apart from the engine's run flag for the system.
  virtual bool& RunSwitch() = 0;
  // Agents chase thieves ("AI_Chase").
  virtual bool& ChaseSwitch() = 0;
  // The developer keys edit the navigation graphs; off when the AI starts.
  virtual bool& NodeEditSwitch() = 0;
  virtual int32_t GetNodeMapCount() const = 0;
  // Both take a map index below GetNodeMapCount().
  virtual void AddNodeAtPlayer(int32_t mapIndex) = 0;
  // Rebuilds the map's graph without the nodes marked for deletion and writes its file.
  virtual void RelinkNodeGraph(int32_t mapIndex) = 0;
  // Marks the node nearest to the position over every loaded map, passing over those marked for
  // deletion (the first found wins a tie); a teleporter's node keeps its marks.
  virtual void MarkNearestNode(const platform::Vector3& position, NodeMark mark) = 0;
};
