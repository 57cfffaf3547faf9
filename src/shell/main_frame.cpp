// Window events: focus pauses and resumes, two keys close at once, one saves a screenshot, clicks are taps.
#include "shell/main_frame.h"

namespace jetvale {
namespace {

constexpr int kEventWaitMilliseconds = 5;

// The desktop keys that stand for the device's keys.
int DeviceKeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_q: return kKeyQ;
    case SDLK_F12: return kKeyF12;
    case SDLK_UP: return kKeyUp;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_RETURN: return kKeyEnter;
    default: return 0;
  }
}

}  // namespace

CMainFrame::CMainFrame(Host& host, std::string assetDirectory, int scale)
    : presenter_(scale), game_(std::make_unique<GameObject>(host, std::move(assetDirectory))) {}

bool CMainFrame::Create() { return game_->Start(presenter_); }

int CMainFrame::Run() {
  for (;;) {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, kEventWaitMilliseconds) == 1) {
      do {
        if (OnEvent(event)) {
          game_->Stop();
          return 0;
        }
      } while (SDL_PollEvent(&event) == 1);
    }
    if (game_->IsRunning() == 0) {
      // The game thread ended by itself: its first frame could not set up.
      game_->Stop();
      return StartupError().empty() ? 0 : 1;
    }
    presenter_.ShowLatestFrame();
  }
}

bool CMainFrame::OnEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      return true;
    case SDL_KEYDOWN:
      return OnKeyDown(event.key.keysym.sym);
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button != SDL_BUTTON_LEFT) return false;
      // The stylus reports portrait points: the landscape point (x, y) is (y, 320 - x) in portrait.
      return OnStylusDown(event.button.y, kScreenWidth - event.button.x);
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) game_->Resume();
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) game_->Pause();
      return false;
    default:
      return false;
  }
}

bool CMainFrame::OnKeyDown(SDL_Keycode key) {
  const int code = DeviceKeyCode(key);
  if (code == 0) return false;
  KeyList list;
  keyInput_.GetKeyList(list);
  if (code == list.keys[kKeyListCloseToo] || code == list.keys[kKeyListClose]) return true;
  if (code == list.keys[kKeyListScreenshot]) game_->RequestScreenshot();
  return false;
}

bool CMainFrame::OnStylusDown(int /*portraitX*/, int /*portraitY*/) {
  // After the exit confirmation any tap closes the program.
  return game_->ExitRequested() == 1;
}

}  // namespace jetvale
