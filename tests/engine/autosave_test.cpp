// The autosave: a month end leaves autosave.txt beside the saved game, which it never touches; the file starts
// the game again where it was (jetvale --load), and a replay of such a run plays back to the same game.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/replay_run.h"
#include "cli/simulation_run.h"
#include "engine/headless_game.h"
#include "save/played_game.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

std::string Text(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(path, text)) << path;
  return text;
}

// The game as the saved-game writer puts it, for comparing whole games.
std::string SavedText(const GameState& game, const std::string& path) {
  EXPECT_TRUE(SaveGameTo(path, game));
  return Text(path);
}

TEST(Autosave, AMonthEndWritesTheGameBesideTheSavedGameWhichStaysAsItWas) {
  const std::string folder = MakeTestAssets("jetvale_autosave");
  const std::string autosave = (std::filesystem::path(folder) / kAutosaveFile).string();
  ASSERT_TRUE(WriteFileSafely(SaveFilePath(folder), "the player's own save"));
  HeadlessGame h(folder);
  h.RunFrames(2);
  h.game.Autosave();
  EXPECT_FALSE(std::filesystem::exists(autosave)) << "no game under way: an older autosave is kept";

  GameState& game = h.game.Game();
  PlayAWhile(game);
  RunDays(game, 10);  // Feb-28, 01:00: 23 hours of 12 ticks to March
  h.RunFrames(23 * 12 - 1);
  ASSERT_EQ(game.clock.month, 2);
  EXPECT_FALSE(std::filesystem::exists(autosave));
  h.RunFrames(1);
  ASSERT_EQ(game.clock.month, 3);
  GameState loaded(game.seed);
  ASSERT_TRUE(LoadGameFrom(autosave, loaded));
  EXPECT_EQ(SavedText(loaded, folder + "/resaved.txt"), SavedText(game, folder + "/game.txt"))
      << "the autosave is the whole game";
  EXPECT_EQ(Text(SaveFilePath(folder)), "the player's own save");

  // A failed autosave says nothing and leaves the game alone.
  std::filesystem::remove(autosave);
  std::filesystem::create_directories(std::filesystem::path(autosave) / "in the way");
  const std::string before = SavedText(game, folder + "/before.txt");
  h.game.Autosave();
  EXPECT_EQ(h.ui().status.text, "");
  EXPECT_EQ(SavedText(game, folder + "/after.txt"), before);
}

TEST(Autosave, AGameStartedFromASavedGameRunsOnTheMapAndItsReplayPlaysBackToTheSameGame) {
  const std::string folder = MakeTestAssets("jetvale_load_at_start");
  GameState saved(3);
  PlayAWhile(saved);
  const std::string autosave = (std::filesystem::path(folder) / kAutosaveFile).string();
  ASSERT_TRUE(SaveGameTo(autosave, saved));
  HeadlessGame h(folder, {777});
  EXPECT_FALSE(h.game.LoadAtStart(folder + "/missing.txt"));
  ASSERT_TRUE(h.game.LoadAtStart(autosave));
  h.RunFrames(60);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);
  EXPECT_EQ(h.game.Game().clock.running, 1);
  EXPECT_EQ(h.ui().planes.fleetCount, saved.world.Player().planeCount);
  EXPECT_EQ(h.game.Game().world.Player().loanCount, saved.world.Player().loanCount);

  Replay recorded = h.game.Recording();
  recorded.frames = h.game.FramesRun();
  Replay replay;
  std::string error;
  ASSERT_TRUE(ParseReplay(FormatReplay(recorded), replay, error)) << error;
  EXPECT_EQ(replay.startGame, Text(autosave));
  EXPECT_TRUE(replay.startHistory.has_value()) << "the history beside it";
  const std::string playFolder = folder + "/play";
  std::filesystem::create_directories(playFolder);
  ReplayRun run(replay, folder, playFolder);
  std::vector<std::string> written;
  ASSERT_TRUE(run.Play({}, playFolder, written, error)) << error;
  EXPECT_EQ(SavedText(run.Game().Game(), folder + "/replayed.txt"), SavedText(h.game.Game(), folder + "/live.txt"));
  EXPECT_EQ(run.Game().Game().world.history.months.size(), 1u);  // January
}

}  // namespace
}  // namespace jetvale
