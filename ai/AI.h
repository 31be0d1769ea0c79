#pragma once
#include <cstdint>
#include <string>

#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"
#include "input/DevSeams.h"

class AI : public EngineSystem, public DevAI {
 public:
  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "AI"; }
  void TakeSlot(SystemSlots& slots) override { slots.ai = this; }

  // DevAI. Until the navigation graphs exist no map holds nodes, so the node keys find nothing.
  bool& RunSwitch() override { return enableAI_; }
  bool& ChaseSwitch() override { return chaseThieves_; }
  bool& NodeEditSwitch() override { return nodeEdit_; }
  int32_t GetNodeMapCount() const override { return 0; }
  void AddNodeAtPlayer(int32_t) override {}
  void RelinkNodeGraph(int32_t) override {}
  NavNodeMarks* FindNearestNode(const platform::Vector3&) override { return nullptr; }

 private:
  bool enableAI_ = true;
  bool chaseThieves_ = false;
  bool nodeEdit_ = false;
};
