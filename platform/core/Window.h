#pragma once
#include <functional>
#include <string>

union SDL_Event;
struct SDL_Window;

// The program's one window and its message pump, over SDL2.
namespace platform {

enum class PumpResult {
  Empty,    // no window message was waiting
  Handled,  // one message was taken and handled
  Quit,     // the quit message was taken
};

class Window {
 public:
  Window();
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Opens a borderless window of the given size at the top-left corner of the screen, ready
  // for an OpenGL context. False when no window can be had (no display, no offscreen driver);
  // Error() then says why, in the windowing system's words.
  bool Create(const std::string& title, int width, int height);
  const std::string& Error() const { return error_; }
  bool IsOpen() const { return window_ != nullptr; }
  SDL_Window* Handle() const { return window_; }

  // Handles at most one window message. Keyboard, mouse and text events go to the input
  // handler first and do not count against that one message.
  PumpResult PumpOne();

  // Queues the quit message behind whatever is waiting.
  static void PostQuit();

  // Keyboard, mouse and text events are handed here (by the input devices) as they are pumped.
  void SetInputHandler(std::function<void(const SDL_Event&)> handler) { input_ = std::move(handler); }
  // Told when the window gains or loses the input focus.
  void SetFocusHandler(std::function<void(bool)> handler) { focus_ = std::move(handler); }

  void SetWhiteBackground() { whiteBackground_ = true; }
  bool HasWhiteBackground() const { return whiteBackground_; }

 private:
  SDL_Window* window_ = nullptr;
  bool eventsReady_ = false;
  bool whiteBackground_ = false;
  std::string error_;
  std::function<void(const SDL_Event&)> input_;
  std::function<void(bool)> focus_;
};

// True when windows appear on a real screen (a message box would be seen and answered).
bool HasRealDisplay();

// Shows a message box with an OK button and waits for it on a real display; without one the
// text goes to standard error and nothing waits.
void ShowMessageBox(const std::string& text, const std::string& caption, SDL_Window* owner);

}  // namespace platform
