// Window events: focus pauses and resumes, two keys close at once (leaving an autosave), one saves a screenshot,
// clicks are taps.
#include "shell/main_frame.h"

#include <cstdio>

#include "engine/bitmap_assets.h"

namespace jetvale {
namespace {

constexpr int kEventWaitMilliseconds = 5;

// The desktop keys that stand for the device keys the key list gives the window a use for.
int DeviceKeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_q: return kKeyQ;
    case SDLK_F12: return kKeyF12;
    default: return 0;
  }
}

// On the desktop the arrow keys scroll the map like the pad's arrows.
int ScrollDirection(SDL_Keycode key) {
  switch (key) {
    case SDLK_UP: return kScrollUp;
    case SDLK_LEFT: return kScrollLeft;
    case SDLK_RIGHT: return kScrollRight;
    case SDLK_DOWN: return kScrollDown;
    default: return kScrollNone;
  }
}

}  // namespace

CMainFrame::CMainFrame(Host& host, const std::string& assetDirectory, const std::string& saveFolder,
                       const Settings& settings, bool frameStats)
    : host_(host),
      presenter_(settings.windowWidth, settings.windowHeight, settings.fullScreen,
                 assetDirectory + "/" + std::string(kSpriteBitmap.fileName)),
      game_(std::make_unique<GameObject>(host, assetDirectory, saveFolder)),
      replayPath_(saveFolder + "/" + kReplayFile),
      frameStats_(frameStats) {
  game_->SetStartSpeed(settings.gameSpeed);
}

bool CMainFrame::Create() { return game_->Start(presenter_); }

int CMainFrame::Run() {
  for (;;) {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, kEventWaitMilliseconds) == 1) {
      do {
        if (OnEvent(event)) {
          // The program still closes at once; the game under way is kept in the autosave on the way out.
          game_->Stop();
          game_->Autosave();
          ReportFrameStats();
          return 0;
        }
      } while (SDL_PollEvent(&event) == 1);
    }
    if (!game_->IsRunning()) {
      // The game thread ended by itself: its first frame could not set up.
      game_->Stop();
      return StartupError().empty() ? 0 : 1;
    }
    ShowLatestFrame();
  }
}

void CMainFrame::ShowLatestFrame() {
  if (!presenter_.ShowLatestFrame()) return;
  if (framesShown_++ == 0) {
    firstPictureMicroseconds_ = host_.NowMicroseconds();
    spanStartMicroseconds_ = firstPictureMicroseconds_;
    spanStartFrames_ = 1;
  }
  if (frameStats_) ReportFrameSpan();
}

// A span's rate tells what the player saw at that time (a busy sky, a window open), which the whole run's
// average hides.
void CMainFrame::ReportFrameSpan() {
  const std::int64_t now = host_.NowMicroseconds();
  if (now - spanStartMicroseconds_ < std::int64_t{kFrameStatsSpanSeconds} * 1'000'000) return;
  const double seconds = static_cast<double>(now - spanStartMicroseconds_) / 1e6;
  std::fprintf(stderr, "jetvale: %.1f frames a second over the last %.1f s\n",
               static_cast<double>(framesShown_ - spanStartFrames_) / seconds, seconds);
  spanStartMicroseconds_ = now;
  spanStartFrames_ = framesShown_;
}

// Frames a second are counted from the first picture on, so the start-up does not weigh on them.
void CMainFrame::ReportFrameStats() const {
  if (!frameStats_ || framesShown_ == 0) return;
  const double seconds = static_cast<double>(host_.NowMicroseconds() - firstPictureMicroseconds_) / 1e6;
  std::fprintf(stderr, "jetvale: first picture after %.0f ms; %lld frames shown in %.1f s: %.1f frames a second\n",
               static_cast<double>(firstPictureMicroseconds_) / 1e3, static_cast<long long>(framesShown_), seconds,
               seconds > 0 ? static_cast<double>(framesShown_ - 1) / seconds : 0.0);
}

// Read after Run, when the game thread has ended: its speed is no longer written by anyone.
Settings CMainFrame::FinalSettings() const {
  Settings settings;
  settings.gameSpeed = game_->Interface().gameSpeed;
  presenter_.WindowedSize(settings.windowWidth, settings.windowHeight);
  settings.fullScreen = presenter_.FullScreen();
  return settings;
}

bool CMainFrame::OnEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      return true;
    case SDL_KEYDOWN:
      return OnKeyDown(event.key);
    case SDL_MOUSEBUTTONDOWN:
      // SDL hands the point over in the 320 x 240 picture's own coordinates, whatever the window's scale.
      if (event.button.button != SDL_BUTTON_LEFT) return false;
      return OnStylusDown(event.button.x, event.button.y);
    case SDL_WINDOWEVENT:
      // The game thread idles while the window is in the background; the window itself keeps answering.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) game_->Resume();
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) game_->Pause();
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) presenter_.Redraw();
      return false;
    default:
      return false;
  }
}

bool CMainFrame::OnKeyDown(const SDL_KeyboardEvent& key) {
  if (key.keysym.sym == SDLK_F1) {
    ShowAbout();
    return false;
  }
  if (key.keysym.sym == SDLK_F11 && key.repeat == 0) {
    presenter_.ToggleFullScreen();
    return false;
  }
  if (key.keysym.sym == SDLK_F2 && key.repeat == 0) {
    game_->ChartKey();
    return false;
  }
  if (key.keysym.sym == SDLK_F8 && key.repeat == 0) {
    game_->SavedGamesKey();
    return false;
  }
  if (key.keysym.sym == SDLK_TAB && key.repeat == 0) {
    game_->FastForwardKey();
    return false;
  }
  if (key.keysym.sym == SDLK_F9 && key.repeat == 0) {
    // Everything played since the start, for a bug report: jetvale-sim --replay plays it back.
    game_->RequestReplay();
    std::fprintf(stderr, "jetvale: the replay goes to %s\n", replayPath_.c_str());
    return false;
  }
  if (const int direction = ScrollDirection(key.keysym.sym); direction != kScrollNone) {
    game_->ScrollKey(direction);
    return false;
  }
  const int code = DeviceKeyCode(key.keysym.sym);
  if (code == 0) return false;
  KeyList list;
  keyInput_.GetKeyList(list);
  if (code == list.keys[kKeyListCloseToo] || code == list.keys[kKeyListClose]) return true;
  // A held key repeats; one press is one screenshot.
  if (code == list.keys[kKeyListScreenshot] && key.repeat == 0) game_->RequestScreenshot();
  return false;
}

// A click is a stylus tap. The stylus reports portrait points: the landscape point (x, y) is (y, 320 - x).
bool CMainFrame::OnStylusDown(int x, int y) {
  // After the exit confirmation any tap closes the program, on the picture or beside it.
  if (game_->ExitRequested()) return true;
  if (x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight) game_->Tap(y, kScreenWidth - x);
  return false;
}

void CMainFrame::ShowAbout() {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "About Jetvale", "Jetvale Version " JETVALE_VERSION, presenter_.Window());
}

}  // namespace jetvale
