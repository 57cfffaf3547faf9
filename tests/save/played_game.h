// A game played for a while: rivals flying, the player with planes on two- and three-leg trips, a sold middle
// plane, loans with a free slot between them, and figures with fractions.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "cli/scripted_fleet.h"
#include "cli/simulation_run.h"
#include "finance/loans.h"
#include "save/save_file.h"
#include "world/identities.h"
#include "sim/fleet_operations.h"

namespace jetvale {

inline void AddPlanes(GameState& game, const std::string& text) {
  ScriptedPlanes planes;
  std::string error;
  ASSERT_TRUE(ParseScriptedPlanes(text, planes, error)) << error;
  ASSERT_TRUE(AddScriptedPlanes(game, 0, planes, kPlaneSlots, error)) << error;
}

// A file's whole text; a game as the saved-game writer puts it, for comparing whole games.
inline std::string FileText(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(path, text)) << path;
  return text;
}
inline std::string SavedText(const GameState& game, const std::string& path) {
  EXPECT_TRUE(SaveGameTo(path, game)) << path;
  return FileText(path);
}

inline void PlayAWhile(GameState& game) {
  AssignIdentities(game.world, kOceanAirways);
  game.clock.Start();
  AddPlanes(game, "3*A320:ATL@0800-ORD@1200");
  AddPlanes(game, "B 757-200:JFK@0600-LAX@1400-ORD@2000");
  Airline& player = game.world.Player();
  TakeLoan(player, 0, 0.0501, 36, 25000000);
  TakeLoan(player, 2, 0.0501, 120, 975000000);
  RunDays(game, 45);
  SellFleetPlane(game.world, 0, 1);
  PayOffLoan(player, 0);
  RunDays(game, 3);
}

}  // namespace jetvale
