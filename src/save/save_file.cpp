// File access of the saved game. Writing uses the POSIX calls that make a replacement safe: a temporary file in
// the same folder, fsync, rename; a saved game and its side file are renamed in an order a crash cannot split.
#include "save/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "finance/month_close.h"
#include "save/game_reader.h"
#include "save/game_writer.h"
#include "save/history_file.h"
#include "sim/schedule.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

// Our temporaries are named `<file>.saving-` and six characters of these, which no file of the player's is.
constexpr std::string_view kTemporaryMark = ".saving-";
constexpr std::string_view kTemporaryLetters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kTemporaryLetterCount = 6;
// As the kernel's own limit on the links a path may go through (SYMLOOP_MAX on Linux).
constexpr int kMostLinks = 40;
constexpr int kMostNameTries = 100;

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

// The folder's entries of the renamed files reach the disk too; a failure here cannot undo a rename, and the
// files are whole either way.
void SyncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// The file a write to `path` replaces: `path`, or the end of its chain of symbolic links, which need not exist
// yet (a dangling link's target is written). Nothing when the chain loops or a link cannot be read.
std::optional<fs::path> WrittenFile(const fs::path& path) {
  fs::path file = path;
  for (int links = 0; links <= kMostLinks; ++links) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return file;
    std::error_code error;
    const fs::path target = fs::read_symlink(file, error);
    if (error) return std::nullopt;
    file = file.parent_path() / target;  // an absolute target replaces the whole path
  }
  return std::nullopt;
}

// A history that waits beside its side file while the saved game goes into place.
fs::path PendingFile(const fs::path& sideFile) { return fs::path(sideFile.string() + ".next"); }

// A name for a temporary of `file`; the counter makes every try of this process another, the process id sets
// it apart from other processes.
fs::path TemporaryName(const fs::path& file) {
  static std::atomic<std::uint64_t> named{0};
  std::uint64_t number = static_cast<std::uint64_t>(::getpid()) * 7919 + named++;
  std::string name = file.string().append(kTemporaryMark);
  for (std::size_t i = 0; i < kTemporaryLetterCount; ++i) {
    name += kTemporaryLetters[number % kTemporaryLetters.size()];
    number /= kTemporaryLetters.size();
  }
  return name;
}

bool IsTemporaryName(std::string_view name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || mark == 0) return false;
  const std::string_view letters = name.substr(mark + kTemporaryMark.size());
  return letters.size() == kTemporaryLetterCount &&
         letters.find_first_not_of(kTemporaryLetters) == std::string_view::npos;
}

// Removes the regular files (not links) in `folder` whose names pass `stale`; a folder that cannot be read keeps
// them.
template <typename Stale>
void RemoveFilesIn(const fs::path& folder, Stale stale) {
  std::error_code error;
  for (fs::directory_iterator entry(folder.empty() ? "." : folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code unknown;
    if (fs::is_regular_file(entry->symlink_status(unknown)) && stale(entry->path().filename().string())) {
      ::unlink(entry->path().c_str());
    }
  }
}

// The temporaries a killed write of `file` left behind.
void RemoveStaleTemporariesOf(const fs::path& file) {
  const std::string prefix = file.filename().string().append(kTemporaryMark);
  RemoveFilesIn(file.parent_path(), [&](const std::string& name) {
    return name.size() == prefix.size() + kTemporaryLetterCount && name.rfind(prefix, 0) == 0 &&
           IsTemporaryName(name);
  });
}

// `text` in a new file beside `file`, on the disk, with the mode `file` has (a new file gets the mode a plain
// create gives it, 0666 less the umask). Nothing, and no file left, when any step fails.
std::optional<fs::path> WriteTemporary(const fs::path& file, std::string_view text) {
  struct stat existing {};
  const bool replaces = ::stat(file.c_str(), &existing) == 0;
  for (int tries = 0; tries < kMostNameTries; ++tries) {
    const fs::path temporary = TemporaryName(file);
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno == EEXIST) continue;
    if (descriptor < 0) return std::nullopt;
    const bool written = (!replaces || ::fchmod(descriptor, existing.st_mode & 07777) == 0) &&
                         WriteAll(descriptor, text) && ::fsync(descriptor) == 0;
    if (::close(descriptor) == 0 && written) return temporary;
    ::unlink(temporary.c_str());
    return std::nullopt;
  }
  return std::nullopt;
}

bool MoveOver(const fs::path& from, const fs::path& to) { return ::rename(from.c_str(), to.c_str()) == 0; }

}  // namespace

std::string PlayerFolder(const char* xdgFolder, const char* home, const char* homeSubfolder) {
  if (xdgFolder != nullptr && xdgFolder[0] == '/') return (std::filesystem::path(xdgFolder) / "jetvale").string();
  if (home != nullptr && home[0] != '\0') return (std::filesystem::path(home) / homeSubfolder / "jetvale").string();
  return ".";
}

