// Replays and the autosave: the replay text keeps everything a game took in; a month end leaves autosave.txt
// beside the saved game, which starts the game again where it was, and a replay of such a run plays back headless
// to the same pictures and the same game.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/replay_run.h"
#include "cli/simulation_run.h"
#include "engine/headless_game.h"
#include "save/played_game.h"
#include "save/history_file.h"
#include "save/save_file.h"
#include "sim/simulate_tick.h"

namespace jetvale {
namespace {

TEST(Replay, TheTextKeepsEveryStepAndTheSavedGameByteForByteAndRefusesWhatItDidNotWrite) {
  Replay replay;
  replay.gameSpeed = 6;
  replay.tickCounts = {5, 4294967295u};
  replay.frames = 900;
  replay.savedGame = "BALANCE=1\r\nsteps\n\n300 tap 1 2";  // line ends and words that look like the replay's own
  replay.savedHistory = "h";
  replay.savedFiles = {{"slot-3.txt", "G\n"}, {"slot-3.history", ""}, {"autosave-2.txt", "A"}};
  replay.steps = {{120, ReplayAction::Tap, 319, 239}, {120, ReplayAction::Scroll, kScrollDown, 0},
                  {450, ReplayAction::Screenshot, 0, 0}, {451, ReplayAction::ChartKey, 0, 0},
                  {452, ReplayAction::SavedGamesKey, 0, 0}};
  const std::string text = FormatReplay(replay);
  EXPECT_EQ(text,
            "jetvale replay 1\nspeed 6\nticks 5 4294967295\nframes 900\n"
            "saved-game 29\nBALANCE=1\r\nsteps\n\n300 tap 1 2\nsaved-history 1\nh\n"
            "saved-file slot-3.txt 2\nG\n\nsaved-file slot-3.history 0\n\nsaved-file autosave-2.txt 1\nA\n"
            "steps\n120 tap 319 239\n120 scroll down\n450 shot\n451 chart\n452 saves\n");
  Replay read;
  std::string error;
  ASSERT_TRUE(ParseReplay(text, read, error)) << error;
  EXPECT_EQ(FormatReplay(read), text);
  EXPECT_FALSE(read.startGame.has_value());
  // A game that took nothing in, at the start speed FAST, is a replay too.
  Replay empty;
  ASSERT_TRUE(ParseReplay("jetvale replay 1\nspeed 1\nticks\nframes 0\nsteps\n", empty, error)) << error;
  EXPECT_EQ(empty.gameSpeed, 1);

  const std::string head = "jetvale replay 1\nspeed 1\nticks 7\nframes 9\nsteps\n";
  for (const auto& [bad, line] : std::vector<std::pair<std::string, std::string>>{
           {"jetvale replay 2\n", "line 1"}, {"jetvale replay 1\nspeed 0\n", "line 2"},
           {"jetvale replay 1\nspeed 1\nticks 7 x\n", "line 3"},
           {"jetvale replay 1\nspeed 1\nticks\nframes 18144001\nsteps\n", "line 4"},  // a week and a frame
           {"jetvale replay 1\nspeed 1\nticks\nframes 1\nsaved-game 99\nshort\nsteps\n", "line 5"},
           {"jetvale replay 1\nspeed 1\nticks\nframes 1\nsaved-file ../am.txt 1\nx\nsteps\n", "line 5"},  // games' names only
           {head + "18144001 shot\n", "line 6"}, {head + "5 tap -2147483648 0\n", "line 6"},
           {head + "5 tap 320 0\n", "line 6"}, {head + "5 tap 2147483647 2147483647\n", "line 6"},
           {head + "5 tap 1\n", "line 6"}, {head + "0 shot\n", "line 6"}, {head + "5 scroll sideways\n", "line 6"},
           {head + "5 tap 1 2\n4 shot\n", "line 7"},
       }) {
    EXPECT_FALSE(ParseReplay(bad, read, error)) << bad;
    EXPECT_EQ(error.rfind(line + ":", 0), 0u) << bad << " -> " << error;
  }
  EXPECT_EQ(read.frames, 900) << "a refused text leaves the replay as it was";
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
  EXPECT_EQ(FileText(SaveFilePath(folder)), "the player's own save");

  // A failed autosave says nothing and leaves the game alone.
  std::filesystem::remove(autosave);
  std::filesystem::create_directories(std::filesystem::path(autosave) / "in the way");
  const std::string before = SavedText(game, folder + "/before.txt");
  h.game.Autosave();
  EXPECT_EQ(h.ui().status.text, "");
  EXPECT_EQ(SavedText(game, folder + "/after.txt"), before);
}

// A game started from a saved game (jetvale --load) runs on the map, the machine's tick count reseeding it there
// and differing at each reading, as a real one does. Scrolled, with a screenshot, it plays back headless from its
// replay to the same pictures and the same game.
TEST(Autosave, AGameStartedFromASavedGameRunsOnTheMapAndItsReplayPlaysBackToTheSamePicturesAndGame) {
  const std::string folder = MakeTestAssets("jetvale_load_at_start");
  GameState saved(3);
  PlayAWhile(saved);
  const std::string autosave = (std::filesystem::path(folder) / kAutosaveFile).string();
  ASSERT_TRUE(SaveGameTo(autosave, saved));
  HeadlessGame h(folder, {777, 12345});
  h.game.SetStartSpeed(6);
  std::string problem;
  EXPECT_FALSE(h.game.LoadAtStart(folder + "/missing.txt", problem));
  ASSERT_TRUE(h.game.LoadAtStart(autosave, problem)) << problem;
  h.game.ScrollKey(kScrollRight);
  h.RunFrames(40);
  const std::vector<Color> at40 = h.game.BackBuffer().Pixels();
  h.RunFrames(6);
  const std::vector<Color> at46 = h.game.BackBuffer().Pixels();
  h.game.RequestScreenshot();  // keeps the picture after frame 46
  h.RunFrames(14);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);
  EXPECT_TRUE(h.game.Game().clock.running);
  EXPECT_EQ(h.ui().planes.fleetCount, saved.world.Player().planeCount);
  EXPECT_EQ(h.game.Game().world.Player().loanCount, saved.world.Player().loanCount);

