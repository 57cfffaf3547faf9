// One frame, top to bottom: picture, map, clock, status line, the current screen, title and borders, flip, wait.
#include <array>
#include <filesystem>
#include <utility>

#include "engine/bitmap_assets.h"
#include "engine/fast_forward.h"
#include "engine/game_object.h"
#include "save/save_file.h"
#include "screens/history_chart.h"
#include "screens/saved_games_screen.h"
#include "sim/simulate_tick.h"
#include "text/number_text.h"
#include "ui/plane_sprites.h"

namespace jetvale {
namespace {

constexpr int kFramesPerSecond = 30;

// What the status line says when the map cannot be copied.
constexpr std::array<std::pair<GapiResult, const char*>, 5> kMapErrorTexts = {{
    {kGapiInvalidRect, "INVALIDRECT"},
    {kGapiInPrimary, "IN PRIMARY"},
    {kGapiInvalidParams, "INVALID PARAMS"},
    {kGapiNotInitialized, "NOT INITIALIZED"},
    {kGapiLocked, "LOCKED"},
}};

}  // namespace

void GameObject::RunFrame() {
  int width = display_.GetWidth();
  int height = display_.GetHeight();

  framesRun_ += 1;
  TakeRequests();

  if (setupNeeded_) {
    if (!SetUpDisplay()) return;
    width = display_.GetWidth();
    height = display_.GetHeight();
  }

  const GapiRect wholeScreen{0, 0, width, height};
  backBuffer_.BltFast(0, 0, frameSurface_, &wholeScreen, kBltOpaque);
  DrawMap();

  if (game_.clock.running) {
    if (fastForward_ > 0) {
      FastForwardTicks();
    } else {
      AdvanceSimulation();
      AdvancePlanes(game_.world, ui_.gameSpeed, sky_);
    }
    DrawPlanes(backBuffer_, spriteSurface_, sky_, ui_.map);
    DrawClockAndBalance();
  }

  ui_.status.DrawAndFade(backBuffer_);
  commands_.Run(ui_, ApplyInput());
  DrawTitleAndBorders(width, height);

  if (display_.Flip() == kGapiBackBufferLost) display_.GetBackBuffer(backBuffer_);
  if (frameTimer_.WaitForNextFrame() == kGapiFrameLate) host_.Sleep(1);
}

// Requests are taken and cleared in one step, so a key pressed during a save is not lost; a failed save is not
// retried. The screenshot holds the last frame's picture, and the replay says so.
void GameObject::TakeRequests() {
  if (screenshotRequested_.exchange(false)) {
    backBuffer_.SaveSurface(kScreenshotFile);
    if (framesRun_ > 1) record_.steps.push_back({framesRun_ - 1, ReplayAction::Screenshot, 0, 0});
  }
  if (replayRequested_.exchange(false)) {
    record_.frames = framesRun_ - 1;
    WriteFileSafely((std::filesystem::path(ui_.saveFolder) / kReplayFile).string(), FormatReplay(record_));
  }
}

// The first frame opens the back buffer and loads the bitmaps. A bitmap that cannot be used ends the
// game thread before anything is drawn; the window reports StartupError().
bool GameObject::SetUpDisplay() {
  host_.Sleep(100);
  display_.SetDisplayMode(displayMode_);
  display_.GetBackBuffer(backBuffer_);
  const std::array<std::pair<const BitmapAsset*, CGapiSurface*>, 3> bitmaps = {{
      {&kFrameBitmap, &frameSurface_},
      {&kSpriteBitmap, &spriteSurface_},
      {&kMapBitmap, &mapSurface_},
  }};
  for (const auto& [asset, surface] : bitmaps) {
    if (!LoadBitmapAsset(assetDirectory_, *asset, *surface, startupError_)) {
      running_.store(false);
      return false;
    }
  }
  spriteSurface_.SetColorKey(kMagenta);
  frameTimer_.StartTimer(kFramesPerSecond);
  setupNeeded_ = false;
  return true;
}

// Scroll, fast-mode mark, map picture, airports.
void GameObject::DrawMap() {
  ui_.map.ScrollStep();
  ui_.map.DrawFastMark(backBuffer_);
  const GapiResult result = ui_.map.DrawMap(backBuffer_, mapSurface_);
  for (const auto& [code, text] : kMapErrorTexts) {
    if (code == result) ui_.status.Set(text, kErrorMessageFrames);
  }
  ui_.map.DrawAirports(backBuffer_, game_.world);
}

// The clock and with it the flight cycle tick once every GameSpeed frames; a month end leaves an autosave.
void GameObject::AdvanceSimulation() {
  frameCounter_ += 1;
  if (frameCounter_ % ui_.gameSpeed != 0) return;
  if (SimulateTick(game_).monthEnded()) MonthEndAutosave();
  timeText_ = game_.clock.TimeText();
  dateText_ = game_.clock.DateText();
}

// A step of frames at "FAST" without their pictures: each tick, then the planes' step on the map.
void GameObject::FastForwardTicks() {
  for (int tick = 0; tick < fastForward_; ++tick) {
    if (SimulateTick(game_).monthEnded()) MonthEndAutosave();
    AdvancePlanes(game_.world, kSpeedFast, sky_);
  }
  timeText_ = game_.clock.TimeText();
  dateText_ = game_.clock.DateText();
}

void GameObject::MonthEndAutosave() {
  autosaveSkipped_ = fastForward_ > 0 && framesRun_ - lastAutosaveFrame_ < kFastForwardAutosaveFrames;
  if (autosaveSkipped_) return;
  Autosave();
  lastAutosaveFrame_ = framesRun_;
}

void GameObject::DrawClockAndBalance() {
  if (fastForward_ > 0) backBuffer_.DrawTextW(176, 233, FastForwardMark(fastForward_), kWhite, kTextOutline);
  backBuffer_.DrawTextW(203, 233, timeText_, kWhite, kTextOutline);
  backBuffer_.DrawTextW(230, 233, dateText_, kWhite, kTextOutline);
  backBuffer_.DrawTextW(6, 1, FormatMoney(game_.world.Player().balance), kWhite, kTextOutline);
}

// Taps and keys that arrived since the last dispatch, in order. A tap is tested against the window drawn last; the
// last button tapped (or key: the chart's and the saved games', each opening its window or closing it) is what
// the dispatch runs.
std::optional<Tapped> GameObject::ApplyInput() {
  std::optional<Tapped> tapped;
  InputEvent event;
  while (input_.Pop(event)) {
    if (event.kind == InputKind::ScrollKey) {
      record_.steps.push_back({framesRun_, ReplayAction::Scroll, event.direction, 0});
      ui_.map.StartScroll(event.direction);
      continue;
    }
    const int current = tapped ? tapped->command : ui_.command;
    if (event.kind == InputKind::ChartKey) {
      record_.steps.push_back({framesRun_, ReplayAction::ChartKey, 0, 0});
      tapped = Tapped{ChartKeyCommand(current), kNoItem};
      continue;
    }
    if (event.kind == InputKind::SavedGamesKey) {
      record_.steps.push_back({framesRun_, ReplayAction::SavedGamesKey, 0, 0});
      tapped = Tapped{SavedGamesKeyCommand(current), kNoItem};
      continue;
    }
    if (event.kind == InputKind::FastForwardKey) {
      record_.steps.push_back({framesRun_, ReplayAction::FastForward, 0, 0});
      fastForward_ = NextFastForward(fastForward_);
      if (fastForward_ == 0 && autosaveSkipped_) Autosave(), autosaveSkipped_ = false;
      continue;
    }
    const int x = LandscapeX(event.portraitX, event.portraitY);
    const int y = LandscapeY(event.portraitX, event.portraitY);
    record_.steps.push_back({framesRun_, ReplayAction::Tap, x, y});
    GameWindow& window = ui_.windows[ui_.currentWindow];
    if (const std::optional<Hit> hit = HitTest(window, x, y); hit && hit->button) {
      tapped = Tapped{window.Item(hit->item).command, hit->item};
    }
  }
  return tapped;
}

void GameObject::DrawTitleAndBorders(int width, int height) {
  backBuffer_.DrawTextW(273, 1, "Jetvale", kWhite, kTextOutline);
  backBuffer_.DrawLine(29, 10, 29, height - 10, kWhite, 0);  // toolbar | map
  backBuffer_.DrawLine(0, 9, width - 1, 9, kWhite, 0);       // under the title line
  backBuffer_.DrawLine(0, 230, width - 1, 230, kWhite, 0);   // above the status line
}

}  // namespace jetvale
