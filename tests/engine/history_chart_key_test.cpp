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

constexpr int FigureItem(ChartFigure figure) { return kChartFirstFigureItem + static_cast<int>(figure); }

TEST(HistoryChartKey, TheKeyOpensAndClosesTheChartAndItsItemsChooseAndClose) {
  HeadlessGame h(MakeTestAssets("jetvale_chart_key"));
  for (const auto& [window, item] : {std::pair{kToolsMenuWindow, 3}, {kToolsMenuWindow, 11}, {kNewGameWindow, 1},
                                     {kNewGameWindow, 9}}) {
    h.TapItem(window, item);  // "New Game", "Ok", the first airline, "Ok"
  }
  const auto key = [&](int window) {
    h.game.ChartKey();
    h.RunFrames(1);
    EXPECT_EQ(h.ui().currentWindow, window);
  };
  key(kHistoryChartWindow);
  EXPECT_EQ(h.ui().command, kCommandHistoryChart);
  const std::string time = h.game.TimeText();
  h.RunFrames(3);
  EXPECT_NE(h.game.TimeText(), time) << "the game runs on behind the chart";

  h.TapItem(kHistoryChartWindow, FigureItem(ChartFigure::Income));
  EXPECT_EQ(h.ui().windows[kHistoryChartWindow].selectedItem, FigureItem(ChartFigure::Income));
  EXPECT_EQ(h.ui().windows[kHistoryChartWindow].Item(kChartHeadingItem).text, "Income of each month");
  h.TapItem(kHistoryChartWindow, kChartOkItem);
  EXPECT_EQ(h.ui().command, kCommandClose);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);
  key(kHistoryChartWindow);
  key(kToolbarWindow);
  EXPECT_EQ(h.ui().command, kCommandClose);
}

TEST(HistoryChartKey, AReplayThatOpensTheChartPlaysBackToTheSamePictures) {
  const std::string folder = MakeTestAssets("jetvale_chart_replay");
  const std::string start = folder + "/start.txt";
  GameState saved(3);
  PlayAWhile(saved);
  ASSERT_TRUE(SaveGameTo(start, saved));
  HeadlessGame h(folder, {99});
  ASSERT_TRUE(h.game.LoadAtStart(start));
  h.RunFrames(2);
  h.game.ChartKey();
  h.RunFrames(1);
  h.TapItem(kHistoryChartWindow, FigureItem(ChartFigure::Expenses));  // frame 4
  const std::vector<Color> picture = h.game.BackBuffer().Pixels();
  h.game.RequestScreenshot();  // keeps the picture after frame 4
  h.RunFrames(1);
  h.game.ChartKey();
  h.RunFrames(2);
  h.game.RequestReplay();
  h.RunFrames(1);

  std::string text;
  Replay replay;
  std::string error;
  ASSERT_TRUE(ReadWholeFile((std::filesystem::path(folder) / kReplayFile).string(), text));
  ASSERT_TRUE(ParseReplay(text, replay, error)) << error;
  EXPECT_NE(text.find("\n3 chart\n4 tap "), std::string::npos) << text;
  EXPECT_NE(text.find("\n4 shot\n6 chart\n"), std::string::npos) << text;
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
