#pragma once
#include <string>
#include <vector>

#include "entity/EntityClass.h"

// A component that notes when it is activated.
class ProbeComponent : public Component {
 public:
  void Activate() override { ++activations; }
  int activations = 0;
};

// An entity class that records every message it handles, as "name:value".
class Recorder : public EntityClass<Recorder> {
 public:
  static constexpr char kClassName[] = "Recorder";
  static void Describe(ClassBuilder<Recorder>& c) {
    c.Component("Probe", &Recorder::probe);
    c.Component("Other", &Recorder::other);
    c.Message("Ping", &Recorder::Ping);
    c.Message("OnUpdate", &Recorder::OnUpdate);
    c.Message("TakeInt", &Recorder::TakeInt);
    c.Message("TakeFloat", &Recorder::TakeFloat);
    c.Message("TakeBool", &Recorder::TakeBool);
    c.Message("TakeText", &Recorder::TakeText);
    c.Message("TakeId", &Recorder::TakeId);
    c.Message("Throw", &Recorder::Throw);
    c.Field("count", &Recorder::count);
    c.Field("label", &Recorder::label);
    c.Field("speed", &Recorder::speed);
    c.Field("enabled", &Recorder::enabled);
    c.Field("Pos", &Recorder::probe);
  }
  void OnCreate() override { seen.push_back("OnCreate"); }

  void Ping() { seen.push_back("Ping"); }
  void OnUpdate() { seen.push_back("OnUpdate"); }
  void TakeInt(int v) { seen.push_back("int:" + std::to_string(v)); }
  void TakeFloat(float v) { seen.push_back("float:" + std::to_string(v)); }
  void TakeBool(bool v) { seen.push_back(std::string("bool:") + (v ? "true" : "false")); }
  void TakeText(const std::string& v) { seen.push_back("text:" + v); }
  void TakeId(uint32_t v) { seen.push_back("id:" + std::to_string(v)); }
  void Throw() { throw std::runtime_error("from handler"); }

  ProbeComponent probe;
  ProbeComponent other;
  int count = 3;
  std::string label = "none";
  float speed = 1.5f;
  bool enabled = true;
  std::vector<std::string> seen;
};

// A class with no components, fields or handlers.
class Bare : public EntityClass<Bare> {
 public:
  static constexpr char kClassName[] = "Bare";
  static void Describe(ClassBuilder<Bare>&) {}
  void OnCreate() override {}
};
