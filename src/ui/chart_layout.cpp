// The chart window as data. It covers the screen, yet its items keep clear of the lines the frame draws over every
// window: the toolbar's border at x 29, the title line's at y 9 and the status line's at y 230.
#include "ui/chart_layout.h"

#include <array>
#include <string_view>

#include "gfx/gapi_display.h"
#include "ui/commands.h"
#include "world/identities.h"

namespace jetvale {
namespace {

constexpr int kRowHeight = 9;
constexpr int kLeft = 31;    // right of the toolbar's border
constexpr int kWidth = 287;  // to two pixels short of the screen's right edge

// The airlines' names cut to fit their labels, in the order of the identity table.
constexpr std::array<std::string_view, kAirlineCount> kLegendNames = {"Western", "Southeast", "Ocean", "Atlantic"};
constexpr int kLegendStep = 72;

struct FigureChoice {
  std::string_view text;
  int x;
  int width;
};
constexpr std::array<FigureChoice, kChartFigureCount> kFigureChoices = {{
    {"Balance", kLeft + 1, 44}, {"Income", kLeft + 49, 40}, {"Expenses", kLeft + 93, 50},
    {"Passengers", kLeft + 147, 60}}};
constexpr int kChoiceRow = 213;

}  // namespace

void BuildHistoryChartWindow(WindowTable& table) {
  GameWindow& window = table[table.AddWindow(0, 0, kScreenWidth, kScreenHeight, "")];
  window.AddItem(kLeft, 12, kWidth, kRowHeight, kLabel, "", kCommandNone, kBlue);
  for (std::size_t i = 0; i < kLegendNames.size(); ++i) {
    window.AddItem(kLeft + static_cast<int>(i) * kLegendStep, 23, kLegendStep - 2, kRowHeight, kLabel,
                   std::string(kLegendNames[i]), kCommandNone, kAirlineIdentities[i].statementColor);
  }
  window.AddItem(kLeft, 34, kWidth, 174, kLabel, "", kCommandNone, kBlack);
  for (const FigureChoice& choice : kFigureChoices) {
    // A tap only selects: the chart shows the selected figure from the next frame on.
    window.AddItem(choice.x, kChoiceRow, choice.width, kRowHeight, kChoice, std::string(choice.text), kCommandNone,
                   kDarkGreen);
  }
  window.AddItem(kLeft + kWidth - 16, kChoiceRow, 14, kRowHeight, kButton, "Ok", kCommandClose, kOrange);
  window.selectedItem = kChartFirstFigureItem;
  window.Item(kChartFirstFigureItem).background = kSelectedRed;
}

}  // namespace jetvale
