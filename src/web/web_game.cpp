// The browser shell's frame, input and closing picture.
#include "web/web_game.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>

#include "gfx/font.h"
#include "save/history_file.h"
#include "save/save_file.h"
#include "save/saved_games.h"
#include "sim/game_clock.h"
#include "text/number_text.h"
#include "ui/map_view.h"
#include "web/page_bridge.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

// The arrow keys scroll the map like the pad's arrows.
constexpr std::pair<std::string_view, int> kScrollKeys[] = {
    {"ArrowUp", kScrollUp},
    {"ArrowLeft", kScrollLeft},
    {"ArrowRight", kScrollRight},
    {"ArrowDown", kScrollDown},
};
constexpr std::string_view kScreenshotKey = "F12";
constexpr std::string_view kChartKey = "F2";  // the history chart, as on the desktop
constexpr std::string_view kSavedGamesKey = "F8";  // the list of saved games, as on the desktop
constexpr std::string_view kFastForwardKey = "Tab";  // the next fast-forward step, as on the desktop

// The clock's ticks since midnight of Jan-1 Year 1 over the game's 365-day calendar, so a test can tell the
// clock's pace from two readings.
std::int64_t TicksSinceStart(const GameClock& clock) {
  constexpr std::array<int, 12> kDaysBeforeMonth = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int month = clock.month >= 1 && clock.month <= 12 ? clock.month : 1;
  const std::int64_t days = (static_cast<std::int64_t>(clock.year) - 1) * 365 + At(kDaysBeforeMonth, month - 1) +
                            clock.day - 1;
  return days * kTicksPerDay + (clock.hour * 60 + clock.minute) / kMinutesPerTick;
}

// A string as a JSON value; the game's texts are plain ASCII.
std::string JsonText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
  }
  return quoted + "\"";
}

constexpr const char* kClosingLines[] = {
    "Jetvale has closed.",
    "",
    "Reload the page to play again.",
};

}  // namespace

WebGame::WebGame(const std::string& assetDirectory, const std::string& saveFolder)
    : game_(host_, assetDirectory, saveFolder) {}

bool WebGame::Open() { return game_.OpenDisplay(sink_); }

bool WebGame::Frame() {
  if (closed_) return false;
  if (hidden_) return true;
  // The frame's own work, without the wait for the next one (the frame timer never sleeps in a browser) and
  // without presenting, which the sink times itself.
  const std::int64_t start = host_.NowMicroseconds();
  const std::int64_t presented = sink_.PresentMicroseconds();
  game_.RunFrame();
  frameMicroseconds_ += host_.NowMicroseconds() - start - (sink_.PresentMicroseconds() - presented);
  if (!game_.StartupError().empty()) return false;
  if (screenshotDue_) {
    screenshotDue_ = false;
    jetvale_offer_download(kScreenshotFile, kScreenshotFile);
  }
  return true;
}

void WebGame::Tap(int x, int y) {
  if (closed_) return;
  // After the exit confirmation the next tap closes the game; a page cannot close its own tab, so it says so.
  if (game_.ExitRequested()) {
    closed_ = true;
    game_.Autosave();
    ShowClosingPicture();
    return;
  }
  // The stylus reports portrait points: the landscape point (x, y) is (y, 320 - x).
  if (x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight) game_.Tap(y, kScreenWidth - x);
}

bool WebGame::Key(std::string_view name) {
  for (const auto& [key, direction] : kScrollKeys) {
    if (key == name) {
      game_.ScrollKey(direction);
      return true;
    }
  }
  if (name == kChartKey) {
    game_.ChartKey();
    return true;
  }
  if (name == kSavedGamesKey) {
    game_.SavedGamesKey();
    return true;
  }
  if (name == kFastForwardKey) {
    game_.FastForwardKey();
    return true;
  }
  if (name != kScreenshotKey) return false;
  game_.RequestScreenshot();
  screenshotDue_ = true;
  return true;
}

// A hidden page runs no frames, so the game's clock stands still; the frame timer starts afresh on return. A page
// may be closed or thrown away while hidden, so the game under way goes to the autosave.
void WebGame::SetHidden(bool hidden) {
  hidden_ = hidden;
  if (hidden && !closed_) game_.Autosave();
}

