// The saved game on disk: the player's folder, a save that fails without harm, a load that replaces the world;
// and the history's side file, read back whole with the load and never in its way.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <thread>
#include <vector>

#include "finance/month_close.h"
#include "save/game_writer.h"
#include "save/history_file.h"
#include "save/played_game.h"
#include "save/save_file.h"
#include "save/save_folder_lock.h"
#include "sim/flight_state.h"
#include "sim/simulate_tick.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

// An empty folder of the test's own, made anew.
fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("jetvale_save_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::vector<std::string> FileNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SaveFolder, TheGameKeepsItsSaveInThePlayersDataFolder) {
  EXPECT_EQ(PlayerDataFolder("/data", "/home/pat"), "/data/jetvale");
  EXPECT_EQ(PlayerDataFolder("", "/home/pat"), "/home/pat/.local/share/jetvale");
  EXPECT_EQ(PlayerDataFolder("relative/path", "/home/pat"), "/home/pat/.local/share/jetvale");
  EXPECT_EQ(PlayerDataFolder(nullptr, nullptr), ".");
  EXPECT_EQ(SaveFilePath("/data/jetvale"), "/data/jetvale/am.txt");
}

TEST(SaveFolder, OneProgramAtATimeHoldsTheFolderAndItsLockEndsWithIt) {
  const fs::path folder = FreshFolder("lock") / "new";
  std::string error;
  {
    SaveFolderLock first;
    ASSERT_TRUE(first.Acquire(folder, error)) << error;  // the folder is made
    SaveFolderLock second;
    EXPECT_FALSE(second.Acquire(folder, error));
    EXPECT_EQ(error, "another Jetvale is running with the save folder " + folder.string());
  }
  // A lock never acquired closes no descriptor, not even 0 (here /dev/null when the test runs without input).
  const bool opened = ::fcntl(0, F_GETFD) == -1 && ::open("/dev/null", O_RDONLY) == 0;
  { SaveFolderLock neverAcquired; }
  EXPECT_NE(::fcntl(0, F_GETFD), -1);
  if (opened) ::close(0);
  SaveFolderLock after;
  EXPECT_TRUE(after.Acquire(folder, error)) << error;
  EXPECT_EQ(error, "");
  // A file system without locks lets the game start, saying what it cannot promise.
  SaveFolderLock unlockable([](int, int) {
    errno = ENOLCK;
    return -1;
  });
  EXPECT_TRUE(unlockable.Acquire(folder, error));
  EXPECT_EQ(error, "the save folder " + folder.string() + " cannot be locked (" + std::strerror(ENOLCK) +
                       "): a second Jetvale on it would not be noticed");
  const fs::path notAFolder = FreshFolder("lock_file") / "file";
  std::ofstream(notAFolder) << "x";  // a file where the folder should be
  EXPECT_FALSE(SaveFolderLock().Acquire(notAFolder, error));
  EXPECT_EQ(error.rfind("cannot use the save folder", 0), 0u) << error;
}

