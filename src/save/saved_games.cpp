// Reading a saved game's summary with the game's own checked reader, rotating the autosaves, deleting a slot.
#include "save/saved_games.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "save/game_reader.h"
#include "save/history_file.h"
#include "save/save_file.h"
#include "sim/game_clock.h"
#include "text/number_text.h"
#include "world/identities.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

// Moves a saved game and its history over another's; a missing one moves nothing.
void MoveSavedGame(const std::string& from, const std::string& to) {
  std::error_code ignored;
  if (!fs::exists(from, ignored)) return;
  fs::rename(from, to, ignored);
  fs::rename(HistoryFilePath(from), HistoryFilePath(to), ignored);
}

}  // namespace

std::string SavedGamePath(const std::string& folder, std::size_t index) {
  return (fs::path(folder) / kSavedGamePlaces.at(index).file).string();
}

SavedGameSummary ReadSavedGameSummary(const std::string& path) {
  SavedGameSummary summary;
  std::error_code error;
  if (!fs::exists(path, error)) return summary;
  summary.state = SavedGameSummary::State::Damaged;
  std::string text;
  Random random(1);
  World world(random);
  GameClock clock;
  if (!ReadWholeFile(path, text) || !ReadSavedGame(text, world, clock)) return summary;
  summary.state = SavedGameSummary::State::Game;
  summary.date = std::string(MonthName(clock.month)) + "-" + std::to_string(clock.day) + " Year " +
                 std::to_string(clock.year);
  const int identity = IdentityIndex(world.Player().identity);
  summary.airline = identity < 0 ? "" : std::string(kAirlineIdentities[static_cast<std::size_t>(identity)].shortName);
  summary.balance = world.Player().balance;
  summary.planes = world.Player().planeCount;
  return summary;
}

std::array<std::string, 4> SummaryTexts(const SavedGameSummary& summary) {
  switch (summary.state) {
    case SavedGameSummary::State::Empty: return {"empty", "", "", ""};
    case SavedGameSummary::State::Damaged: return {"damaged", "", "", ""};
    case SavedGameSummary::State::Game: break;
  }
  return {summary.date, summary.airline, FormatMoney(summary.balance), IntegerText(summary.planes)};
}

void RotateAutosaves(const std::string& folder) {
  std::vector<std::size_t> autosaves;  // the newest first
  for (std::size_t i = 0; i < kSavedGamePlaces.size(); ++i) {
    if (kSavedGamePlaces[i].kind == SavedGameKind::Autosave) autosaves.push_back(i);
  }
  for (std::size_t older = autosaves.size() - 1; older > 0; --older) {
    MoveSavedGame(SavedGamePath(folder, autosaves[older - 1]), SavedGamePath(folder, autosaves[older]));
  }
}

bool DeleteSavedGame(const std::string& path) {
  std::error_code error;
  fs::remove(path, error);
  fs::remove(HistoryFilePath(path), error);
  fs::remove(HistoryFilePath(path) + ".next", error);
  return !fs::exists(path, error) && !fs::exists(HistoryFilePath(path), error);
}

}  // namespace jetvale
