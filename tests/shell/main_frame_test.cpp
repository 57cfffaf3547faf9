// The desktop window on SDL's dummy driver, driven as a player drives it while the game thread runs its
// frames: clicks, keys, focus changes and the close. Run under ThreadSanitizer too (scripts/test --thread).
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <tuple>

#include "engine/replay.h"
#include "save/save_file.h"
#include "shell/main_frame.h"
#include "shell/settings.h"
#include "ui/window_layouts.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

constexpr int kScale = 3;  // the default window: 960 x 720
constexpr Uint32 kWindowId = 1;  // the program's one window

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("jetvale_shell_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

void PushKey(SDL_Keycode key) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.sym = key;
  Push(event);
}

void PushWindowEvent(SDL_WindowEventID id) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = static_cast<Uint8>(id);
  Push(event);
}

// The middle of an item, in the window's pixels: where a player clicks.
void PushClick(const GameWindow& window, int item) {
  const WindowItem& i = window.Item(item);
  SDL_Event event{};
  event.type = SDL_MOUSEBUTTONDOWN;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.windowID = kWindowId;  // SDL turns the window's pixels into the picture's for its own window
  event.button.x = (window.x + i.x + i.width / 2) * kScale;
  event.button.y = (window.y + i.y + i.height / 2) * kScale;
  Push(event);
}

// The machine, counting sleeps. Only the game thread sleeps, and every frame ends in one sleep (the frame timer's,
// or a late frame's millisecond), so the count tells another thread, race-free, that frames have passed.
class CountingHost final : public Host {
 public:
  std::uint32_t TickCount() override { return machine_.TickCount(); }
  std::int64_t NowMicroseconds() override { return machine_.NowMicroseconds(); }
  void SleepMicroseconds(std::int64_t microseconds) override {
    ++sleeps;
    machine_.SleepMicroseconds(microseconds);
  }
  std::atomic<int> sleeps{0};

 private:
  SystemHost machine_;
};

// Waits until the window thread has handled all that was pushed (a marker event behind it is taken) and the game
// thread has then ended two frames: the first may be the one under way, the second took the input at its start.
// False after a deadline no working game comes near.
bool Settle(const CountingHost& host) {
  SDL_Event marker{};
  marker.type = SDL_USEREVENT;
  if (SDL_PushEvent(&marker) != 1) return false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  const auto until = [&](const auto& done) {
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  };
  if (!until([] { return SDL_HasEvent(SDL_USEREVENT) == SDL_FALSE; })) return false;
  const int start = host.sleeps.load();
  return until([&] { return host.sleeps.load() >= start + 2; });
}

TEST(Settings, TheyAreReadBackLenientlyAndLiveInTheConfigFolder) {
  EXPECT_EQ(SettingsFilePath("/cfg", "/home/pat"), "/cfg/jetvale/settings.txt");
  EXPECT_EQ(SettingsFilePath(nullptr, "/home/pat"), "/home/pat/.config/jetvale/settings.txt");
  const std::string path = (FreshFolder("settings") / "more" / "settings.txt").string();
  EXPECT_EQ(ReadSettings(path).gameSpeed, 1);  // no file: the defaults
  ASSERT_TRUE(WriteSettings(path, Settings{12, 1280, 960, true}));
  const auto fields = [](const Settings& s) {
    return std::tuple(s.gameSpeed, s.windowWidth, s.windowHeight, s.fullScreen);
  };
  EXPECT_EQ(fields(ReadSettings(path)), std::tuple(12, 1280, 960, true));

  ASSERT_TRUE(WriteFileSafely(path, "speed=5\r\nwindow=319x240\nfullscreen=yes\nvolume=3\nspeed\nwindow=640x480\r\n"));
  EXPECT_EQ(fields(ReadSettings(path)), std::tuple(1, 640, 480, false));  // 5 frames a tick is no game speed
}

