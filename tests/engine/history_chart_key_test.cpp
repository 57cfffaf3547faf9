// The chart key and the chart's own items: opened and closed by key and tap while the game runs on behind (a
// replay that opens it is played in replay_test.cpp).
#include <gtest/gtest.h>

#include "engine/headless_game.h"
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

}  // namespace
}  // namespace jetvale
