// Playing a copy of the game forward to its next month ends.
#include "sim/forecast.h"

#include <memory>

#include "sim/simulate_tick.h"

namespace jetvale {

std::vector<MonthRecord> ForecastMonths(const GameState& game, int months) {
  std::vector<MonthRecord> ahead;
  if (!game.clock.running) return ahead;
  auto copy = std::make_unique<GameState>(game);  // a world is too large for the stack
  while (static_cast<int>(ahead.size()) < months) {
    if (SimulateTick(*copy).monthEnded()) ahead.push_back(copy->world.history.months.back());
  }
  return ahead;
}

}  // namespace jetvale
