#pragma once
#include <memory>
#include <string>

#include "platform/core/Window.h"

// The program's one window, into which the graphics device renders and from which input takes
// its focus; also the message pump of the main loop. A singleton of its own.
class MainWindow {
 public:
  // Created on the first call, 1280 x 720 when the graphics system is in wide-screen mode,
  // else 1024 x 768; the size never changes afterwards.
  static MainWindow* Instance();
  static void Destroy();

  // Opens the window; false (and the program goes on without one) when that fails.
  bool Create();
  // Handles at most one pending message; false when it was the quit message.
  bool PumpMessage();
  // Posts the quit message behind whatever is waiting.
  static void PostQuit();

  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  platform::Window& GetPlatformWindow() { return window_; }
  void SetWhiteBackground() { window_.SetWhiteBackground(); }
  void ShowMessageBox(const std::string& text, const std::string& caption);

 private:
  MainWindow(int width, int height) : width_(width), height_(height) {}
  static std::unique_ptr<MainWindow> instance_;

  platform::Window window_;
  int width_;
  int height_;
};
