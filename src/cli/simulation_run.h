// A headless game from the command line: options, the run, and the summary it prints.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/scripted_fleet.h"

namespace jetvale {

struct SimOptions {
  std::uint32_t seed = 1;
  int days = 30;
  std::vector<ScriptedPlanes> fleet;  // the player's planes
  bool rivals = true;  // airlines 1..3 play their strategies
  std::string loadFile;  // a saved game to start from instead of a new game
  std::string saveFile;  // where to save the game when the run ends
  std::string historyFile;  // where to write the months of the history as CSV when the run ends
  std::string chartFile;    // where to write the history chart's picture when the run ends
  bool forecast = false;    // the history and the chart go on with the next 12 months
  std::string replayFile;               // a recorded replay to play instead of a new game
  std::vector<std::int64_t> shotFrames;  // replay: frames whose picture is kept besides the recorded shots
  std::string shotFolder = ".";         // replay: where the pictures go
  bool help = false;
  bool version = false;
};

extern const char* const kSimUsage;

// jetvale-sim's exit status beside 0: what it refuses to do (a bad option, file or environment), which it refuses
// before it changes anything, and what failed on the way (the display, a picture, a save).
constexpr int kExitFailed = 1;
constexpr int kExitRefused = 2;

// False with `error` set on an unknown option, a bad value, an option given twice that goes once (all but
// --plane and --shot), or outputs that cannot be written or name one file (see cli/output_files.h).
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// Starts a new game as "Western Airlines", or the saved game of --load, gives the player the scripted fleet.
// False with `error` set when the saved game cannot be loaded (saying why) or the fleet cannot be flown.
bool StartSimulation(const SimOptions& options, GameState& game, std::string& error);
void RunDays(GameState& game, int days);
// Saves the game to --save's file, the history to --history's and the chart to --chart's, those that were given;
// false with `error` set when one fails.
bool FinishSimulation(const SimOptions& options, GameState& game, std::string& error);

// Date, and for every airline its balance, fleet, trips, passengers, current-year ledger and loans.
// Same game, same text; an amount too wide for its column widens its cell.
std::string Summary(const GameState& game, const SimOptions& options);
// The same without the headline.
std::string GameSummary(const GameState& game);

}  // namespace jetvale
