// The value axis of a chart: round gridline steps that take in every value shown.
#pragma once

namespace jetvale {

struct ChartAxis {
  double bottom = 0;  // the lowest gridline, at or below every value
  double top = 1;     // the highest, at or above every value; always above bottom
  double step = 1;    // 1, 2 or 5 times a power of ten, never below 1: the figures are whole units
  int Steps() const;  // gridline intervals from bottom to top
};

// An axis for values from `low` to `high` with two to six intervals. A single value gets room above it, and below
// it too unless it is 0.
ChartAxis ChooseAxis(double low, double high);

}  // namespace jetvale
