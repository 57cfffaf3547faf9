// The player's saved games side by side in the save folder: "am.txt", the last three autosaves and eight slots,
// each with its history beside it, and what each holds, read from the file itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace jetvale {

enum class SavedGameKind { Saved, Autosave, Slot };

struct SavedGamePlace {
  std::string_view file;  // in the save folder
  SavedGameKind kind;
};

// In the order the saved games are listed: the game of "Save Game", the autosaves from the newest, the slots.
constexpr std::array<SavedGamePlace, 12> kSavedGamePlaces = {{
    {"am.txt", SavedGameKind::Saved},      {"autosave.txt", SavedGameKind::Autosave},
    {"autosave-1.txt", SavedGameKind::Autosave}, {"autosave-2.txt", SavedGameKind::Autosave},
    {"slot-1.txt", SavedGameKind::Slot},   {"slot-2.txt", SavedGameKind::Slot},
    {"slot-3.txt", SavedGameKind::Slot},   {"slot-4.txt", SavedGameKind::Slot},
    {"slot-5.txt", SavedGameKind::Slot},   {"slot-6.txt", SavedGameKind::Slot},
    {"slot-7.txt", SavedGameKind::Slot},   {"slot-8.txt", SavedGameKind::Slot},
}};

// The path of place `index` of kSavedGamePlaces in `folder`.
std::string SavedGamePath(const std::string& folder, std::size_t index);

// What a saved game holds: nothing, a file the game's reader refuses, or a game with its date, the player's
// airline, balance and number of planes.
struct SavedGameSummary {
  enum class State { Empty, Damaged, Game };
  State state = State::Empty;
  std::string date;     // "Mar-1 Year 2"
  std::string airline;  // the player's airline, as the chart's legend names it
  std::int32_t balance = 0;
  int planes = 0;
};
SavedGameSummary ReadSavedGameSummary(const std::string& path);

// The summary as the list shows it: the date, the airline, the balance as money text and the planes; a file that
// is not there reads "empty" and one that cannot be read "damaged", with the other texts empty.
std::array<std::string, 4> SummaryTexts(const SavedGameSummary& summary);

// Makes room for a new autosave in `folder`: autosave-1 becomes autosave-2 and autosave becomes autosave-1, each
// with its history.
void RotateAutosaves(const std::string& folder);

// Removes the saved game at `path` and its history; false when a file is left.
bool DeleteSavedGame(const std::string& path);

}  // namespace jetvale
