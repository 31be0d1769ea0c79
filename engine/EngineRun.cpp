#include "engine/Engine.h"
#include "engine/EngineSystem.h"
#include "engine/MainWindow.h"
#include "platform/core/Terminal.h"

void Engine::Run() {
  variables_.BindDouble("fps", &fps_);
  while (RunFrame()) {
  }
}

bool Engine::RunFrame() {
  if (!MainWindow::Instance()->PumpMessage()) return false;
  // Lines typed at the terminal are taken like window messages: at most one a frame.
  ExecuteTerminalLine();

  timer_.Update();
  frameTime_ += timer_.GetDelta();
  ++frameCount_;
  if (frameTime_ > 1.0) {
    fps_ = static_cast<double>(frameCount_);
    frameCount_ = 0;
    frameTime_ = 0.0;
  }

  entityManager_.ProcessDeletions();
  for (EngineSystem* system : systems_) UpdateSystem(system);
  messageQueue_.Update();

  profiler_.Start("Rendering");
  for (EngineSystem* system : systems_) system->Render();
  profiler_.Stop("Rendering");
  profiler_.Report();
  return true;
}

void Engine::ExecuteTerminalLine() {
  std::string line;
  if (platform::PollTerminalLine(line)) dispatcher_.Execute(line, "ConsoleCmd");
}