TEST(SaveFile, ASaveThatCannotBeWrittenKeepsTheOldSave) {
  const fs::path folder = FreshFolder("full");
  GameState game(3);
  ASSERT_TRUE(SaveGameTo(SaveFilePath(folder), game));
  const std::string old = FileText(folder / "am.txt");
  PlayAWhile(game);

  // A disk that takes only 4 KiB more: the write fails half way, as on a full disk (even for root).
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{4096, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = SaveGameTo(SaveFilePath(folder), game);
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_FALSE(saved);
  EXPECT_EQ(FileText(folder / "am.txt"), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);  // with its history

  // A folder is never made: neither a missing one nor where a file stands.
  EXPECT_FALSE(SaveGameTo(SaveFilePath(folder / "missing"), game));
  EXPECT_FALSE(fs::exists(folder / "missing"));
  std::ofstream(folder / "taken") << "x";
  EXPECT_FALSE(SaveGameTo(SaveFilePath(folder / "taken"), game));
}

// A chain of links, the first absolute, the second relative to its own folder; and a dangling link.
TEST(SaveFile, ASaveThroughLinksWritesTheirTargetWithItsModeOrThatOfAPlainCreate) {
  const fs::path folder = FreshFolder("link");
  std::ofstream(folder / "game.txt") << "old";
  fs::permissions(folder / "game.txt", fs::perms(0640));
  fs::create_symlink("game.txt", folder / "middle");
  fs::create_symlink(folder / "middle", folder / "am.txt");
  fs::create_symlink("made.txt", folder / "dangling");
  const GameState game(3);
  const mode_t mask = ::umask(022);
  const bool written = SaveGameTo(SaveFilePath(folder), game) && WriteFileSafely(folder / "dangling", "new");
  ::umask(mask);
  ASSERT_TRUE(written);
  EXPECT_TRUE(fs::is_symlink(folder / "am.txt") && fs::is_symlink(folder / "dangling"));
  EXPECT_EQ(FileText(folder / "game.txt"), WriteSavedGame(game.world, game.clock));
  EXPECT_EQ(fs::status(folder / "game.txt").permissions(), fs::perms(0640));
  EXPECT_EQ(FileText(folder / "made.txt"), "new");
  EXPECT_EQ(fs::status(folder / "made.txt").permissions(), fs::perms(0644));
}

// A child saves two games by turns (one month of history and two) until it is killed at a random instant within
// the next few saves. The game left loads, with its own history, or with none only when that history was pending
// from the kill before and this save's pending one replaced it. The last save tidies up.
TEST(SaveFile, AKilledSaveLeavesALoadableGameWithItsOwnHistoryOrNone) {
  const fs::path folder = FreshFolder("killed");
  const std::string path = SaveFilePath(folder);
  GameState first(3);
  PlayAWhile(first);
  GameState second(3);
  PlayAWhile(second);
  RunDays(second, 40);
  const GameState* const games[] = {&first, &second};
  const std::string texts[] = {WriteSavedGame(first.world, first.clock), WriteSavedGame(second.world, second.clock)};

  const auto start = std::chrono::steady_clock::now();
  for (const GameState* game : games) ASSERT_TRUE(SaveGameTo(path, *game));
  const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int64_t> delay(0, 2 * saveTime.count());
  int kept = 0, pending = 0, lost = 0, interrupted = 0;
  bool settled = true;  // the kill before left the game's history in the side file
  // Forty kills, more while fewer than five have caught the files between their writes and renames: a slow build
  // spends most of a save making its texts.
  int kill = 0;
  for (; kill < 40 || (interrupted < 5 && kill < 400); ++kill) {
    // The child tells when its saves have begun, so the kill falls among them however slowly a build starts a
    // process (the sanitizers' do).
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(started[0]);
      for (int turn = 0;; ++turn) {  // until killed
        if (turn == 1 && ::write(started[1], "s", 1) != 1) ::_exit(1);
        SaveGameTo(path, *games[turn % 2]);
      }
    }
    ::close(started[1]);
    char begun = 0;
    ASSERT_EQ(::read(started[0], &begun, 1), 1);
    ::close(started[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    interrupted += FileNames(folder).size() > 2;  // a temporary or a pending side file
    const std::string text = FileText(path);
    const int which = text == texts[0] ? 0 : 1;
    ASSERT_EQ(text, texts[which]);
    GameState loaded(3);
    ASSERT_TRUE(LoadGameFrom(path, loaded));
    const std::string own = WriteHistoryText(*games[which], text);
    const bool none = loaded.world.history.months.empty();
    std::string sideText;
    const bool inSide = !none && ReadWholeFile(HistoryFilePath(path), sideText) && sideText == own;
    EXPECT_TRUE(none || WriteHistoryText(loaded, text) == own);
    EXPECT_EQ(SideFileText(path, text), none ? "" : own) << "a replay records the side file the load took";
    EXPECT_TRUE(!none || !settled) << "kill " << kill << " lost the history of a finished save";
    ++(none ? lost : inSide ? kept : pending);
    settled = inSide;
  }
  std::cout << kill << " kills: history kept in the side file " << kept << ", pending " << pending << ", none " << lost
            << "; " << interrupted << " left a temporary or a pending side file\n";
  EXPECT_GT(interrupted, 0) << "no kill landed inside a save";
  ASSERT_TRUE(SaveGameTo(path, first));
  EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"am.history", "am.txt"}));
}

TEST(SaveFile, AtStartTheSaveFolderLosesOnlyTheTemporariesOfKilledWrites) {
  const fs::path folder = FreshFolder("stale");
  for (const char* name :
       {"am.txt.saving-0a1b2c", "replay.txt.saving-zz9999", "am.txt.saving-ABCDEF", "am.history.next"}) {
    std::ofstream(folder / name) << "x";
  }
  RemoveStaleSaveTemporaries(folder);
  EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"am.history.next", "am.txt.saving-ABCDEF"}));
}

