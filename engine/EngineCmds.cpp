#include "engine/EngineCmds.h"

#include "engine/Engine.h"
#include "engine/EngineMessages.h"
#include "engine/EngineSystem.h"

namespace {

Console& Out() { return *Engine::Get()->GetConsole(); }

void SetAI(Entity*, bool run) {
  Engine* engine = Engine::Get();
  // The AI is the first system of the list, whatever stands in its place.
  if (!engine->GetSystems().empty()) engine->GetSystems().front()->SetRunning(run ? 1 : 0);
  Out().AppendText("AI is ").AppendText(run).AppendText("\n");
}

void GetVar(Entity*, const std::string& name) {
  std::string value;
  if (Engine::Get()->GetVariableTable()->Get(name, value))
    Out().AppendText(name).AppendText(" = ").AppendText(value).AppendText("\n");
}

void SetVar(Entity*, const std::string& name, const std::string& value) {
  Engine::Get()->GetVariableTable()->Set(name, value);
}

void ListVars(Entity*) {
  Engine::Get()->GetVariableTable()->ForEach([](const std::string& name, const VariableTable::Holder& holder) {
    Out().AppendText(name).AppendText(" = ").AppendText(holder.ToText()).AppendText("\n");
  });
}

void Export(Entity*) {
  Out().AppendText("Exporting Entities to Radiant .ent file").AppendText("\n");
  try {
    Engine::Get()->GetEntityManager()->ExportEnt();
  } catch (const std::exception& e) {
    Engine::Get()->GetLog()->Write("EngineLog", std::string("Could not export entities. ") + e.what(), 2);
  }
}

}  // namespace

void EngineCmds::Describe(ClassBuilder<EngineCmds>& c) {
  c.Command(kAi, &SetAI);
  c.Command(kGetVar, &GetVar);
  c.Command(kSetVar, &SetVar);
  c.Command(kListVars, &ListVars);
  c.Command(kExport, &Export);
}
