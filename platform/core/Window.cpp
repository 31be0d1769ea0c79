#include "platform/core/Window.h"

#include "platform/core/StopSignal.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

bool IsInputEvent(Uint32 type) {
  switch (type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT:
    case SDL_TEXTEDITING:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
      return true;
    default:
      return false;
  }
}

bool InitEvents() {
  if (SDL_WasInit(SDL_INIT_EVENTS)) return true;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  return SDL_InitSubSystem(SDL_INIT_EVENTS) == 0;
}

// The library says only that no video device is available; which display it tried says more.
std::string DisplayTrouble() {
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  if (driver && *driver && std::strcmp(driver, "x11") != 0 && std::strcmp(driver, "wayland") != 0)
    return "the video driver \"" + std::string(driver) + "\" did not start: ";
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!x11 || !*x11) && (!wayland || !*wayland)) return "no display is named (DISPLAY is not set): ";
  return "the display \"" + std::string(x11 && *x11 ? x11 : wayland) + "\" refused the connection: ";
}

}  // namespace

Window::Window() { eventsReady_ = InitEvents(); }

Window::~Window() {
  if (window_) SDL_DestroyWindow(window_);
}

bool Window::Create(const std::string& title, int width, int height) {
  if (window_) return true;
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      error_ = DisplayTrouble() + SDL_GetError();
      return false;
    }
    // Keep the GL driver loaded for the life of the process rather than unloading and
    // reloading it as windows come and go.
    SDL_GL_LoadLibrary(nullptr);
  }
  // The window's own buffers serve the render device as its back buffer: colour, 24-bit depth
  // and 8-bit stencil, double-buffered, chosen when the window is made.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  window_ = SDL_CreateWindow(title.c_str(), 0, 0, width, height,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
  if (!window_) error_ = std::string("no window: ") + SDL_GetError();
  return window_ != nullptr;
}

PumpResult Window::PumpOne() {
  if (StopRequested()) return PumpResult::Quit;
  if (!eventsReady_) return PumpResult::Empty;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (IsInputEvent(e.type)) {
      if (input_) input_(e);
      continue;
    }
    // The devices hear the focus as promptly as the input itself: a focus change waiting behind
    // other messages would leave the first keys after start-up dropped as unfocused.
    if (e.type == SDL_WINDOWEVENT && (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                                      e.window.event == SDL_WINDOWEVENT_FOCUS_LOST)) {
      if (focus_) focus_(e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED);
      continue;
    }
    if (e.type == SDL_QUIT) return PumpResult::Quit;
    // Closing the window destroys it, and a destroyed window posts the quit message.
    if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE) PostQuit();
    return PumpResult::Handled;
  }
  return PumpResult::Empty;
}

void Window::PostQuit() {
  if (!InitEvents()) return;
  SDL_Event quit;
  std::memset(&quit, 0, sizeof quit);
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
}

bool HasRealDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return false;
  return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

void ShowMessageBox(const std::string& text, const std::string& caption, SDL_Window* owner) {
  if (HasRealDisplay() &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), owner) == 0)
    return;
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

}  // namespace platform
