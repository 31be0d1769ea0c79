#pragma once
#include <string>
#include <vector>

#include "entity/EntityClass.h"
#include "entity/EntityMessages.h"

// A component that notes when it is activated.
class ProbeComponent : public Component {
 public:
  static constexpr char kComponentName[] = "Probe";
  void Activate() override { ++activations; }
  int activations = 0;
};

// The same kind of component under a name of its own.
class OtherComponent : public ProbeComponent {
 public:
  static constexpr char kComponentName[] = "Other";
};

inline constexpr Message<> kPing{"Ping"};
inline constexpr Message<int> kTakeInt{"TakeInt"};
inline constexpr Message<float> kTakeFloat{"TakeFloat"};
inline constexpr Message<bool> kTakeBool{"TakeBool"};
inline constexpr Message<std::string> kTakeText{"TakeText"};
inline constexpr Message<uint32_t> kTakeId{"TakeId"};
inline constexpr Message<> kThrow{"Throw"};

// An entity class that records every message it handles, as "name:value".
class Recorder : public EntityClass<Recorder> {
 public:
  static constexpr char kClassName[] = "Recorder";
  static void Describe(ClassBuilder<Recorder>& c) {
    c.Component(&Recorder::probe);
    c.Component(&Recorder::other);
    c.Message(kPing, &Recorder::Ping);
    c.Message(kOnUpdate, &Recorder::OnUpdate);
    c.Message(kTakeInt, &Recorder::TakeInt);
    c.Message(kTakeFloat, &Recorder::TakeFloat);
    c.Message(kTakeBool, &Recorder::TakeBool);
    c.Message(kTakeText, &Recorder::TakeText);
    c.Message(kTakeId, &Recorder::TakeId);
    c.Message(kThrow, &Recorder::Throw);
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
  OtherComponent other;
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
