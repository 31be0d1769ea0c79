#include "engine/MainWindow.h"

#include "engine/Engine.h"

std::unique_ptr<MainWindow> MainWindow::instance_;

MainWindow* MainWindow::Instance() {
  if (!instance_) {
    Engine* engine = Engine::Current();
    bool wide = engine && engine->IsWidescreen();
    instance_.reset(wide ? new MainWindow(1280, 720) : new MainWindow(1024, 768));
  }
  return instance_.get();
}

void MainWindow::Destroy() { instance_.reset(); }

bool MainWindow::Create() { return window_.Create("Vaultrunner!", width_, height_); }

bool MainWindow::PumpMessage() { return window_.PumpOne() != platform::PumpResult::Quit; }

void MainWindow::PostQuit() { platform::Window::PostQuit(); }

void MainWindow::ShowMessageBox(const std::string& text, const std::string& caption) {
  platform::ShowMessageBox(text, caption, window_.Handle());
}
