// Feeds any bytes to the saved-game reader. It must never crash or touch memory outside a record, and what it
// accepts must save to a text that it accepts again and that saves to itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "save/game_reader.h"
#include "save/game_writer.h"

namespace {

const jetvale::World& Pristine() {
  static const jetvale::World world = [] {
    jetvale::Random random(1);
    return jetvale::World(random);
  }();
  return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  jetvale::World world = Pristine();
  jetvale::GameClock clock;
  if (!jetvale::ReadSavedGame(text, world, clock)) return 0;

  const std::string saved = jetvale::WriteSavedGame(world, clock);
  jetvale::World again = Pristine();
  jetvale::GameClock againClock;
  if (!jetvale::ReadSavedGame(saved, again, againClock)) __builtin_trap();
  if (jetvale::WriteSavedGame(again, againClock) != saved) __builtin_trap();
  return 0;
}
