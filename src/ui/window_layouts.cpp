// The window layouts as data: every window, and every item in the order that gives its index.
#include "ui/window_layouts.h"

#include <span>
#include <string_view>

namespace jetvale {
namespace {

constexpr int kRowHeight = 9;
constexpr int kValueCellVisibility = 1;

struct ItemSpec {
  std::string_view text;
  int kind;
  int command;
  int x;
  int y;
  int width;
  int height;
  Color background;
};

constexpr ItemSpec Label(std::string_view text, int x, int y, int width, Color background) {
  return {text, kLabel, 0, x, y, width, kRowHeight, background};
}
constexpr ItemSpec Button(std::string_view text, int command, int x, int y, int width, Color background = kOrange) {
  return {text, kButton, command, x, y, width, kRowHeight, background};
}
constexpr ItemSpec Choice(std::string_view text, int command, int x, int y) {
  return {text, kChoice, command, x, y, 79, kRowHeight, kDarkGreen};
}
// The "->" marker before a menu choice.
constexpr ItemSpec Marker(int y, Color background = kOrange) { return Label("->", 4, y, 11, background); }
constexpr ItemSpec Hotspot(int command, int x, int y, int width, int height) {
  return {"", kButton, command, x, y, width, height, kBlack};
}

struct WindowSpec {
  int x;
  int y;
  int width;
  int height;
  std::string_view title;
  std::span<const ItemSpec> items;
};

constexpr ItemSpec kToolbar[] = {
    Hotspot(200, 0, 20, 30, 30), Hotspot(300, 0, 53, 30, 30), Hotspot(100, 0, 87, 30, 30),
    Hotspot(400, 0, 120, 30, 30), Hotspot(600, 8, 197, 12, 9), Hotspot(600, 0, 207, 8, 13),
    Hotspot(600, 21, 207, 7, 12), Hotspot(600, 8, 221, 12, 8), Hotspot(600, 11, 210, 6, 7),
};
constexpr ItemSpec kToolsMenu[] = {
    Marker(20), Choice("Save Game", 420, 19, 20), Marker(32), Choice("New Game", 410, 19, 32),
    Marker(44), Choice("Load Game", 425, 19, 44), Marker(56), Choice("Options", 435, 19, 56),
    Marker(68), Choice("Exit Game", 430, 19, 68), Button("Cancel", 999, 46, 80, 33), Button("Ok", 405, 83, 80, 14),
};
constexpr ItemSpec kNewGameMenu[] = {
    Marker(20, kBlue), Choice("Western Airlines", 411, 19, 20), Marker(32, kYellow), Choice("Southeast Air", 411, 19, 32),
    Marker(44, kRed), Choice("Ocean Airways", 411, 19, 44), Marker(56, kLightOrange), Choice("Atlantic Air", 411, 19, 56),
    Button("Cancel", 999, 46, 68, 33), Button("Ok", 415, 83, 68, 14),
};
constexpr ItemSpec kFinanceMenu[] = {
    Marker(20), Choice("Statement", 305, 19, 20), Marker(32), Choice("View Loans", 370, 19, 32),
    Marker(44), Choice("New Loan", 315, 19, 44), Button("Cancel", 999, 46, 68, 33), Button("Ok", 310, 83, 68, 14),
};
constexpr ItemSpec kPlanesMenu[] = {
    Marker(20), Choice("List", 225, 19, 20), Marker(32), Choice("Buy", 256, 19, 32),
    Button("Cancel", 999, 46, 68, 33), Button("Ok", 210, 83, 68, 14),
};
constexpr ItemSpec kPassengersMenu[] = {
    Marker(20), Choice("Overview", 160, 19, 20), Marker(32), Choice("Gates", 105, 19, 32),
    Button("Cancel", 999, 46, 68, 33), Button("Ok", 110, 83, 68, 14),
};
constexpr ItemSpec kSaveConfirm[] = {
    Label("Are you sure - Save Game", 19, 20, 184, kRed), Button("Yes", 421, 172, 39, 18), Button("No", 999, 194, 39, 14),
};
constexpr ItemSpec kLoadConfirm[] = {
    Label("Are you sure - Load Game", 19, 20, 184, kRed), Button("Yes", 426, 172, 39, 18), Button("No", 999, 194, 39, 14),
};
constexpr ItemSpec kExitConfirm[] = {
    Label("Are you sure - Exit Game", 19, 20, 184, kRed), Button("Yes", 431, 172, 39, 18), Button("No", 999, 194, 39, 14),
};
constexpr ItemSpec kNewLoan[] = {
    Label("Loan Amount", 4, 20, 70, kSelectedRed), Button("<-", 350, 80, 20, 11), Label("0", 93, 20, 50, kDarkGreen),
    Button("->", 355, 145, 20, 11), Label("Rate", 4, 31, 70, kSelectedRed), Label("5.01", 93, 31, 50, kDarkGreen),
    Label("Months", 4, 42, 70, kSelectedRed), Button("<-", 360, 80, 42, 11), Label("0", 93, 42, 50, kDarkGreen),
    Button("->", 365, 145, 42, 11), Label("Payment", 4, 53, 70, kSelectedRed),
    Button("0", 315, 93, 53, 50, kDarkGreen), Button("Cancel", 999, 107, 68, 33), Button("Ok", 335, 144, 68, 14),
};
constexpr ItemSpec kGates[] = {
    Label("Airport", 4, 20, 70, kSelectedRed), Button("<<-", 130, 80, 20, 16), Button("<-", 120, 98, 20, 11),
    Label("", 111, 20, 20, kDarkGreen), Button("->", 115, 134, 20, 11), Button("->>", 125, 148, 20, 16),
    Label("Location", 4, 31, 70, kSelectedRed), Label("", 80, 31, 118, kDarkGreen),
    Label("Gate", 4, 42, 70, kSelectedRed), Button("<-", 135, 98, 42, 11), Label("1", 111, 42, 20, kDarkGreen),
    Button("->", 140, 134, 42, 11), Label("Owner", 4, 53, 70, kSelectedRed), Label("Available", 80, 53, 118, kDarkGreen),
    Button("Buy", 145, 136, 68, 20), Button("Sell", 150, 159, 68, 22), Button("Ok", 999, 184, 68, 14),
};
constexpr ItemSpec kViewLoans[] = {
    Label("No. Loans", 4, 20, 70, kSelectedRed), Label("", 80, 20, 65, kDarkGreen),
    Label("Loan Id", 4, 31, 70, kSelectedRed), Button("<-", 375, 88, 31, 11), Label("", 101, 31, 20, kDarkGreen),
    Button("->", 380, 124, 31, 11), Label("Loan Amt", 4, 42, 70, kSelectedRed), Label("", 80, 42, 65, kDarkGreen),
    Label("Amt Left", 4, 53, 70, kSelectedRed), Label("", 80, 53, 65, kDarkGreen),
    Label("Monthly", 4, 64, 70, kSelectedRed), Label("", 80, 64, 65, kDarkGreen),
    Label("Months Left", 4, 75, 70, kSelectedRed), Label("", 80, 75, 65, kDarkGreen),
    Button("Payoff", 385, 94, 88, 33), Button("Ok", 999, 130, 88, 14),
};
constexpr ItemSpec kOptions[] = {
    Label("Jetvale by Ombrik", 4, 20, 172, kSelectedRed), Label("Game Speed", 4, 35, 70, kSelectedRed),
    Button("<-", 445, 80, 35, 11), Label("FAST", 93, 35, 50, kDarkGreen), Button("->", 450, 145, 35, 11),
    Button("Cancel", 999, 127, 68, 33), Button("Ok", 440, 164, 68, 14),
};
constexpr ItemSpec kOverview[] = {
    Label("Airport", 4, 20, 70, kSelectedRed), Button("<<-", 180, 80, 20, 16), Button("<-", 170, 98, 20, 11),
    Label("", 111, 20, 20, kDarkGreen), Button("->", 165, 134, 20, 11), Button("->>", 175, 148, 20, 16),
    Label("Location", 4, 31, 70, kSelectedRed), Label("", 80, 31, 90, kDarkGreen),
    Label("Market Share", 4, 42, 70, kSelectedRed), Label("1", 111, 42, 45, kBlue),
    Label("Market Share", 4, 53, 70, kSelectedRed), Label("1", 111, 53, 45, kYellow),
    Label("Market Share", 4, 64, 70, kSelectedRed), Label("1", 111, 64, 45, kRed),
    Label("Market Share", 4, 75, 70, kSelectedRed), Label("1", 111, 75, 45, kPaleOrange),
    Label("Gates Owned", 4, 86, 70, kSelectedRed), Label("1", 111, 86, 30, kDarkGreen),
    Label("Daily Traffic", 4, 97, 70, kSelectedRed), Label("1k", 111, 97, 30, kDarkGreen),
    Button("Ok", 999, 164, 108, 14),
};
constexpr ItemSpec kClickToExit[] = {
    Label("Click to Exit", 19, 20, 184, kRed), Button("Ok", 432, 172, 39, 18),
};

// The windows built from the tables above; windows 11, 13 and 14 are built from row tables below.
constexpr WindowSpec kWindows[kBuiltWindowCount] = {
    {0, 0, 30, 240, "", kToolbar},
    {35, 125, 100, 94, "Tools Menu", kToolsMenu},
    {35, 125, 100, 80, "New Game Menu", kNewGameMenu},
    {35, 60, 100, 80, "Finance Menu", kFinanceMenu},
    {35, 24, 100, 80, "Planes Menu", kPlanesMenu},
    {35, 90, 100, 80, "Passengers Menu", kPassengersMenu},
    {60, 60, 222, 120, "   Plane Type  Range Pass  Speed   Price", {}},
    {70, 60, 210, 50, "Save Game", kSaveConfirm},
    {70, 60, 210, 50, "Load Game", kLoadConfirm},
    {70, 60, 210, 50, "Exit Game", kExitConfirm},
    {60, 60, 230, 120, "   Plane Id  Plane Type  Age\t Revenue Profit", {}},
    {55, 25, 230, 190, "Financial Statement", {}},
    {80, 80, 160, 80, "New Loan", kNewLoan},
    {30, 15, 285, 214, "Plane Edit", {}},
    {55, 15, 230, 210, "Plane Details", {}},
    {70, 80, 200, 80, "Buy / Sell Gates", kGates},
    {90, 75, 147, 101, "View Loans", kViewLoans},
    {70, 80, 180, 80, "Options", kOptions},
    {80, 60, 180, 120, "Overview", kOverview},
    {70, 60, 210, 50, "Exit Game", kClickToExit},
};

void Add(GameWindow& window, const ItemSpec& spec) {
  const bool toolbar = spec.kind == kButton && spec.text.empty() && spec.background == kBlack;
  window.AddItem(spec.x, spec.y, spec.width, spec.height, spec.kind, std::string(spec.text), spec.command,
                 spec.background, toolbar ? kBlack : kWhite, toolbar ? kInvisible : kVisible);
}

// The three cells of a report row, at the same x in every report window.
constexpr int kValueColumns[] = {70, 120, 170};

void AddValueCells(GameWindow& window, int y, Color background) {
  for (const int x : kValueColumns) {
    window.AddItem(x, y, 0, 0, kValueCell, "0", 0, background, kWhite, kValueCellVisibility);
  }
}

struct StatementRow {
  std::string_view title;
  Color background;
  bool hasValues;
};

constexpr StatementRow kStatementRows[] = {
    {"First", kDarkGreen, true},        {"Business", kDarkGreen, true},    {"Economy", kDarkGreen, true},
    {"Planes Sold", kDarkGreen, true},  {"Gates Sold", kDarkGreen, true},  {"Expenses", kRed, false},
    {"Fuel", kDarkRed, true},           {"Wages", kDarkRed, true},         {"Loans", kDarkRed, true},
    {"Planes Purch", kDarkRed, true},   {"Gates Purch", kDarkRed, true},   {"Misc", kDarkRed, true},
    {"Profit", kGreen, true},
};

void BuildStatement(GameWindow& window) {
  window.AddItem(2, 18, 226, kRowHeight, kLabel, "Income        YTD       Previous   Overall", 0, kGreen);
  int y = 29;
  for (const StatementRow& row : kStatementRows) {
    window.AddItem(2, y, 226, kRowHeight, kLabel, std::string(row.title), 0, row.background);
    if (row.hasValues) AddValueCells(window, y, kDarkGreen);
    y += 11;
  }
  Add(window, Button("Ok", 999, 214, 179, 14));
  Add(window, Button("<-", 307, 4, 179, 14));
  Add(window, Button("->", 308, 21, 179, 14));
  window.AddItem(130, 179, 0, 0, kValueCell, "Balance :", 0, kDarkGreen, kWhite, kValueCellVisibility);
  window.AddItem(175, 179, 0, 0, kValueCell, "0", 0, kDarkGreen, kWhite, kValueCellVisibility);
  Add(window, Label("", 40, 179, 80, kDarkGreen));
}

struct ReportBlock {
  std::string_view heading;
  int y;
  Color headingBackground;
  Color rowBackground;
  Color valueBackgrounds[3];
};

constexpr ReportBlock kDetailBlocks[] = {
    {"Income        1st Class  Bus Class  Eco Class", 18, kGreen, kDarkGreen, {kDarkGreen, kDarkGreen, kDarkGreen}},
    {"Expenses      Fuel      Wages     Misc", 62, kRed, kDarkRed, {kDarkRed, kDarkRed, kDarkGreen}},
    {"Passengers    1st Class  Bus Class  Eco Class", 106, kGreen, kDarkGreen, {kDarkGreen, kDarkGreen, kDarkGreen}},
    {"Stats         Profit     Passgrs    Flights", 150, kGreen, kDarkGreen, {kDarkGreen, kDarkGreen, kDarkGreen}},
};
constexpr std::string_view kPlaceholderRoutes[] = {"DFW-MCO", "MCO-ATL", "ATL-DFW"};

void BuildPlaneDetails(GameWindow& window) {
  for (const ReportBlock& block : kDetailBlocks) {
    window.AddItem(2, block.y, 226, kRowHeight, kLabel, std::string(block.heading), 0, block.headingBackground);
    for (int row = 0; row < 3; ++row) {
      const int y = block.y + 11 * (row + 1);
      window.AddItem(2, y, 226, kRowHeight, kLabel, std::string(kPlaceholderRoutes[row]), 0, block.rowBackground);
      AddValueCells(window, y, block.valueBackgrounds[row]);
    }
  }
  Add(window, Button("Ok", 225, 214, 199, 14));
}

struct ClassRow {
  int y;
  std::string_view percent;
  std::string_view name;
};
constexpr ClassRow kClassRows[] = {{30, "10", "First"}, {42, "20", "Business"}, {54, "", "Economy"}};
constexpr int kFareColumns[] = {135, 185, 235};

struct CityRow {
  int y;
  std::string_view name;
  std::string_view milesText;
  Color milesBackground;
};
constexpr CityRow kCityRows[] = {{70, "Origin", " Miles", kSelectedRed}, {81, "Dest", "", kDarkGreen}, {92, "Dest", "", kDarkGreen}};
constexpr int kTimeRowTops[] = {119, 142, 165};

void BuildPlaneEdit(GameWindow& window) {
  Add(window, Label("   PCT     Class", 3, 18, 103, kSelectedRed));
  Add(window, Label("Price:", 108, 18, 176, kSelectedRed));
  for (const ClassRow& row : kClassRows) {
    Add(window, Button("<-", 260, 3, row.y, 11));
    Add(window, Label(row.percent, 17, row.y, 20, kDarkGreen));
    Add(window, Button("->", 261, 41, row.y, 11));
    Add(window, Label(row.name, 55, row.y, 50, kDarkGreen));
    for (const int x : kFareColumns) {
      Add(window, Button("-", 266, x, row.y, 8));
      Add(window, Label("", x + 10, row.y, 26, kDarkGreen));
      Add(window, Button("+", 267, x + 38, row.y, 8));
    }
  }
  for (const CityRow& row : kCityRows) {
    Add(window, Label(row.name, 3, row.y, 33, kSelectedRed));
    Add(window, Button("<<-", 278, 40, row.y, 16));
    Add(window, Button("<-", 279, 58, row.y, 11));
    Add(window, Label("", 71, row.y, 115, kDarkGreen));
    Add(window, Button("->", 280, 188, row.y, 11));
    Add(window, Button("->>", 281, 201, row.y, 16));
    Add(window, Label(row.milesText, 219, row.y, 35, row.milesBackground));
  }
  Add(window, Label("Final", 3, 103, 33, kSelectedRed));
  Add(window, Label("", 71, 103, 115, kDarkGreen));
  Add(window, Label("", 219, 103, 35, kDarkGreen));
  for (const int y : kTimeRowTops) {
    Add(window, Label("Dept Time", 3, y, 60, kSelectedRed));
    Add(window, Label("", 66, y, 40, kDarkGreen));
    Add(window, Button("<-", 290, 108, y, 11));
    Add(window, Label("", 121, y, 25, kDarkGreen));
    Add(window, Button("->", 291, 148, y, 11));
    Add(window, Label("Arrival Time", 3, y + 11, 60, kSelectedRed));
    Add(window, Label("", 66, y + 11, 40, kDarkGreen));
    Add(window, Label("", 121, y + 11, 25, kDarkGreen));
  }
  Add(window, Label("Max Pass", 185, 165, 55, kSelectedRed));
  Add(window, Label("", 234, 165, 40, kDarkGreen));
  Add(window, Label("Max Range", 185, 176, 55, kSelectedRed));
  Add(window, Label("", 234, 176, 40, kDarkGreen));
  Add(window, Button("Cancel", 999, 234, 200, 33));
  Add(window, Button("Ok", 295, 269, 200, 14));
}

}  // namespace

void BuildWindows(WindowTable& table) {
  for (const WindowSpec& spec : kWindows) {
    GameWindow& window = table[table.AddWindow(spec.x, spec.y, spec.width, spec.height, std::string(spec.title))];
    for (const ItemSpec& item : spec.items) Add(window, item);
  }
  BuildStatement(table[kStatementWindow]);
  BuildPlaneEdit(table[kPlaneEditWindow]);
  BuildPlaneDetails(table[kPlaneDetailsWindow]);
}

}  // namespace jetvale
