// The chart key and the chart's own items: opened and closed by key and tap while the game runs on behind, and
// a replay that opens it plays back to the same pictures, the history it showed included.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/replay_run.h"
#include "engine/headless_game.h"
#include "save/played_game.h"
#include "save/save_file.h"
#include "screens/history_chart.h"
#include "ui/chart_layout.h"

namespace jetvale {
namespace {

TEST(HistoryChartKey, TheKeyOpensAndClosesTheChartAndItsItemsChooseAndClose) {
  HeadlessGame h(MakeTestAssets("jetvale_chart_key"));
  h.TapItem(kToolsMenuWindow, 3);  // "New Game"
  h.TapItem(kToolsMenuWindow, 11);
  h.TapItem(kNewGameWindow, 1);
  h.TapItem(kNewGameWindow, 9);
  h.game.ChartKey();
  h.RunFrames(1);
  EXPECT_EQ(h.ui().command, kCommandHistoryChart);
  EXPECT_EQ(h.ui().currentWindow, kHistoryChartWindow);
  const std::string time = h.game.TimeText();
  h.RunFrames(3);
  EXPECT_NE(h.game.TimeText(), time) << "the game runs on behind the chart";

  const int income = kChartFirstFigureItem + static_cast<int>(ChartFigure::Income);
  h.TapItem(kHistoryChartWindow, income);
  EXPECT_EQ(h.ui().windows[kHistoryChartWindow].selectedItem, income);
  EXPECT_EQ(h.ui().windows[kHistoryChartWindow].Item(kChartHeadingItem).text, "Income of each month");
  h.TapItem(kHistoryChartWindow, kChartOkItem);
  EXPECT_EQ(h.ui().command, kCommandClose);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);

  h.game.ChartKey();
  h.RunFrames(1);
  EXPECT_EQ(h.ui().currentWindow, kHistoryChartWindow);
  h.game.ChartKey();
  h.RunFrames(1);
  EXPECT_EQ(h.ui().command, kCommandClose);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);
}

TEST(HistoryChartKey, AReplayThatOpensTheChartPlaysBackToTheSamePictures) {
  const std::string folder = MakeTestAssets("jetvale_chart_replay");
  const std::string start = folder + "/start.txt";
  GameState saved(3);
  PlayAWhile(saved);
  ASSERT_TRUE(SaveGameTo(start, saved));

  PlaybackHost machine({99});
  HeadlessSink sink;
  GameObject game(machine, folder, folder);
  ASSERT_TRUE(game.LoadAtStart(start));
  ASSERT_TRUE(game.OpenDisplay(sink));
  const auto frames = [&](int count) {
    for (int i = 0; i < count; ++i) game.RunFrame();
  };
  frames(2);
  game.ChartKey();
  frames(1);
  const GameWindow& chart = game.Interface().windows[kHistoryChartWindow];
  const WindowItem& expenses = chart.Item(kChartFirstFigureItem + static_cast<int>(ChartFigure::Expenses));
  game.Tap(expenses.y + 4, 320 - (expenses.x + 4));
  frames(1);
  const std::vector<Color> picture = game.BackBuffer().Pixels();
  game.RequestScreenshot();  // keeps the picture after frame 4
  frames(1);
  game.ChartKey();
  frames(2);
  game.RequestReplay();
  frames(1);

  std::string text;
  Replay replay;
  std::string error;
  ASSERT_TRUE(ReadWholeFile((std::filesystem::path(folder) / kReplayFile).string(), text));
  ASSERT_TRUE(ParseReplay(text, replay, error)) << error;
  EXPECT_NE(text.find("\n3 chart\n4 tap "), std::string::npos) << text;
  EXPECT_TRUE(replay.startHistory.has_value());

  const std::string playFolder = folder + "/play";
  std::filesystem::create_directories(playFolder);
  ReplayRun run(replay, folder, playFolder);
  std::vector<std::string> written;
  ASSERT_TRUE(run.Play({}, playFolder, written, error)) << error;
  ASSERT_EQ(written.size(), 1u);
  CGapiSurface shot;
  ASSERT_EQ(shot.CreateSurface(written[0], nullptr), kGapiOk);
  EXPECT_TRUE(shot.Pixels() == picture);
  EXPECT_EQ(run.Game().Game().world.history.months.size(), 1u);
  EXPECT_EQ(run.Game().Interface().command, kCommandClose);
}

}  // namespace
}  // namespace jetvale
