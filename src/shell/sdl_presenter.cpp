// SDL window, renderer and streaming texture; SDL letterboxes and scales the 320 x 240 picture itself.
#include "shell/sdl_presenter.h"

#include <algorithm>

#include "gfx/bmp_file.h"
#include "gfx/gapi_display.h"

namespace jetvale {
namespace {

// The program icon is the blue airline's plane heading east, taken from the sprite sheet.
constexpr int kIconLeft = 0;
constexpr int kIconTop = 34;
constexpr int kIconSize = 16;
constexpr int kIconScale = 2;

}  // namespace

SdlPresenter::~SdlPresenter() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool SdlPresenter::Open(std::string& error) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // nearest neighbour: sharp pixels
  const Uint32 flags = SDL_WINDOW_RESIZABLE | (fullScreen_ ? Uint32{SDL_WINDOW_FULLSCREEN_DESKTOP} : 0u);
  window_ = SDL_CreateWindow("Jetvale", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             std::max(windowedWidth_, kScreenWidth), std::max(windowedHeight_, kScreenHeight), flags);
  if (window_ != nullptr) {
    SDL_SetWindowMinimumSize(window_, kScreenWidth, kScreenHeight);  // the picture is never cut
    SetIcon();
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
  }
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
  return true;
}

// Back from the whole screen the window takes its size from before again (without a window manager X leaves
// it at the screen's size).
void SdlPresenter::ToggleFullScreen() {
  if (!fullScreen_) WindowedSize(windowedWidth_, windowedHeight_);
  if (SDL_SetWindowFullscreen(window_, fullScreen_ ? 0u : Uint32{SDL_WINDOW_FULLSCREEN_DESKTOP}) != 0) return;
  fullScreen_ = !fullScreen_;
  if (!fullScreen_) SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
}

void SdlPresenter::WindowedSize(int& width, int& height) const {
  width = windowedWidth_;
  height = windowedHeight_;
  if (!fullScreen_ && window_ != nullptr) SDL_GetWindowSize(window_, &width, &height);
}

// A window without an icon still works, so a sheet that cannot be read is passed over here; the game itself
// reports it on its first frame.
void SdlPresenter::SetIcon() {
  BmpImage sheet;
  std::string ignored;
  if (!ReadBmpFile(iconSheetPath_, sheet, ignored) || sheet.width < kIconLeft + kIconSize ||
      sheet.height < kIconTop + kIconSize) {
    return;
  }
  const int size = kIconSize * kIconScale;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ABGR8888);
  if (icon == nullptr) return;
  auto* pixels = static_cast<Uint32*>(icon->pixels);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Color c = sheet.pixels[PixelIndex(kIconLeft + x / kIconScale, kIconTop + y / kIconScale, sheet.width)];
      pixels[y * (icon->pitch / 4) + x] = c == kMagenta ? 0 : (0xFF000000u | c);  // magenta is transparent
    }
  }
  SDL_SetWindowIcon(window_, icon);
  SDL_FreeSurface(icon);
}

GapiResult SdlPresenter::Present(const CGapiSurface& frame) {
  frames_.WriteBuffer() = frame.Pixels();
  frames_.Publish();
  return kGapiOk;
}

bool SdlPresenter::ShowLatestFrame() {
  const std::vector<Color>* frame = frames_.TakeLatest();
  if (frame == nullptr || frame->size() != PixelCount(kScreenWidth, kScreenHeight)) return false;
  SDL_UpdateTexture(texture_, nullptr, frame->data(), kScreenWidth * static_cast<int>(sizeof(Color)));
  Redraw();
  return true;
}

void SdlPresenter::Redraw() {
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

}  // namespace jetvale
