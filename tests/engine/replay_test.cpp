// Replays: the text keeps everything a game took in, and a recorded game plays back headless to the same
// pictures and the same game, saved game and tick counts included.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/replay_run.h"
#include "engine/headless_game.h"
#include "save/played_game.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

TEST(Replay, TheTextKeepsEveryStepAndTheSavedGameByteForByteAndRefusesWhatItDidNotWrite) {
  Replay replay;
  replay.gameSpeed = 6;
  replay.tickCounts = {5, 4294967295u};
  replay.frames = 900;
  replay.savedGame = "BALANCE=1\r\nsteps\n\n300 tap 1 2";  // line ends and words that look like the replay's own
  replay.steps = {{120, ReplayAction::Tap, 319, 239}, {120, ReplayAction::Scroll, kScrollDown, 0},
                  {450, ReplayAction::Screenshot, 0, 0}};
  const std::string text = FormatReplay(replay);
  EXPECT_NE(text.find("\nsteps\n120 tap 319 239\n120 scroll down\n450 shot\n"), std::string::npos) << text;

  Replay read;
  std::string error;
  ASSERT_TRUE(ParseReplay(text, read, error)) << error;
  EXPECT_EQ(read.gameSpeed, 6);
  EXPECT_EQ(read.tickCounts, replay.tickCounts);
  EXPECT_EQ(read.frames, 900);
  EXPECT_EQ(read.savedGame, replay.savedGame);
  ASSERT_EQ(read.steps.size(), 3u);
  EXPECT_EQ(read.steps[0].frame, 120);
  EXPECT_EQ(read.steps[0].y, 239);  // the screen's last row and column
  EXPECT_EQ(read.steps[1].action, ReplayAction::Scroll);
  EXPECT_EQ(read.steps[1].x, kScrollDown);
  EXPECT_EQ(read.steps[2].frame, 450);
  EXPECT_EQ(read.steps[2].action, ReplayAction::Screenshot);

  // A game that took nothing in, at the start speed FAST, is a replay too.
  Replay empty;
  ASSERT_TRUE(ParseReplay(FormatReplay(Replay{}), empty, error)) << error;
  EXPECT_EQ(empty.gameSpeed, 1);

  const std::string head = "jetvale replay 1\nspeed 1\nticks 7\nframes 9\nsteps\n";
  for (const auto& [bad, line] : std::vector<std::pair<std::string, std::string>>{
           {"jetvale replay 2\n", "line 1"},
           {"jetvale replay 1\nspeed 0\n", "line 2"},
           {"jetvale replay 1\nspeed 100000000\n", "line 2"},
           {"jetvale replay 1\nspeed 1\nticks\nframes 18144001\nsteps\n", "line 4"},
           {head + "18144001 shot\n", "line 6"},
           {head + "5 tap -2147483648 0\n", "line 6"},
           {head + "5 tap 0 -1\n", "line 6"},
           {head + "5 tap 320 0\n", "line 6"},
           {head + "5 tap 0 240\n", "line 6"},
           {head + "5 tap 2147483647 2147483647\n", "line 6"},
           {"jetvale replay 1\nspeed 1\nticks 7 x\n", "line 3"},
           {"jetvale replay 1\nspeed 1\nticks\nframes 1\nsaved-game 99\nshort\nsteps\n", "line 5"},
           {head + "5 tap 1 2\n4 shot\n", "line 7"},
           {head + "5 tap 1\n", "line 6"},
           {head + "5 shot now\n", "line 6"},
           {head + "0 shot\n", "line 6"},
           {head + "5 scroll sideways\n", "line 6"},
       }) {
    EXPECT_FALSE(ParseReplay(bad, read, error)) << bad;
    EXPECT_EQ(error.rfind(line + ":", 0), 0u) << bad << " -> " << error;
  }
  EXPECT_EQ(read.frames, 900) << "a refused text leaves the replay as it was";
}

