#include "engine/Profiler.h"

#include "engine/Engine.h"
#include "engine/TextFormat.h"

void Profiler::Start(const std::string& name) {
  if (!enabled_) return;
  Section& section = sections_[name];
  Engine* engine = Engine::Get();
  engine->GetVariableTable()->BindString(name + "Time", &section.text);
  section.start = engine->GetTimer()->GetRealTime();
}

void Profiler::Stop(const std::string& name) {
  if (!enabled_) return;
  auto it = sections_.find(name);
  if (it == sections_.end()) return;
  double now = Engine::Get()->GetTimer()->GetRealTime();
  it->second.stop = now;
  it->second.accumulated += now - it->second.start;
}

void Profiler::Report() {
  if (!enabled_) return;
  elapsed_ += Engine::Get()->GetTimer()->GetDelta();
  if (elapsed_ < interval_) return;
  for (auto& [name, s] : sections_) {
    s.previous = s.accumulated;
    s.accumulated = 0;
  }
  if (elapsed_ != 0)
    for (auto& [name, s] : sections_)
      s.text = FormatFloat(static_cast<float>(s.previous / elapsed_ * 100.0)) + "%";
  elapsed_ = 0;
}

std::string Profiler::SectionText(const std::string& name) const {
  auto it = sections_.find(name);
  return it == sections_.end() ? std::string() : it->second.text;
}
