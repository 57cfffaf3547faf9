// SDL window, renderer and streaming texture; SDL letterboxes and scales the 320 x 240 picture itself.
#include "shell/sdl_presenter.h"

#include "gfx/gapi_display.h"

namespace jetvale {

SdlPresenter::~SdlPresenter() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool SdlPresenter::Open(std::string& error) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // nearest neighbour: sharp pixels
  window_ = SDL_CreateWindow("Jetvale", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth * scale_,
                             kScreenHeight * scale_, SDL_WINDOW_RESIZABLE);
  if (window_ != nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ != nullptr) {
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    // Game colours are 0x00BBGGRR words: SDL's packed XBGR layout.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_BGR888, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                 kScreenHeight);
  }
  if (texture_ == nullptr) {
    error = SDL_GetError();
    return false;
  }
  SDL_ShowCursor(SDL_DISABLE);  // the stylus has no cursor
  return true;
}

GapiResult SdlPresenter::Present(const CGapiSurface& frame) {
  frames_.WriteBuffer() = frame.Pixels();
  frames_.Publish();
  return kGapiOk;
}

void SdlPresenter::ShowLatestFrame() {
  const std::vector<Color>* frame = frames_.TakeLatest();
  if (frame == nullptr || frame->size() != static_cast<std::size_t>(kScreenWidth * kScreenHeight)) return;
  SDL_UpdateTexture(texture_, nullptr, frame->data(), kScreenWidth * static_cast<int>(sizeof(Color)));
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

}  // namespace jetvale
