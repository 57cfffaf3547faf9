// The saved game on disk: the player's folder, a save that fails without harm, a load that takes all or nothing.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "save/game_writer.h"
#include "save/save_file.h"
#include "save/save_folder_lock.h"
#include "save/played_game.h"
#include "sim/flight_state.h"
#include "sim/simulate_tick.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("jetvale_save_" + name);
  fs::remove_all(folder);
  return folder;
}

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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
  const fs::path notAFolder = FreshFolder("lock_file");
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

  // A folder that cannot be made: a file stands where it would be.
  std::ofstream(folder / "taken") << "x";
  EXPECT_FALSE(SaveGameTo(SaveFilePath(folder / "taken"), game));
}

TEST(SaveFile, ALoadTakesTheWholeFileOrLeavesTheGameAsItWas) {
  const fs::path folder = FreshFolder("load");
  GameState saved(3);
  PlayAWhile(saved);
  ASSERT_TRUE(SaveGameTo(SaveFilePath(folder), saved));

  GameState game(3);
  game.world.airlines[2].planes[40].inUse = 1;  // left over from an earlier game; the file does not list it
  game.world.AirportById(1).legsInto[0] = 7;
  ASSERT_TRUE(LoadGameFrom(SaveFilePath(folder), game));
  EXPECT_EQ(WriteSavedGame(game.world, game.clock), WriteSavedGame(saved.world, saved.clock));
  EXPECT_EQ(game.world.airlines[2].planes[40].inUse, 0);
  EXPECT_EQ(game.world.AirportById(1).legsInto[0], 2);  // ATL-ORD and back, flown by two planes

  const std::string before = WriteSavedGame(game.world, game.clock);
  std::string damaged = FileText(folder / "am.txt");
  damaged.resize(damaged.size() / 2 + 3);
  std::ofstream(folder / "am.txt", std::ios::binary) << damaged;
  EXPECT_FALSE(LoadGameFrom(SaveFilePath(folder), game));
  EXPECT_FALSE(LoadGameFrom(SaveFilePath(folder / "missing"), game));
  EXPECT_EQ(WriteSavedGame(game.world, game.clock), before);
}

// 16 MiB is the most the game reads of any file; a FIFO or a device is refused before it is read, not waited on.
TEST(SaveFile, AFileIsReadWholeUpToSixteenMebibytesAndOnlyWhenItIsARegularFile) {
  const fs::path folder = FreshFolder("limit");
  fs::create_directories(folder);
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

// The A320s (slots 0 and 2) are on their second leg, back from Chicago, when the game is saved; loaded, they fly
// on as before. (The B 757 waits between two legs then, which the file cannot tell from a plane waiting to start
// its trip: it starts again at its first leg.)
TEST(SaveFile, APlaneSavedOnItsSecondLegFliesOnAfterALoadAsIfNeverSaved) {
  const fs::path folder = FreshFolder("second_leg");
  GameState saved(3);
  PlayAWhile(saved);
  saved.rivalsPlay = false;
  for (int tick = 0; tick < 12 * 12; ++tick) SimulateTick(saved);  // 13:00
  ASSERT_EQ(saved.world.Player().planes[0].legs[1].state, kInTheAir);
  ASSERT_TRUE(SaveGameTo(SaveFilePath(folder), saved));
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

}  // namespace
}  // namespace jetvale
