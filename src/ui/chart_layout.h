// The history chart's window: the whole screen, one of the spare slots after the game's 20 windows.
#pragma once

#include "ui/game_window.h"

namespace jetvale {

constexpr int kHistoryChartWindow = 20;

// Its items.
constexpr int kChartHeadingItem = 0;      // then a label for each named airline, in the identity table's order
constexpr int kChartPlotItem = 5;         // the dark field the lines are drawn in
constexpr int kChartFirstFigureItem = 6;  // the choices of the figure shown, in ChartFigure order
constexpr int kChartOkItem = 10;

enum class ChartFigure { Balance, Income, Expenses, Passengers };
constexpr int kChartFigureCount = 4;

// Adds the chart window to a table that holds the game's 20 windows, so it lands in slot kHistoryChartWindow;
// the balance is the figure chosen.
void BuildHistoryChartWindow(WindowTable& table);

}  // namespace jetvale
