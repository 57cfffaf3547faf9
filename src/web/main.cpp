// jetvale.js: the game in a browser page. The page's script calls the exported functions below.
#include <emscripten.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "save/save_file.h"
#include "web/frame_schedule.h"
#include "web/web_game.h"

namespace {

constexpr int kFramesPerSecond = 30;
constexpr const char* kAssetDirectory = "/assets";  // where the build packs the three bitmaps
constexpr const char* kSaveFolder = "/save";        // mounted on IndexedDB by saved_game.js

std::unique_ptr<jetvale::WebGame> game;
jetvale::FrameSchedule schedule(kFramesPerSecond);
std::string state;
std::string places;
std::string uploadProblem;

// Called before the browser paints: a picture put on the canvas then costs a fraction of one put between paints.
void RunOneFrame() {
  if (!schedule.Due(emscripten_get_now())) return;
  if (game->Frame()) return;
  emscripten_cancel_main_loop();
  if (!game->StartupError().empty()) std::fprintf(stderr, "jetvale: %s\n", game->StartupError().c_str());
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void jetvale_tap(int x, int y) { game->Tap(x, y); }
EMSCRIPTEN_KEEPALIVE int jetvale_key(const char* name) { return game->Key(name) ? 1 : 0; }
// The fast-forward step, ticks a frame (0 while off), for the page's Fast-forward button to show.
EMSCRIPTEN_KEEPALIVE int jetvale_fast_forward() { return game->FastForward(); }
EMSCRIPTEN_KEEPALIVE void jetvale_set_hidden(int hidden) { game->SetHidden(hidden != 0); }
EMSCRIPTEN_KEEPALIVE const char* jetvale_state() {
  state = game->StateText();
  return state.c_str();
}
// The longest file the game's reader takes: the page refuses a longer one before reading it.
EMSCRIPTEN_KEEPALIVE int jetvale_max_saved_game_bytes() { return static_cast<int>(jetvale::kMaxReadFileBytes); }
// The saved games the page lists, as JSON (see WebGame::SavedGamePlacesText).
EMSCRIPTEN_KEEPALIVE const char* jetvale_saved_game_places() {
  places = jetvale::WebGame::SavedGamePlacesText();
  return places.c_str();
}
// Null once the file at `uploadPath` has taken the place of the saved game `file`, else why it has not.
EMSCRIPTEN_KEEPALIVE const char* jetvale_store_upload(const char* uploadPath, const char* file) {
  const std::optional<std::string> problem = game->StoreUpload(uploadPath, file);
  if (!problem) return nullptr;
  uploadProblem = *problem;
  return uploadProblem.c_str();
}

}  // extern "C"

int main() {
  game = std::make_unique<jetvale::WebGame>(kAssetDirectory, kSaveFolder);
  if (!game->Open()) {
    std::fprintf(stderr, "jetvale: %s\n", game->StartupError().c_str());
    return 1;
  }
  // The browser calls the frame at its own rate (0); main returns at once and the game lives on in `game`.
  emscripten_set_main_loop(RunOneFrame, 0, 0);
  return 0;
}