std::string WebGame::SavedGamePlacesText() {
  std::string text = "[";
  for (const SavedGamePlace& place : kSavedGamePlaces) {
    if (text.size() > 1) text += ",";
    text += "{\"file\":" + JsonText(place.file) +
            ",\"upload\":" + (place.kind == SavedGameKind::Autosave ? "false" : "true") + "}";
  }
  return text + "]";
}

std::optional<std::string> WebGame::StoreUpload(const std::string& uploadPath, std::string_view file) {
  namespace fs = std::filesystem;
  std::size_t place = 0;
  while (place < kSavedGamePlaces.size() && kSavedGamePlaces[place].file != file) ++place;
  bool accepted = false;
  std::string problem;
  SavedGameFiles upload;
  if (place == kSavedGamePlaces.size() || kSavedGamePlaces[place].kind == SavedGameKind::Autosave) {
    problem = "a file goes only into am.txt or a slot";
  } else {
    // Read as Load Game reads it, with the seed it would read with (the world a saved game is read into is drawn
    // from it), but into a game of its own, so the game under way stays as it is.
    const auto scratch = std::make_unique<GameState>(game_.Game().seed);
    accepted = ReadSavedGameFiles(uploadPath, upload, &problem) && LoadGameFiles(upload, *scratch, &problem);
  }
  std::error_code error;
  if (accepted) {
    const std::string path = SavedGamePath(game_.Interface().saveFolder, place);
    fs::rename(uploadPath, path, error);
    if (error) {
      accepted = false;
      problem = "the file cannot be stored";
    } else if (SideFileText(path, upload.game).empty()) {
      // The history there was written with the game the upload replaced: it goes, a pending one too.
      fs::remove(HistoryFilePath(path), error);
      fs::remove(HistoryFilePath(path) + ".next", error);
    }
  }
  fs::remove(uploadPath, error);
  if (accepted) return std::nullopt;
  return problem;
}

void WebGame::ShowClosingPicture() {
  CGapiSurface picture;
  picture.CreateSurface(kScreenWidth, kScreenHeight);
  int y = 100;
  for (const char* line : kClosingLines) {
    const int width = static_cast<int>(std::string_view(line).size()) * kGlyphWidth;
    picture.DrawTextW((kScreenWidth - width) / 2, y, line, kWhite, kTextOutline);
    y += 10;
  }
  sink_.Present(picture);
}

std::string WebGame::StateText() {
  const Airline& player = game_.Game().world.Player();
  const Ui& ui = game_.Interface();
  std::string text = "{\"balance\":" + JsonText(FormatMoney(player.balance)) +
                     ",\"fleet\":" + std::to_string(player.planeCount) + ",\"date\":" + JsonText(game_.DateText()) +
                     ",\"ticks\":" + std::to_string(TicksSinceStart(game_.Game().clock)) +
                     ",\"fastForward\":" + std::to_string(game_.FastForward()) +
                     ",\"window\":" + std::to_string(ui.currentWindow) +
                     ",\"frames\":" + std::to_string(sink_.PresentedFrames()) +
                     ",\"runFrameMicroseconds\":" + std::to_string(frameMicroseconds_) +
                     ",\"presentMicroseconds\":" + std::to_string(sink_.PresentMicroseconds()) +
                     ",\"closed\":" + (closed_ ? "true" : "false") +
                     ",\"message\":" + JsonText(ui.status.countdown > 0 ? ui.status.text : "") + ",\"items\":[";
  // The open window's visible items with their centres in landscape pixels, so a test can tap them by text.
  const GameWindow& window = At(ui.windows, ui.currentWindow);
  const char* separator = "";
  for (int index = 0; index < window.itemCount; ++index) {
    const WindowItem& item = window.Item(index);
    if (item.visibility != kVisible) continue;
    text += separator;
    text += "{\"text\":" + JsonText(item.text) + ",\"x\":" + std::to_string(window.x + item.x + item.width / 2) +
            ",\"y\":" + std::to_string(window.y + item.y + item.height / 2) + "}";
    separator = ",";
  }
  return text + "]}";
}

}  // namespace jetvale
