#pragma once
// The floor every frame benchmark is measured against: a window of the game's size, through the
// same SDL2 and GL driver, whose frame only clears and presents, waited for as the game's frames
// are (one pixel read back). It has its own window and context, so the game's GL state is left
// alone; each Frame restores whatever context was current.
class ClearAndPresentFloor {
 public:
  ClearAndPresentFloor(int width = 1024, int height = 768);
  ~ClearAndPresentFloor();
  ClearAndPresentFloor(const ClearAndPresentFloor&) = delete;
  ClearAndPresentFloor& operator=(const ClearAndPresentFloor&) = delete;

  // False when the window or its context could not be made.
  bool IsOpen() const { return context_ != nullptr; }
  // One cleared and presented frame, finished; its wall time in milliseconds.
  double Frame();

 private:
  struct SDL_Window* window_ = nullptr;
  void* context_ = nullptr;
};
