#include "engine/Log.h"

#include <stdexcept>

#include "engine/Console.h"
#include "engine/Engine.h"
#include "engine/MainWindow.h"

void Log::Open(const std::string& channel) {
  auto file = std::make_unique<std::ofstream>(channel + ".txt", std::ios::out | std::ios::trunc);
  if (!*file) throw std::runtime_error("could not open file");
  files_[channel] = std::move(file);
}

void Log::WriteOnce(const std::string& channel, const std::string& text, unsigned severity) {
  if (saidOnce_.emplace(channel, text).second) Write(channel, text, severity);
}

void Log::Write(const std::string& channel, const std::string& text, unsigned severity) {
  auto it = files_.find(channel);
  if (it == files_.end()) {
    try {
      Open(channel);
      it = files_.find(channel);
    } catch (const std::exception&) {
      // The next line to this channel tries again; the console still gets this one.
    }
  }
  if (it != files_.end()) {
    *it->second << text << '\n';
    it->second->flush();
  }
  switch (severity) {
    case 1:
      Engine::Get()->GetConsole()->Print(text, Console::kYellow);
      break;
    case 2:
      Engine::Get()->GetConsole()->Print(text, Console::kRed);
      break;
    case 3:
      MainWindow::Instance()->ShowMessageBox(text, "Error");
      break;
    default:
      break;
  }
}
