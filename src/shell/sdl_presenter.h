// The desktop window: shows the game's 320 x 240 frames scaled by a whole factor, with sharp pixels.
#pragma once

#include <SDL.h>

#include <string>

#include "gfx/frame_exchange.h"
#include "gfx/present_sink.h"

namespace jetvale {

class SdlPresenter final : public PresentSink {
 public:
  // The window opens `width` x `height` (at least the picture's size), or over the whole screen.
  SdlPresenter(int width, int height, bool fullScreen, std::string iconSheetPath)
      : windowedWidth_(width), windowedHeight_(height), fullScreen_(fullScreen),
        iconSheetPath_(std::move(iconSheetPath)) {}
  ~SdlPresenter() override;
  SdlPresenter(const SdlPresenter&) = delete;
  SdlPresenter& operator=(const SdlPresenter&) = delete;

  // Window thread: creates the window, renderer and texture.
  bool Open(std::string& error) override;
  // Game thread: hands the frame to the window thread.
  GapiResult Present(const CGapiSurface& frame) override;
  // Window thread: shows the newest frame, if a new one arrived; false when none did.
  bool ShowLatestFrame();
  // Window thread: shows the last frame again, for a window uncovered while the game is paused.
  void Redraw();
  // Window thread: between the window and the whole screen; the picture keeps its whole-factor scale.
  void ToggleFullScreen();
  bool FullScreen() const { return fullScreen_; }
  // The window's size when not over the whole screen.
  void WindowedSize(int& width, int& height) const;
  SDL_Window* Window() const { return window_; }

 private:
  void SetIcon();

  int windowedWidth_;
  int windowedHeight_;
  bool fullScreen_;
  std::string iconSheetPath_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  FrameExchange frames_;
};

}  // namespace jetvale
