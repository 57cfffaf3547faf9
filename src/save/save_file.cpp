// File access of the saved game. Writing uses the POSIX calls that make a replacement safe: a temporary file in
// the same folder, fsync, rename.
#include "save/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "finance/month_close.h"
#include "save/game_reader.h"
#include "save/game_writer.h"
#include "save/history_file.h"
#include "sim/schedule.h"

namespace jetvale {
namespace {

// Writes all of `text`, going on after short writes and interruptions.
bool WriteAll(int descriptor, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The folder's entry of the renamed file reaches the disk too; a failure here cannot undo the rename, and the
// file is whole either way.
void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view text) {
  std::string temporary = path.string();
  temporary.append(".XXXXXX");
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return false;
  const bool written = WriteAll(descriptor, text) && ::fsync(descriptor) == 0;
  const bool closed = ::close(descriptor) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(path.parent_path());
  return true;
}

}  // namespace

std::string PlayerFolder(const char* xdgFolder, const char* home, const char* homeSubfolder) {
  if (xdgFolder != nullptr && xdgFolder[0] == '/') return (std::filesystem::path(xdgFolder) / "jetvale").string();
  if (home != nullptr && home[0] != '\0') return (std::filesystem::path(home) / homeSubfolder / "jetvale").string();
  return ".";
}

std::string SaveFilePath(const std::string& folder) { return (std::filesystem::path(folder) / kSaveFileName).string(); }

bool WriteFileSafely(const std::string& path, std::string_view text) {
  const std::filesystem::path file(path);
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  return ReplaceFile(file, text);
}

// Opened without blocking (a FIFO with no writer would wait for ever), checked to be a regular file, then read up
// to one byte past the limit, so a file that grew since the check is refused too.
bool ReadWholeFile(const std::string& path, std::string& text, std::size_t limit) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  struct stat status {};
  bool ok = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
            static_cast<std::uintmax_t>(status.st_size) <= limit;
  std::string read;
  if (ok) read.resize(static_cast<std::size_t>(status.st_size) + 1);
  std::size_t filled = 0;
  while (ok) {
    if (filled == read.size()) read.resize(std::min(limit + 1, read.size() * 2));
    const ssize_t got = ::read(descriptor, read.data() + filled, read.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    filled += static_cast<std::size_t>(got);
    if (filled > limit) ok = false;
  }
  ::close(descriptor);
  if (!ok) return false;
  read.resize(filled);
  text = std::move(read);
  return true;
}

// The history follows the saved game: a side file that cannot be written leaves the game saved, and its load
// then finds no history of this game (an older side file names another game).
bool SaveGameTo(const std::string& path, const GameState& game) {
  const std::string text = WriteSavedGame(game.world, game.clock);
  if (!WriteFileSafely(path, text)) return false;
  WriteFileSafely(HistoryFilePath(path), WriteHistoryText(game, text));
  return true;
}

bool LoadGameFrom(const std::string& path, GameState& game, std::string* problem, bool* wholeGame) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    if (problem != nullptr) *problem = "the file cannot be read";
    return false;
  }

  // A world as constructed from the game's seed and a clock as constructed (stopped); the generator goes on
  // from where it stands unless the side file says where it stood when the game was saved.
  auto loaded = std::make_unique<GameState>(game.seed);
  loaded->random = game.random;
  loaded->rivalsPlay = game.rivalsPlay;
  if (!ReadSavedGame(text, loaded->world, loaded->clock, problem)) return false;
  bool whole = false;
  // Without its side file the game loads all the same, its history empty and the month counted from here.
  if (std::string history; !ReadWholeFile(HistoryFilePath(path), history, kMaxHistoryFileBytes) ||
                           !ReadHistoryText(history, text, *loaded, &whole)) {
    StartMonthCounts(loaded->world);
  }
  if (!whole) RestoreCurrentLegs(loaded->world);
  game = std::move(*loaded);
  if (wholeGame != nullptr) *wholeGame = whole;
  return true;
}

}  // namespace jetvale
