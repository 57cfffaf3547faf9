// What a game holds that its saved game does not carry, kept in the saved game's side file so that a saved and
// loaded game plays on exactly as the game would have: the seed its world was drawn from and the generator's
// place, the rivals' plans, every plane's current leg and totals, the legs' exact money and gate reservations,
// the figures left in sold planes' slots and in legs beyond a trip, and the airports' traffic, demand and counts
// of legs.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sim/game_state.h"

namespace jetvale {

// Appends the lines of `game`'s side state.
void AppendSideState(std::string& out, const GameState& game);

// Puts `lines`, as AppendSideState wrote them, into `game`, which holds the saved game they were written with.
// False at the first line that is wrong or does not fit that game; `game` is then half changed and must be
// thrown away.
bool ReadSideState(std::span<const std::string_view> lines, GameState& game);

}  // namespace jetvale
