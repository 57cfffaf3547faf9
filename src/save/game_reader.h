// Reading a saved game's text into a world as constructed, with every record, index, count and value checked.
#pragma once

#include <string>
#include <string_view>

#include "sim/game_clock.h"
#include "world/world.h"

namespace jetvale {

// Applies the file to `world`, which must be as constructed (no slot in use, no gate reserved), and to `clock`,
// whose fields the clock records replace. Every leg is scheduled again as it is read. False when the text is not
// a whole, sound saved game, with the first thing wrong in `problem`; `world` and `clock` are then half filled
// and must be thrown away.
bool ReadSavedGame(std::string_view text, World& world, GameClock& clock, std::string* problem = nullptr);

}  // namespace jetvale
