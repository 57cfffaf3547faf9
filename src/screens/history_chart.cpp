// The chart's plot: gridlines labelled with money texts, the months along the bottom, one line an airline.
#include "screens/history_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "gfx/font.h"
#include "screens/chart_axis.h"
#include "sim/forecast.h"
#include "text/number_text.h"
#include "world/identities.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr Color kGridColor = MakeColor(64, 64, 64);
constexpr Color kAxisColor = MakeColor(160, 160, 160);
constexpr Color kLabelColor = MakeColor(208, 208, 208);
constexpr Color kUnknownAirlineColor = MakeColor(128, 128, 128);

// Where things go inside the plot item, in pixels from its edges.
constexpr int kPlotTop = 6;
constexpr int kValueLabelsWidth = 37;   // "-1.23B" and "123.45M" fit
constexpr int kPlotRightMargin = 7;
constexpr int kMonthLabelRow = 151;     // the month names under the axis
constexpr int kYearLabelRow = 161;
constexpr int kAxisBottom = 146;        // the lowest gridline, with the months' ticks under it

constexpr std::array<std::string_view, kChartFigureCount> kHeadings = {
    "Balance at the end of each month", "Income of each month", "Expenses of each month",
    "Passengers of each month"};

ChartFigure SelectedFigure(const GameWindow& window) {
  const WindowItem* choice = window.ItemAt(window.selectedItem);
  return choice != nullptr && choice->name == "figure" ? static_cast<ChartFigure>(choice->row) : ChartFigure::Balance;
}

double FigureOf(const AirlineMonth& month, ChartFigure figure) {
  switch (figure) {
    case ChartFigure::Balance: return month.balance;
    case ChartFigure::Income: return month.counts.income;
    case ChartFigure::Expenses: return month.counts.expenses;
    case ChartFigure::Passengers: return static_cast<double>(month.counts.passengers);
  }
  return 0;
}

// An airline's line takes its colour on the statement, as its legend label does.
Color LineColor(const Airline& airline) {
  const int index = IdentityIndex(airline.identity);
  return index < 0 ? kUnknownAirlineColor : At(kAirlineIdentities, index).statementColor;
}

int TextWidth(std::string_view text) { return static_cast<int>(text.size()) * kGlyphWidth; }

// The plot's rectangle on the screen and the months it shows: the last 24 the game closed, then (with the
// forecast) the 12 ahead.
struct Plot {
  int left;
  int right;
  int top;
  int bottom;
  std::span<const MonthRecord> months;
  std::size_t known;  // the months the game has closed; those after them are the forecast's
  int slots;          // the months the width holds

  int SlotX(std::size_t slot) const { return left + static_cast<int>(slot) * (right - left) / (slots - 1); }
  int ValueY(double value, const ChartAxis& axis) const {
    const double share = (value - axis.bottom) / (axis.top - axis.bottom);
    return std::clamp(bottom - static_cast<int>(std::lround(share * (bottom - top))), top, bottom);
  }
};

ChartAxis AxisFor(const Plot& plot, ChartFigure figure) {
  // Money and passengers of a month start from nothing; the balance shows its own range.
  double low = figure == ChartFigure::Balance ? FigureOf(plot.months.front().airlines[0], figure) : 0;
  double high = low;
  for (const MonthRecord& record : plot.months) {
    for (const AirlineMonth& month : record.airlines) {
      low = std::min(low, FigureOf(month, figure));
      high = std::max(high, FigureOf(month, figure));
    }
  }
  return ChooseAxis(low, high);
}

void DrawValueAxis(CGapiSurface& screen, const Plot& plot, const ChartAxis& axis) {
  for (int step = 0; step <= axis.Steps(); ++step) {
    const double value = axis.bottom + step * axis.step;
    const int y = plot.ValueY(value, axis);
    screen.DrawLine(plot.left, y, plot.right, y, step == 0 ? kAxisColor : kGridColor, 0);
    const std::string text = FormatMoney(value);
    screen.DrawTextW(plot.left - 3 - TextWidth(text), y - kGlyphHeight / 2, text, kLabelColor, kTextPlain);
  }
  screen.DrawLine(plot.left, plot.top, plot.left, plot.bottom, kAxisColor, 0);
}

// A tick for every month; the first month of each quarter named, and the year under its January and under the
// first month named when no January follows soon after.
void DrawMonthAxis(CGapiSurface& screen, const Plot& plot, int monthRow, int yearRow) {
  bool named = false;
  for (std::size_t slot = 0; slot < plot.months.size(); ++slot) {
    const MonthRecord& record = plot.months[slot];
    const int x = plot.SlotX(slot);
    const bool quarter = record.month % 3 == 1;
    screen.DrawLine(x, plot.bottom + 1, x, plot.bottom + (quarter ? 3 : 1), kAxisColor, 0);
    if (!quarter) continue;
    const std::string_view month = MonthName(record.month);
    screen.DrawTextW(x - TextWidth(month) / 2, monthRow, month, kLabelColor, kTextPlain);
    const bool januarySoon = record.month == 10 && slot + 3 < plot.months.size();
    if (record.month == 1 || (!named && !januarySoon)) {
      const std::string year = "Year " + std::to_string(record.year);
      const int width = TextWidth(year);  // kept within the plot's field at either end
      screen.DrawTextW(std::clamp(x - width / 2, plot.left, plot.right + kPlotRightMargin - width), yearRow, year,
                       kLabelColor, kTextPlain);
    }
    named = true;
  }
}

