// What jetvale-sim writes of the history: the months as CSV (--history) and the chart's picture (--chart).
#pragma once

#include <span>
#include <string>

#include "sim/game_state.h"

namespace jetvale {

// A header line, then a line for every airline of every month kept, oldest first:
// month,airline,balance,income,expenses,passengers,trips ("Jan Year 1,0,499575000,1234.50,..."); then the months
// `ahead`, each marked ("Jan Year 4 forecast").
std::string HistoryCsv(const World& world, std::span<const MonthRecord> ahead = {});

// The chart window as the game draws it, over black, with the balance chosen and, with `forecast`, the next 12
// months; written as a BMP file to `path`; false with `error` set when the file cannot be written.
bool WriteChartPicture(GameState& game, bool forecast, const std::string& path, std::string& error);

}  // namespace jetvale
