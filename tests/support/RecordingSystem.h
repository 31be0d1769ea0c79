#pragma once
#include <string>
#include <vector>

#include "engine/EngineSystem.h"

// A system that writes every call it receives into a shared journal, as "Name.Call".
class RecordingSystem : public EngineSystem {
 public:
  RecordingSystem(std::string name, std::vector<std::string>* journal) : name_(std::move(name)), journal_(journal) {
    journal_->push_back(name_ + ".Create");
  }
  ~RecordingSystem() override { journal_->push_back(name_ + ".Destroy"); }
  void RegisterTypes() override { journal_->push_back(name_ + ".RegisterTypes"); }
  void Init() override { journal_->push_back(name_ + ".Init"); }
  void Shutdown() override { journal_->push_back(name_ + ".Shutdown"); }
  void Update() override { journal_->push_back(name_ + ".Update"); }
  void Started() override { journal_->push_back(name_ + ".Started"); }
  void Render() override { journal_->push_back(name_ + ".Render"); }
  std::string GetName() override { return name_; }

 private:
  std::string name_;
  std::vector<std::string>* journal_;
};
