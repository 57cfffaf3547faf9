// Saving and loading a played game of 80 planes: the text alone, through the file with its fsync, and the
// autosave as the game thread pays for it at a month end.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "busy_game.h"
#include "cli/simulation_run.h"
#include "engine/game_object.h"
#include "save/game_reader.h"
#include "save/game_writer.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

constexpr int kDaysPlayed = 30;

std::unique_ptr<GameState> PlayedGame() {
  auto game = std::make_unique<GameState>(BusyGame());
  RunDays(*game, kDaysPlayed);
  return game;
}

void BM_SaveAndLoadTextOfEightyPlanes(benchmark::State& state) {
  const std::unique_ptr<GameState> game = PlayedGame();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = WriteSavedGame(game->world, game->clock);
    Random random(game->seed);
    auto world = std::make_unique<World>(random);
    GameClock clock;
    if (!ReadSavedGame(text, *world, clock)) state.SkipWithError("the saved game did not load");
    bytes = text.size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveAndLoadTextOfEightyPlanes)->Unit(benchmark::kMillisecond);

void BM_SaveAndLoadFileOfEightyPlanes(benchmark::State& state) {
  const std::unique_ptr<GameState> game = PlayedGame();
  const std::string path = SaveFilePath((std::filesystem::temp_directory_path() / "jetvale_save_bench").string());
  for (auto _ : state) {
    if (!SaveGameTo(path, *game) || !LoadGameFrom(path, *game)) state.SkipWithError("save or load failed");
  }
}
BENCHMARK(BM_SaveAndLoadFileOfEightyPlanes)->Unit(benchmark::kMillisecond);

// The whole stop of the game thread: the saved game's text, the new file, its fsync and the rename.
void BM_AutosaveOfEightyPlanes(benchmark::State& state) {
  VirtualHost host;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_autosave_bench").string());
  game.Game() = *PlayedGame();
  game.Game().clock.Start();
  for (auto _ : state) game.Autosave();
}
BENCHMARK(BM_AutosaveOfEightyPlanes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jetvale
