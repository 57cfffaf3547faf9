// The history's side file: beside the saved game, read back whole with the load, and never in the load's way.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "finance/month_close.h"
#include "save/game_writer.h"
#include "save/history_file.h"
#include "save/played_game.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(path, text)) << path;
  return text;
}

class HistoryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder);
    PlayAWhile(played);  // January kept, February under way
    ASSERT_EQ(played.world.history.months.size(), 1u);
    ASSERT_TRUE(SaveGameTo(game, played));
  }
  // A folder of each test's own: the tests run in parallel processes.
  const fs::path folder =
      fs::temp_directory_path() /
      ("jetvale_history_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  const std::string game = (folder / "am.txt").string();
  const std::string history = (folder / "am.history").string();
  GameState played{3};
};

TEST_F(HistoryFile, FollowsTheSavedGameAndComesBackWithItsMonthSoFar) {
  GameState loaded(3);
  ASSERT_TRUE(LoadGameFrom(game, loaded));
  const std::string saved = Read(game);
  EXPECT_EQ(WriteHistoryText(loaded.world, saved), WriteHistoryText(played.world, saved));
  EXPECT_EQ(Read(history), WriteHistoryText(played.world, saved));
  // The loaded world's traffic statistics start from nothing, yet February goes on from what it had counted.
  EXPECT_GT(MonthSoFar(loaded.world)[0].passengers, 0);
  EXPECT_EQ(MonthSoFar(loaded.world)[0].passengers, MonthSoFar(played.world)[0].passengers);
}

TEST_F(HistoryFile, AMissingOrDamagedOneLeavesTheHistoryEmptyAndTheLoadWhole) {
  const std::string good = Read(history);
  GameState later(3);
  PlayAWhile(later);
  RunDays(later, 40);
  const std::string otherGame = WriteHistoryText(later.world, WriteSavedGame(later.world, later.clock));
  const std::function<std::string(std::string)> damages[] = {
      [](std::string text) { return text.replace(0, 17, "jetvale history 2"); },
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

TEST(HistoryFilePath, TheSideFileTakesTheSavedGamesNameWithItsOwnExtension) {
  for (const auto& [saved, side] : std::vector<std::pair<std::string, std::string>>{
           {"/data/jetvale/am.txt", "/data/jetvale/am.history"},
           {"autosave.txt", "autosave.history"},
           {"run/game", "run/game.history"},
           {"odd.history", "odd.history.history"},  // never the saved game itself
       }) {
    EXPECT_EQ(HistoryFilePath(saved), side);
  }
}

}  // namespace
}  // namespace jetvale