  Replay recorded = h.game.Recording();
  recorded.frames = h.game.FramesRun();
  Replay replay;
  std::string error;
  ASSERT_TRUE(ParseReplay(FormatReplay(recorded), replay, error)) << error;
  EXPECT_EQ(replay.gameSpeed, 6);
  EXPECT_EQ(replay.startGame, FileText(autosave));
  EXPECT_TRUE(replay.startHistory.has_value()) << "the history beside it";
  const std::string playFolder = folder + "/play";
  std::filesystem::create_directories(playFolder);
  ReplayRun run(replay, folder, playFolder);
  std::vector<std::string> written;
  ASSERT_TRUE(run.Play({40}, playFolder, written, error)) << error;
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[1], (std::filesystem::path(playFolder) / "frame-000046.bmp").string());
  for (const auto& [file, picture] : {std::pair{written[0], &at40}, {written[1], &at46}}) {
    CGapiSurface shot;
    ASSERT_EQ(shot.CreateSurface(file, nullptr), kGapiOk);
    EXPECT_TRUE(shot.Pixels() == *picture) << file;
  }
  EXPECT_EQ(SavedText(run.Game().Game(), folder + "/replayed.txt"), SavedText(h.game.Game(), folder + "/live.txt"));
  EXPECT_EQ(run.Game().Game().world.history.months.size(), 1u);  // January
  EXPECT_EQ(run.Game().Interface().map.viewX, h.ui().map.viewX);
}

// Fast-forward is an input like any other. Each of its frames is its step of frames at "FAST" without their
// pictures, marked on the status line; a game stepped through 8, 64 and 512 ticks a frame across a year end plays
// back from its replay to the same pictures and the same game.
TEST(FastForward, AFrameIsItsStepOfTicksAndAGameFastForwardedPastAYearEndPlaysBack) {
  const std::string folder = MakeTestAssets("jetvale_fast_forward");
  GameState start(3);
  PlayAWhile(start);
  RunDays(start, 300);  // December
  ASSERT_TRUE(SaveGameTo(folder + "/start.txt", start));
  HeadlessGame h(folder, {5});
  std::string error;
  ASSERT_TRUE(h.game.LoadAtStart(folder + "/start.txt", error)) << error;
  GameState& game = h.game.Game();
  const auto whole = [&](const GameState& g) {
    const std::string text = SavedText(g, folder + "/whole.txt");
    return text + FileText(HistoryFilePath(folder + "/whole.txt"));
  };
  const auto marked = [&] {  // white pixels of the mark left of the clock
    int white = 0;
    for (int x = 176; x < 201; ++x) white += h.Pixel(x, 235) == kWhite || h.Pixel(x, 236) == kWhite ? 1 : 0;
    return white > 0;
  };
  h.RunFrames(1);
  EXPECT_FALSE(marked());
  for (const int step : {8, 64, 512}) {
    h.game.FastForwardKey();
    h.RunFrames(1);  // takes the key
    GameState expected = game;
    Sky sky;
    for (int tick = 0; tick < step; ++tick) SimulateTick(expected), AdvancePlanes(expected.world, kSpeedFast, sky);
    h.RunFrames(1);
    EXPECT_EQ(whole(game), whole(expected)) << step;
    EXPECT_TRUE(marked()) << step;
  }
  h.RunFrames(20);  // past the year end
  ASSERT_EQ(game.clock.year, 2);
  const std::vector<Color> fast = h.game.BackBuffer().Pixels();
  h.game.RequestScreenshot();
  h.game.FastForwardKey();  // off
  h.RunFrames(3);
  EXPECT_FALSE(marked());

  Replay recorded = h.game.Recording();
  recorded.frames = h.game.FramesRun();
  Replay replay;
  ASSERT_TRUE(ParseReplay(FormatReplay(recorded), replay, error)) << error;
  std::filesystem::create_directories(folder + "/play");
  ReplayRun run(replay, folder, folder + "/play");
  std::vector<std::string> written;
  ASSERT_TRUE(run.Play({}, folder + "/play", written, error)) << error;
  ASSERT_EQ(written.size(), 1u);
  CGapiSurface shot;
  ASSERT_EQ(shot.CreateSurface(written[0], nullptr), kGapiOk);
  EXPECT_TRUE(shot.Pixels() == fast);
  EXPECT_EQ(whole(run.Game().Game()), whole(game));
}

}  // namespace
}  // namespace jetvale
