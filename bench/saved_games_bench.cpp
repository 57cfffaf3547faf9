// The saved games' list: opening it over nine filled saved games (each read whole by the game's checked reader),
// and a frame with it open while the busy game runs behind it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "busiest_frame.h"
#include "busy_game.h"
#include "save/save_file.h"
#include "save/saved_games.h"
#include "screens/saved_games_screen.h"

namespace jetvale {
namespace {

// A game over a folder of nine saved games of the busy game: am.txt, the three autosaves and five slots.
struct ListedGames {
  explicit ListedGames(benchmark::State& state)
      : folder((std::filesystem::temp_directory_path() / "jetvale_saved_games_bench").string()),
        game(host, JETVALE_ASSET_DIR, Fill(folder)) {
    std::string error;
    if (!StartGame(game, sink, error)) state.SkipWithError(error.c_str());
    game.Game() = BusyGame();
  }
  static std::string Fill(const std::string& folder) {
    std::filesystem::create_directories(folder);
    const GameState busy = BusyGame();
    for (std::size_t place = 0; place < 9; ++place) SaveGameTo(SavedGamePath(folder, place), busy);
    return folder;
  }
  std::string folder;
  VirtualHost host;
  HeadlessSink sink;
  GameObject game;
};

void BM_OpenTheSavedGamesOverNineFilledGames(benchmark::State& state) {
  ListedGames listed(state);
  for (auto _ : state) {
    listed.game.Interface().command = kCommandSavedGames;  // the list is read when it opens
    listed.game.RunFrame();
  }
}
BENCHMARK(BM_OpenTheSavedGamesOverNineFilledGames)->Unit(benchmark::kMillisecond);

void BM_RunFrameWithTheSavedGamesOpen(benchmark::State& state) {
  ListedGames listed(state);
  listed.game.Interface().command = kCommandSavedGames;
  listed.game.RunFrame();
  for (auto _ : state) listed.game.RunFrame();
}
BENCHMARK(BM_RunFrameWithTheSavedGamesOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jetvale
