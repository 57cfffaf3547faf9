// The history's CSV lines and the chart picture, drawn by the game's own chart handler on a surface of its own.
#include "cli/history_output.h"

#include <charconv>

#include "gfx/gapi_display.h"
#include "screens/history_chart.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

// Money with its cents; std::to_chars, so no locale changes the text.
std::string Cents(double value) {
  char text[64];  // the largest amount the game keeps, 1e24, takes 28 characters
  const auto written = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed, 2);
  return std::string(text, written.ptr);
}

}  // namespace

std::string HistoryCsv(const World& world, std::span<const MonthRecord> ahead) {
  std::string csv = "month,airline,balance,income,expenses,passengers,trips\n";
  std::vector<MonthRecord> months = world.history.months;
  months.insert(months.end(), ahead.begin(), ahead.end());
  for (std::size_t m = 0; m < months.size(); ++m) {
    const MonthRecord& record = months[m];
    const std::string month = std::string(MonthName(record.month)) + " Year " + std::to_string(record.year) +
                              (m < world.history.months.size() ? "" : " forecast");
    for (int a = 0; a < kAirlineCount; ++a) {
      const AirlineMonth& figures = At(record.airlines, a);
      csv.append(month).append(",").append(std::to_string(a)).append(",").append(std::to_string(figures.balance));
      csv.append(",").append(Cents(figures.counts.income)).append(",").append(Cents(figures.counts.expenses));
      csv.append(",").append(std::to_string(figures.counts.passengers));
      csv.append(",").append(std::to_string(figures.counts.trips)).append("\n");
    }
  }
  return csv;
}

bool WriteChartPicture(GameState& game, bool forecast, const std::string& path, std::string& error) {
  CGapiSurface screen;
  screen.CreateSurface(kScreenWidth, kScreenHeight);
  Ui ui(game, screen);
  ui.chart.forecast = forecast;
  ShowHistoryChart(ui);
  if (!GapiFailed(screen.SaveSurface(path))) return true;
  error = "cannot write the chart to '" + path + "'";
  return false;
}

}  // namespace jetvale
