// The saved game on disk: where "am.txt" lies, writing it without ever losing the last good save, reading it.
#pragma once

#include <string>
#include <string_view>

#include "sim/game_state.h"

namespace jetvale {

constexpr const char* kSaveFileName = "am.txt";

// A folder of the player's for Jetvale: `xdgFolder`/jetvale (the value of an XDG variable), else
// $HOME/`homeSubfolder`/jetvale; the current folder when neither is set. Null or empty values count as unset; the
// XDG value must be an absolute path to count.
std::string PlayerFolder(const char* xdgFolder, const char* home, const char* homeSubfolder);
// The player's data folder: $XDG_DATA_HOME/jetvale, else $HOME/.local/share/jetvale.
inline std::string PlayerDataFolder(const char* xdgDataHome, const char* home) {
  return PlayerFolder(xdgDataHome, home, ".local/share");
}
// The saved game's path inside `folder`.
std::string SaveFilePath(const std::string& folder);

// Writes `text` to `path`, whose folder must be there. The text goes to a new file beside it,
// `<name>.saving-XXXXXX`, is flushed to the disk and then renamed over `path`, so a failure at any step leaves
// the old file as it was. A symbolic link stays and its target (at the end of the chain) is written; the file
// keeps its mode, and a new one gets the mode a plain create gives. Temporaries a killed write left go first.
bool WriteFileSafely(const std::string& path, std::string_view text);
// Removes the temporaries that killed writes left in `folder` (`*.saving-XXXXXX`), for a save folder at start:
// the next save of a file removes its own, but a file may not be saved again soon. A pending side file stays, as
// it may hold the only history of the saved game.
void RemoveStaleSaveTemporaries(const std::string& folder);
// No file the game reads comes near this (a played 80-plane game saves about 130 KB); anything longer, or that
// is no regular file (a FIFO, a device), is refused before it is read, so it neither hangs nor fills memory.
constexpr std::size_t kMaxReadFileBytes = 16 * 1024 * 1024;

// The whole regular file, byte for byte; false when it cannot be read or is longer than `limit`.
bool ReadWholeFile(const std::string& path, std::string& text, std::size_t limit = kMaxReadFileBytes);

// Writes the game to `path` as WriteFileSafely writes, and its history to the side file beside it (see
// save/history_file.h); the result tells of the saved game alone. The two are written as one step as far as a
// crash can tell: the history waits as `<side file>.next` while the game is renamed into place.
bool SaveGameTo(const std::string& path, const GameState& game);

// The side file of the saved game `savedGame` at `path`, or the pending one a killed save left, whichever was
// written with that very text; empty when neither was.
std::string SideFileText(const std::string& path, std::string_view savedGame);

// A saved game's files as they lay on disk: the game and the side file written with it (empty when none was).
struct SavedGameFiles {
  std::string game;
  std::string history;
};
// Reads the saved game at `path` and its side file (or the pending one a killed save left), each once; false
// when the game cannot be read, and `problem` (when given) says so.
bool ReadSavedGameFiles(const std::string& path, SavedGameFiles& files, std::string* problem = nullptr);

// Replaces the game by the one in `files`. The game is read into a world as constructed from the game's seed and a
// clock as constructed (stopped), so nothing of the game before comes through, and is put in place only when all
// of it is sound: on false `game` is exactly as it was, and `problem` (when given) tells what was wrong. The
// history and the side state come from the side file; `wholeGame` (when given) tells whether the side state came
// back, so the game is the one saved. Else the history is empty and the game is what the saved game alone carries.
bool LoadGameFiles(const SavedGameFiles& files, GameState& game, std::string* problem = nullptr,
                   bool* wholeGame = nullptr);
// ReadSavedGameFiles, then LoadGameFiles.
bool LoadGameFrom(const std::string& path, GameState& game, std::string* problem = nullptr,
                  bool* wholeGame = nullptr);

}  // namespace jetvale
