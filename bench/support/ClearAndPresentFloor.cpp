#include "bench/support/ClearAndPresentFloor.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <chrono>

ClearAndPresentFloor::ClearAndPresentFloor(int width, int height) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
  // The context the game asks for.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  window_ = SDL_CreateWindow("floor", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS);
  if (window_) context_ = SDL_GL_CreateContext(window_);
  if (context_) SDL_GL_SetSwapInterval(0);
  if (previousContext) SDL_GL_MakeCurrent(previousWindow, previousContext);
}

ClearAndPresentFloor::~ClearAndPresentFloor() {
  if (context_) SDL_GL_DeleteContext(context_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

double ClearAndPresentFloor::Frame() {
  if (!context_) return 0.0;
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
  SDL_GL_MakeCurrent(window_, context_);
  const auto start = std::chrono::steady_clock::now();
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  SDL_GL_SwapWindow(window_);
  unsigned char pixel[4];
  glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (previousContext) SDL_GL_MakeCurrent(previousWindow, previousContext);
  return took.count();
}
