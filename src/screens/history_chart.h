// The history chart: each airline's balance, income, expenses or passengers over the last 24 months, as lines
// in the airlines' colours. It opens with the chart key, over whatever is shown, and the game runs on behind it.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

constexpr int kChartMonths = 24;

// The figures the chart's choices select, in the order of the choices.
enum class ChartFigure { Balance, Income, Expenses, Passengers };
constexpr int kChartFigureCount = 4;

std::span<const CommandRoute> HistoryChartRoutes();

// Fills and draws the chart window over the screen, with the figure its choices select.
void ShowHistoryChart(Ui& ui);

// The command the chart key runs: the chart, or the close command when the chart is up.
constexpr int ChartKeyCommand(int currentCommand) {
  return currentCommand == kCommandHistoryChart ? kCommandClose : kCommandHistoryChart;
}

}  // namespace jetvale