// Every other pixel of the line from (x0, y0) to (x1, y1): the months ahead.
void DrawDotted(CGapiSurface& screen, int x0, int y0, int x1, int y1, Color color) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int step = 0; step <= steps; step += 2) {
    const int x = steps == 0 ? x0 : x0 + (x1 - x0) * step / steps;
    const int y = steps == 0 ? y0 : y0 + (y1 - y0) * step / steps;
    screen.SetPixel(x, y, color);
  }
}

void DrawLines(CGapiSurface& screen, const Plot& plot, const ChartAxis& axis, const World& world,
               ChartFigure figure) {
  // The player's line last and twice as thick, so it stays on top and stands out.
  for (int a = kAirlineCount - 1; a >= 0; --a) {
    const auto index = static_cast<std::size_t>(a);
    const Color color = LineColor(world.airlines[index]);
    const int thickness = a == 0 ? 2 : 1;
    int lastX = plot.SlotX(0);
    int lastY = plot.ValueY(FigureOf(plot.months[0].airlines[index], figure), axis);
    if (plot.months.size() == 1) {  // a single month is a short dash
      for (int row = 0; row < thickness; ++row) screen.DrawLine(lastX, lastY - row, lastX + 2, lastY - row, color, 0);
    }
    for (std::size_t slot = 1; slot < plot.months.size(); ++slot) {
      const int x = plot.SlotX(slot);
      const int y = plot.ValueY(FigureOf(plot.months[slot].airlines[index], figure), axis);
      for (int row = 0; row < thickness; ++row) {
        if (slot < plot.known) screen.DrawLine(lastX, lastY - row, x, y - row, color, 0);
        else DrawDotted(screen, lastX, lastY - row, x, y - row, color);
      }
      lastX = x;
      lastY = y;
    }
  }
}

void DrawPlot(CGapiSurface& screen, const GameWindow& window, const World& world, ChartFigure figure,
              std::span<const MonthRecord> ahead) {
  const WindowItem& field = window.Named("plot");
  const int left = window.x + field.x;
  const int top = window.y + field.y;
  const std::vector<MonthRecord>& history = world.history.months;
  const std::size_t known = std::min(history.size(), static_cast<std::size_t>(kChartMonths));
  std::vector<MonthRecord> months(history.end() - static_cast<std::ptrdiff_t>(known), history.end());
  months.insert(months.end(), ahead.begin(), ahead.end());
  const int slots = kChartMonths + (ahead.empty() ? 0 : kForecastMonths);
  const Plot plot{left + kValueLabelsWidth, left + field.width - kPlotRightMargin, top + kPlotTop,
                  top + kAxisBottom, months, known, slots};
  if (plot.months.empty()) {
    constexpr std::string_view kNothingYet = "No month has ended yet";
    screen.DrawTextW(left + (field.width - TextWidth(kNothingYet)) / 2, top + field.height / 2 - kGlyphHeight / 2,
                     kNothingYet, kLabelColor, kTextPlain);
    return;
  }
  const ChartAxis axis = AxisFor(plot, figure);
  DrawValueAxis(screen, plot, axis);
  DrawMonthAxis(screen, plot, top + kMonthLabelRow, top + kYearLabelRow);
  DrawLines(screen, plot, axis, world, figure);
}

constexpr std::array kRoutes = {
    Screen(kCommandHistoryChart, ShowHistoryChart),
    Action(kCommandChartForecast, [](Ui& ui, int) { ui.chart.forecast = !ui.chart.forecast; }, kCommandHistoryChart),
};

}  // namespace

void ShowHistoryChart(Ui& ui) {
  GameWindow& window = ui.windows[kHistoryChartWindow];
  const ChartFigure figure = SelectedFigure(window);
  window.Named("heading").text = At(kHeadings, static_cast<int>(figure));
  ChartScreenState& chart = ui.chart;
  window.Named("forecast").background = chart.forecast ? kSelectedRed : kOrange;
  // The forecast is played again only after the player did something, or a month closed: not in every frame.
  if (chart.forecast && (chart.computedAfter != ui.actionsRun || chart.monthsKnown != ui.game.world.history.months.size() ||
                         chart.ahead.empty())) {
    chart.ahead = ForecastMonths(ui.game);
    chart.computedAfter = ui.actionsRun;
    chart.monthsKnown = ui.game.world.history.months.size();
  }
  ui.Show(kHistoryChartWindow);
  DrawPlot(ui.screen, window, ui.game.world, figure, chart.forecast ? std::span(chart.ahead) : std::span<MonthRecord>());
}

std::span<const CommandRoute> HistoryChartRoutes() { return kRoutes; }

}  // namespace jetvale