// A new game through clicks, the speed set to SLOW in Options, a scroll key, focus lost and back, a screenshot,
// a replay, full screen; then Save Game confirmed and the window closed straight after it. Every click reaches
// the game as a tap, the save is whole, and the speed and the window are what the next run starts with.
TEST(MainFrame, ClicksKeysAndFocusReachTheGameWhileFramesRunAndClosingKeepsTheSaveWhole) {
  const fs::path folder = FreshFolder("play");
  const fs::path previous = fs::current_path();
  fs::current_path(folder);  // the screenshot goes to the current folder
  // A window in memory, drawn by SDL's software renderer: no GL driver threads to put their own races in the
  // ThreadSanitizer's report.
  ASSERT_EQ(SDL_setenv("SDL_VIDEODRIVER", "dummy", 1), 0);
  ASSERT_EQ(SDL_setenv("SDL_RENDER_DRIVER", "software", 1), 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS), 0) << SDL_GetError();

  CountingHost host;
  CMainFrame frame(host, JETVALE_ASSET_DIR, folder.string(), Settings{});
  const WindowTable& windows = frame.Game().Interface().windows;  // a fixed layout; read before the thread starts
  ASSERT_TRUE(frame.Create()) << frame.StartupError();

  // One thing at a time, each taken by the game before the next, as a player's hand does.
  const auto click = [&](int window, const char* name, int row = 0) {
    return [&windows, window, name, row] { PushClick(windows[window], windows[window].Find(name, row)); };
  };
  const auto key = [](SDL_Keycode k) { return [k] { PushKey(k); }; };
  const auto focus = [](SDL_WindowEventID id) { return [id] { PushWindowEvent(id); }; };
  const std::vector<std::function<void()>> steps = {
      click(kToolsMenuWindow, "options"),  // "Options"
      click(kToolsMenuWindow, "ok"),
      click(kOptionsWindow, "slower"),  // "<-": MEDIUM
      click(kOptionsWindow, "slower"),  // SLOW
      click(kOptionsWindow, "ok"),  // "Ok"
      click(kToolbarWindow, "tools"),  // the Tools menu again
      click(kToolsMenuWindow, "new game"),  // "New Game"
      click(kToolsMenuWindow, "ok"),
      click(kNewGameWindow, "airline", 1),  // "Southeast Air"
      click(kNewGameWindow, "ok"),  // "Ok"
      key(SDLK_RIGHT),
      focus(SDL_WINDOWEVENT_FOCUS_LOST),  // the game idles: only its pause loop sleeps
      focus(SDL_WINDOWEVENT_FOCUS_GAINED),
      key(SDLK_F12),
      key(SDLK_F11),
      key(SDLK_F2),  // the history chart, opened and closed again
      key(SDLK_F2),
      key(SDLK_F9),
      click(kToolbarWindow, "tools"),
      click(kToolsMenuWindow, "save game"),  // "Save Game"
      click(kToolsMenuWindow, "ok"),
  };
  std::thread player([&] {
    bool settled = Settle(host);  // the first frame is up
    for (std::size_t i = 0; settled && i < steps.size(); ++i) {
      steps[i]();
      settled = Settle(host);
      EXPECT_TRUE(settled) << "step " << i << " was not taken";
    }
    if (settled) click(kSaveGameWindow, "yes")();  // "Yes", and the window closes at once
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);
  });
  const int exitCode = frame.Run();
  player.join();
  EXPECT_EQ(exitCode, 0);

  GameState& game = frame.Game().Game();
  EXPECT_TRUE(game.clock.running);
  EXPECT_EQ(game.world.Player().identity, kSoutheastAir);
  const Settings kept = frame.FinalSettings();
  EXPECT_EQ(kept.gameSpeed, 12);
  EXPECT_TRUE(kept.fullScreen);
  EXPECT_EQ(kept.windowWidth, 960);

  // Every click became a tap, and the scroll key, the chart keys and the screenshot are in the replay.
  std::string text;
  Replay replay;
  std::string error;
  ASSERT_TRUE(ReadWholeFile((folder / kReplayFile).string(), text));
  ASSERT_TRUE(ParseReplay(text, replay, error)) << error;
  const auto recorded = [&](ReplayAction action) {
    return std::count_if(replay.steps.begin(), replay.steps.end(), [&](const ReplayStep& s) { return s.action == action; });
  };
  EXPECT_EQ(recorded(ReplayAction::Tap), 10);
  EXPECT_EQ(recorded(ReplayAction::Scroll), 1);
  EXPECT_EQ(recorded(ReplayAction::Screenshot), 1);
  EXPECT_EQ(recorded(ReplayAction::ChartKey), 2);
  EXPECT_TRUE(fs::exists(folder / kScreenshotFile));

  // Closing the window kept the game under way in the autosave.
  GameState resumed(1);
  EXPECT_TRUE(LoadGameFrom((folder / kAutosaveFile).string(), resumed));
  EXPECT_EQ(resumed.world.Player().identity, kSoutheastAir);

  // The save that the last tap started either ran whole before the window closed or never began.
  GameState loaded(1);
  if (fs::exists(SaveFilePath(folder.string()))) {
    EXPECT_TRUE(LoadGameFrom(SaveFilePath(folder.string()), loaded));
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().filename().string().find("am.txt."), std::string::npos) << "a temporary file is left";
  }
  SDL_Quit();
  fs::current_path(previous);
}

}  // namespace
}  // namespace jetvale