std::string SaveFilePath(const std::string& folder) { return (std::filesystem::path(folder) / kSaveFileName).string(); }

bool WriteFileSafely(const std::string& path, std::string_view text) {
  const std::optional<fs::path> file = WrittenFile(path);
  if (!file) return false;
  RemoveStaleTemporariesOf(*file);
  const std::optional<fs::path> temporary = WriteTemporary(*file, text);
  if (!temporary) return false;
  if (!MoveOver(*temporary, *file)) {
    ::unlink(temporary->c_str());
    return false;
  }
  SyncFolder(file->parent_path());
  return true;
}

void RemoveStaleSaveTemporaries(const std::string& folder) {
  RemoveFilesIn(folder, [](const std::string& name) { return IsTemporaryName(name); });
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

// Both files are whole on the disk before anything is renamed; the history then waits as the pending side file
// while the game goes into place, and only then becomes the side file. Killed at any instant, the folder holds a
// loadable game and beside it its own history (side file or pending) or none that a load takes for it.
bool SaveGameTo(const std::string& path, const GameState& game) {
  const std::optional<fs::path> gameFile = WrittenFile(path);
  if (!gameFile) return false;
  const std::optional<fs::path> sideFile = WrittenFile(HistoryFilePath(path));
  RemoveStaleTemporariesOf(*gameFile);
  if (sideFile) RemoveStaleTemporariesOf(*sideFile);

  const std::string text = WriteSavedGame(game.world, game.clock);
  // The game matters most: a side file that cannot be written leaves it saved alone, its history then empty.
  const std::optional<fs::path> sideTemporary =
      sideFile ? WriteTemporary(*sideFile, WriteHistoryText(game, text)) : std::nullopt;
  const std::optional<fs::path> gameTemporary = WriteTemporary(*gameFile, text);
  if (!gameTemporary) {
    if (sideTemporary) ::unlink(sideTemporary->c_str());
    return false;
  }
  const bool pending = sideTemporary && MoveOver(*sideTemporary, PendingFile(*sideFile));
  if (sideTemporary && !pending) ::unlink(sideTemporary->c_str());
  if (!MoveOver(*gameTemporary, *gameFile)) {
    ::unlink(gameTemporary->c_str());
    if (pending) ::unlink(PendingFile(*sideFile).c_str());  // the history of a game that never came
    return false;
  }
  if (pending) {
    MoveOver(PendingFile(*sideFile), *sideFile);  // should it fail, the load finds the history still pending
  } else if (sideFile) {
    ::unlink(PendingFile(*sideFile).c_str());  // an earlier save's, written with another game
  }
  SyncFolder(gameFile->parent_path());
  if (sideFile && sideFile->parent_path() != gameFile->parent_path()) SyncFolder(sideFile->parent_path());
  return true;
}

std::string SideFileText(const std::string& path, std::string_view savedGame) {
  const std::optional<fs::path> sideFile = WrittenFile(HistoryFilePath(path));
  if (!sideFile) return {};
  for (const fs::path& candidate : {*sideFile, PendingFile(*sideFile)}) {
    std::string history;
    if (ReadWholeFile(candidate, history, kMaxHistoryFileBytes) && HistoryWrittenWith(history, savedGame)) {
      return history;
    }
  }
  return {};
}

bool ReadSavedGameFiles(const std::string& path, SavedGameFiles& files, std::string* problem) {
  if (!ReadWholeFile(path, files.game)) {
    if (problem != nullptr) *problem = "the file cannot be read";
    return false;
  }
  files.history = SideFileText(path, files.game);
  return true;
}

bool LoadGameFiles(const SavedGameFiles& files, GameState& game, std::string* problem, bool* wholeGame) {
  // A world as constructed from the game's seed and a clock as constructed (stopped); the generator goes on
  // from where it stands unless the side file says where it stood when the game was saved.
  auto loaded = std::make_unique<GameState>(game.seed);
  loaded->random = game.random;
  loaded->rivalsPlay = game.rivalsPlay;
  if (!ReadSavedGame(files.game, loaded->world, loaded->clock, problem)) return false;
  bool whole = false;
  // Without its side file the game loads all the same, its history empty and the month counted from here.
  if (files.history.empty() || !ReadHistoryText(files.history, files.game, *loaded, &whole)) {
    StartMonthCounts(loaded->world);
  }
  if (!whole) RestoreCurrentLegs(loaded->world);
  game = std::move(*loaded);
  if (wholeGame != nullptr) *wholeGame = whole;
  return true;
}

bool LoadGameFrom(const std::string& path, GameState& game, std::string* problem, bool* wholeGame) {
  SavedGameFiles files;
  return ReadSavedGameFiles(path, files, problem) && LoadGameFiles(files, game, problem, wholeGame);
}

}  // namespace jetvale