// 16 MiB is the most the game reads of any file; a FIFO or a device is refused before it is read, not waited on.
TEST(SaveFile, AFileIsReadWholeUpToSixteenMebibytesAndOnlyWhenItIsARegularFile) {
  const fs::path folder = FreshFolder("limit");
  const fs::path big = folder / "big.txt";
  std::ofstream(big, std::ios::binary) << std::string(std::size_t{16} << 20, 'x');
  std::string text;
  ASSERT_TRUE(ReadWholeFile(big.string(), text));
  EXPECT_EQ(text.size(), std::size_t{16} << 20);
  std::ofstream(big, std::ios::binary | std::ios::app) << 'x';
  EXPECT_FALSE(ReadWholeFile(big.string(), text));
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(ReadWholeFile((folder / "fifo").string(), text));
  EXPECT_FALSE(ReadWholeFile(folder.string(), text));
}

// The same game played on, and played on through a save and a load at a tick of a day drawn by the seed, into a
// game of another run's seed: 60 days on, with the rivals buying and routing and the player buying into the slot
// of a sold plane and lengthening a shortened trip again, both save the same two files.
TEST(SaveFile, AGameSavedAndLoadedAtAnyTickPlaysOnAsTheSameGame) {
  const RouteStop stops[] = {{1, 32}, {11, 48}, {10, 72}};  // Atlanta, Chicago, Charlotte
  const LegFares fares[] = {{900, 500, 200}, {800, 400, 150}, {700, 300, 100}};
  const auto route = [&](GameState& game, std::size_t legs) {
    ASSERT_TRUE(RoutePlane(game.world, 0, 3, std::span(stops, legs), std::span(fares, legs)));
  };
  const auto playerMoves = [&](GameState& game) {
    route(game, 3);
    AddPlanes(game, "A320:ATL@0900-ORD@1300");  // into the slot of the plane sold
  };
  for (const std::uint32_t seed : {3u, 8u, 21u}) {
    GameState straight(seed);
    PlayAWhile(straight);
    route(straight, 2);
    Random draw(seed);
    const int ticks = draw.Below(30) * kTicksPerDay + draw.Below(kTicksPerDay);
    for (int tick = 0; tick < ticks; ++tick) SimulateTick(straight);
    const fs::path folder = FreshFolder("same_game_" + std::to_string(seed));
    const std::string path = SaveFilePath(folder.string());
    ASSERT_TRUE(SaveGameTo(path, straight));
    GameState loaded(seed + 1);
    bool wholeGame = false;
    ASSERT_TRUE(LoadGameFrom(path, loaded, nullptr, &wholeGame));
    EXPECT_TRUE(wholeGame);
    loaded.clock.Start();
    playerMoves(straight);
    playerMoves(loaded);
    ASSERT_EQ(loaded.world.Player().planes[1].tag, straight.world.Player().planes[1].tag);
    RunDays(straight, 60);
    RunDays(loaded, 60);
    const std::string other = (folder / "loaded.txt").string();
    EXPECT_EQ(SavedText(loaded, other), SavedText(straight, path)) << "seed " << seed << ", tick " << ticks;
    EXPECT_EQ(FileText(HistoryFilePath(other)), FileText(HistoryFilePath(path))) << "seed " << seed;
  }
}

// Without its side file the saved game alone tells where the planes are. The A320s (slots 0 and 2) are on their
// second leg, back from Chicago, when the game is saved; loaded, they fly on as before. (The B 757 waits between
// two legs then, which the file cannot tell from a plane waiting to start its trip: it starts again at its first
// leg.)
TEST(SaveFile, APlaneSavedOnItsSecondLegFliesOnAfterALoadWithoutTheSideFile) {
  const fs::path folder = FreshFolder("second_leg");
  GameState saved(3);
  PlayAWhile(saved);
  saved.rivalsPlay = false;
  for (int tick = 0; tick < 12 * 12; ++tick) SimulateTick(saved);  // 13:00
  ASSERT_EQ(saved.world.Player().planes[0].legs[1].state, kInTheAir);
  ASSERT_TRUE(SaveGameTo(SaveFilePath(folder), saved));
  fs::remove(HistoryFilePath(SaveFilePath(folder)));
  GameState loaded(3);
  loaded.rivalsPlay = false;
  ASSERT_TRUE(LoadGameFrom(SaveFilePath(folder), loaded));
  loaded.clock.Start();

  const auto flying = [](const GameState& game) {
    std::vector<int> legs;
    for (const int slot : {0, 2}) {
      const Plane& plane = game.world.airlines[0].planes[static_cast<std::size_t>(slot)];
      legs.push_back(plane.currentLeg);
      for (const Flight& leg : plane.legs) legs.insert(legs.end(), {leg.state, leg.timesFlown});
    }
    return legs;
  };
  EXPECT_EQ(flying(loaded), flying(saved));
  RunDays(saved, 2);
  RunDays(loaded, 2);
  EXPECT_EQ(flying(loaded), flying(saved));
}

class HistoryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    PlayAWhile(played);  // January kept, February under way
    ASSERT_EQ(played.world.history.months.size(), 1u);
    ASSERT_TRUE(SaveGameTo(game, played));
  }
  // A folder of each test's own: the tests run in parallel processes.
  const fs::path folder = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string game = (folder / "am.txt").string();
  const std::string history = (folder / "am.history").string();
  GameState played{3};
};

TEST_F(HistoryFile, FollowsTheSavedGameAndComesBackWithItsMonthSoFar) {
  GameState loaded(3);
  ASSERT_TRUE(LoadGameFrom(game, loaded));
  const std::string saved = FileText(game);
  EXPECT_EQ(WriteHistoryText(loaded, saved), WriteHistoryText(played, saved));
  EXPECT_EQ(FileText(history), WriteHistoryText(played, saved));
  EXPECT_GT(MonthSoFar(loaded.world)[0].passengers, 0);
  EXPECT_EQ(MonthSoFar(loaded.world)[0].passengers, MonthSoFar(played.world)[0].passengers);
}

TEST_F(HistoryFile, AMissingOrDamagedOneLeavesTheHistoryEmptyAndTheLoadWhole) {
  const std::string good = FileText(history);
  GameState later(3);
  PlayAWhile(later);
  RunDays(later, 40);
  const std::string otherGame = WriteHistoryText(later, WriteSavedGame(later.world, later.clock));
  const auto line = [](std::string text, std::string_view start, std::string_view by) {
    const std::size_t at = text.find(start);
    return text.replace(at + 1, text.find('\n', at + 1) - at - 1, by);
  };
  const std::function<std::string(std::string)> damages[] = {
      [](std::string text) { return text.replace(0, 17, "jetvale history 3"); },
      // A month's count that the next month end would carry past the int64 range.
      [&](const std::string& text) { return line(text, "\nso-far 0 ", "so-far 0 0 0 9223372036854775000 0"); },
      [&](const std::string& text) { return line(text, "\nairport 2 ", "airport 2"); },
      [&](const std::string& text) { return line(text, "\nseed ", "seed 3 1 2"); },
      [&](const std::string& text) {  // the sold plane's slot, its age below zero
        const std::size_t at = text.find("\nslot 0 1 ") + 1;
        std::string slot = text.substr(at, text.find('\n', at) - at);
        std::size_t age = 0;
        for (int word = 0; word < 7; ++word) age = slot.find(' ', age) + 1;
        return line(text, "\nslot 0 1 ", slot.replace(age, slot.find(' ', age) - age, "-5"));
      },
      [](std::string text) { return text.substr(0, text.size() - 3); },             // cut short
      [](std::string text) { return text.replace(text.find("\nmonth 1 1 "), 11, "\nmonth 1 13 "); },
      [](std::string text) { return text.replace(text.find("\nso-far 1 "), 10, "\nso-far 2 "); },
      [](std::string text) { return text.erase(text.rfind("\nmonth"), text.size() - text.rfind("\nmonth") - 1); },
      [](std::string text) { return text.insert(text.find("\nso-far 0 ") + 10, "x"); },  // no number
      [&](const std::string&) { return otherGame; },  // written with another saved game
  };
  for (const auto& damage : damages) {
    ASSERT_TRUE(WriteFileSafely(history, damage(good)));
    GameState loaded(3);
    ASSERT_TRUE(LoadGameFrom(game, loaded)) << damage(good);
    EXPECT_TRUE(loaded.world.history.months.empty()) << damage(good);
    EXPECT_EQ(MonthSoFar(loaded.world)[0].income, 0) << "the month is counted from the load on";
    EXPECT_EQ(loaded.world.Player().balance, played.world.Player().balance);
  }
  fs::remove(history);
  GameState loaded(3);
  ASSERT_TRUE(LoadGameFrom(game, loaded));
  EXPECT_TRUE(loaded.world.history.months.empty());
}

}  // namespace
}  // namespace jetvale
