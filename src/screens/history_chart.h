// The history chart: each airline's balance, income, expenses or passengers over the last 24 months, as lines
// in the airlines' colours. It opens with the chart key, over whatever is shown, and the game runs on behind it.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

constexpr int kChartMonths = 24;

std::span<const CommandRoute> HistoryChartRoutes();

// The chart key: opens the chart, or closes it as its "Ok" does when it is up.
void ToggleHistoryChart(Ui& ui);

// Fills and draws the chart window over the screen, with the figure its choices select.
void ShowHistoryChart(Ui& ui);

}  // namespace jetvale