// A player's game: loads the saved game that lay on disk at start (the clock's tick count reseeds the random
// generator there), scrolls, opens the Planes menu and presses the screenshot key. The machine's tick count
// differs at each reading, as a real one does.
TEST(Replay, AGameRecordedInTheWindowPlaysBackHeadlessToTheSamePicturesAndTheSameGame) {
  const std::string folder = MakeTestAssets("jetvale_replay");
  GameState saved(3);
  PlayAWhile(saved);
  ASSERT_TRUE(SaveGameTo(SaveFilePath(folder), saved));

  PlaybackHost machine({777, 12345});
  HeadlessSink sink;
  GameObject game(machine, folder, folder);
  game.SetStartSpeed(6);
  ASSERT_TRUE(game.OpenDisplay(sink));
  const auto tap = [&](int window, int item) {
    const GameWindow& w = game.Interface().windows[window];
    const WindowItem& i = w.Item(item);
    game.Tap(w.y + i.y + i.height / 2, 320 - (w.x + i.x + i.width / 2));
  };
  std::vector<std::vector<Color>> pictures;  // after frames 40, 80 and 100
  const auto frames = [&](int count) {
    for (int i = 0; i < count; ++i) {
      game.RunFrame();
      if (game.FramesRun() == 40 || game.FramesRun() == 80) pictures.push_back(game.BackBuffer().Pixels());
    }
  };
  frames(3);
  tap(kToolsMenuWindow, kToolsLoadGameItem);  // "Load Game"
  frames(1);
  tap(kToolsMenuWindow, kToolsOkItem);  // "Ok"
  frames(2);
  tap(kLoadGameWindow, kConfirmYesItem);  // "Yes"
  frames(10);
  game.ScrollKey(kScrollRight);
  frames(30);
  game.RequestScreenshot();  // keeps the picture after frame 46
  frames(1);
  tap(kToolbarWindow, kToolbarPlanesItem);  // the Planes menu
  frames(50);
  game.RequestReplay();
  frames(1);
  ASSERT_EQ(game.Interface().currentWindow, kPlanesMenuWindow);
  EXPECT_EQ(game.Recording().tickCounts, (std::vector<std::uint32_t>{777, 12345}));

  std::string text;
  Replay replay;
  std::string error;
  ASSERT_TRUE(ReadWholeFile((std::filesystem::path(folder) / kReplayFile).string(), text));
  ASSERT_TRUE(ParseReplay(text, replay, error)) << error;
  EXPECT_EQ(replay.frames, 97);
  EXPECT_EQ(replay.gameSpeed, 6);
  ASSERT_TRUE(replay.savedGame.has_value());

  // Played back in a folder of its own: the recorded saved game is what it loads.
  const std::string playFolder = folder + "/play";
  std::filesystem::create_directories(playFolder);
  ReplayRun run(replay, folder, playFolder);
  std::vector<std::string> written;
  ASSERT_TRUE(run.Play({40, 80}, playFolder, written, error)) << error;
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[1], (std::filesystem::path(playFolder) / "frame-000046.bmp").string());
  CGapiSurface shot;
  ASSERT_EQ(shot.CreateSurface(written[0], nullptr), kGapiOk);
  EXPECT_TRUE(shot.Pixels() == pictures[0]) << "frame 40";
  ASSERT_EQ(shot.CreateSurface(written[2], nullptr), kGapiOk);
  EXPECT_TRUE(shot.Pixels() == pictures[1]) << "frame 80";
  EXPECT_EQ(run.Game().FramesRun(), 97);

  GameState& played = run.Game().Game();
  EXPECT_EQ(played.clock.day, game.Game().clock.day);
  EXPECT_EQ(played.clock.minute, game.Game().clock.minute);
  for (std::size_t a = 0; a < played.world.airlines.size(); ++a) {
    EXPECT_EQ(played.world.airlines[a].balance, game.Game().world.airlines[a].balance) << a;
    EXPECT_EQ(played.world.airlines[a].planes[0].tag, game.Game().world.airlines[a].planes[0].tag) << a;
  }
  EXPECT_EQ(run.Game().Interface().map.viewX, game.Interface().map.viewX);
  EXPECT_EQ(run.Game().Interface().currentWindow, kPlanesMenuWindow);
}

}  // namespace
}  // namespace jetvale
