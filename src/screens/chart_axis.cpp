// Gridline steps: a quarter of the span rounded up to 1, 2 or 5 times a power of ten.
#include "screens/chart_axis.h"

#include <algorithm>
#include <cmath>

namespace jetvale {

int ChartAxis::Steps() const { return static_cast<int>(std::lround((top - bottom) / step)); }

ChartAxis ChooseAxis(double low, double high) {
  if (high < low) std::swap(low, high);
  if (high == low) {
    const double room = std::max(1.0, std::abs(high) / 10);
    if (low != 0) low -= room;
    high += room;
  }
  const double rough = (high - low) / 4;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power * 10;
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (power * factor >= rough) {
      step = power * factor;
      break;
    }
  }
  step = std::max(step, 1.0);
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

}  // namespace jetvale
