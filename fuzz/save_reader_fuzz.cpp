// Feeds any bytes to the saved-game reader. It must never crash or touch memory outside a record, and what it
// accepts must be a game: it plays a few hundred ticks, and a save made at any of them (a few, spread over the
// day by the input's length) is a text that the reader accepts again and that saves to itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "save/game_reader.h"
#include "save/game_writer.h"
#include "sim/game_state.h"
#include "sim/simulate_tick.h"

namespace {

constexpr int kTicksPlayed = 300;  // past a midnight from any time of day
constexpr int kTicksBetweenSaves = 37;

void SavesAndLoadsAgain(const jetvale::GameState& game) {
  const std::string saved = jetvale::WriteSavedGame(game.world, game.clock);
  jetvale::GameState again(1);
  if (!jetvale::ReadSavedGame(saved, again.world, again.clock)) __builtin_trap();
  if (jetvale::WriteSavedGame(again.world, again.clock) != saved) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  jetvale::GameState game(1);
  if (!jetvale::ReadSavedGame(text, game.world, game.clock)) return 0;

  game.clock.Start();
  for (int tick = 1; tick <= kTicksPlayed; ++tick) {
    jetvale::SimulateTick(game);
    if ((tick + size) % kTicksBetweenSaves == 0) SavesAndLoadsAgain(game);
  }
  SavesAndLoadsAgain(game);
  return 0;
}
