// The window layouts as data: every window, and every item in the order that gives its index.
#include "ui/window_layouts.h"

#include <span>
#include <string_view>

#include "finance/ledgers.h"
#include "world/identities.h"

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
    Hotspot(kCommandPlanesMenu, 0, 20, 30, 30), Hotspot(kCommandFinanceMenu, 0, 53, 30, 30),
    Hotspot(kCommandPassengersMenu, 0, 87, 30, 30),
    Hotspot(kCommandToolsMenu, 0, 120, 30, 30), Hotspot(kCommandScrollPad, 8, 197, 12, 9),
    Hotspot(kCommandScrollPad, 0, 207, 8, 13),
    Hotspot(kCommandScrollPad, 21, 207, 7, 12), Hotspot(kCommandScrollPad, 8, 221, 12, 8),
    Hotspot(kCommandScrollPad, 11, 210, 6, 7),
};
constexpr ItemSpec kToolsMenu[] = {
    Marker(20), Choice("Save Game", kCommandSaveConfirm, 19, 20), Marker(32),
    Choice("New Game", kCommandNewGameMenu, 19, 32),
    Marker(44), Choice("Load Game", kCommandLoadConfirm, 19, 44), Marker(56),
    Choice("Options", kCommandOptions, 19, 56),
    Marker(68), Choice("Exit Game", kCommandExitConfirm, 19, 68), Button("Cancel", kCommandClose, 46, 80, 33),
    Button("Ok", kCommandToolsOk, 83, 80, 14),
};
// The airline choices in the order of the identity table, each marked in its airline's colour.
constexpr ItemSpec AirlineMarker(int row) { return Marker(20 + 12 * row, kAirlineIdentities[row].menuColor); }
constexpr ItemSpec AirlineChoice(int row) {
  return Choice(kAirlineIdentities[row].name, kCommandAirlineChoice, 19, 20 + 12 * row);
}
constexpr ItemSpec kNewGameMenu[] = {
    AirlineMarker(0), AirlineChoice(0), AirlineMarker(1), AirlineChoice(1), AirlineMarker(2), AirlineChoice(2),
    AirlineMarker(3), AirlineChoice(3), Button("Cancel", kCommandClose, 46, 68, 33),
    Button("Ok", kCommandNewGameOk, 83, 68, 14),
};
constexpr ItemSpec kFinanceMenu[] = {
    Marker(20), Choice("Statement", kCommandStatement, 19, 20), Marker(32),
    Choice("View Loans", kCommandViewLoans, 19, 32),
    Marker(44), Choice("New Loan", kCommandNewLoan, 19, 44), Button("Cancel", kCommandClose, 46, 68, 33),
    Button("Ok", kCommandFinanceOk, 83, 68, 14),
};
constexpr ItemSpec kPlanesMenu[] = {
    Marker(20), Choice("List", kCommandFleetList, 19, 20), Marker(32), Choice("Buy", kCommandPurchaseList, 19, 32),
    Button("Cancel", kCommandClose, 46, 68, 33), Button("Ok", kCommandPlanesOk, 83, 68, 14),
};
constexpr ItemSpec kPassengersMenu[] = {
    Marker(20), Choice("Overview", kCommandOverview, 19, 20), Marker(32), Choice("Gates", kCommandGates, 19, 32),
    Button("Cancel", kCommandClose, 46, 68, 33), Button("Ok", kCommandPassengersOk, 83, 68, 14),
};
constexpr ItemSpec kSaveConfirm[] = {
    Label("Are you sure - Save Game", 19, 20, 184, kRed), Button("Yes", kCommandSaveYes, 172, 39, 18),
    Button("No", kCommandClose, 194, 39, 14),
};
constexpr ItemSpec kLoadConfirm[] = {
    Label("Are you sure - Load Game", 19, 20, 184, kRed), Button("Yes", kCommandLoadYes, 172, 39, 18),
    Button("No", kCommandClose, 194, 39, 14),
};
constexpr ItemSpec kExitConfirm[] = {
    Label("Are you sure - Exit Game", 19, 20, 184, kRed), Button("Yes", kCommandExitYes, 172, 39, 18),
    Button("No", kCommandClose, 194, 39, 14),
};
constexpr ItemSpec kNewLoan[] = {
    Label("Loan Amount", 4, 20, 70, kSelectedRed), Button("<-", kCommandLessMoney, 80, 20, 11),
    Label("0", 93, 20, 50, kDarkGreen),
    Button("->", kCommandMoreMoney, 145, 20, 11), Label("Rate", 4, 31, 70, kSelectedRed),
    Label("5.01", 93, 31, 50, kDarkGreen),
    Label("Months", 4, 42, 70, kSelectedRed), Button("<-", kCommandFewerMonths, 80, 42, 11),
    Label("0", 93, 42, 50, kDarkGreen),
    Button("->", kCommandMoreMonths, 145, 42, 11), Label("Payment", 4, 53, 70, kSelectedRed),
    Button("0", kCommandNewLoan, 93, 53, 50, kDarkGreen), Button("Cancel", kCommandClose, 107, 68, 33),
    Button("Ok", kCommandTakeLoan, 144, 68, 14),
};
constexpr ItemSpec kGates[] = {
    Label("Airport", 4, 20, 70, kSelectedRed), Button("<<-", kCommandGateAirportFiveBack, 80, 20, 16),
    Button("<-", kCommandGateAirportPrevious, 98, 20, 11),
    Label("", 111, 20, 20, kDarkGreen), Button("->", kCommandGateAirportNext, 134, 20, 11),
    Button("->>", kCommandGateAirportFiveOn, 148, 20, 16),
    Label("Location", 4, 31, 70, kSelectedRed), Label("", 80, 31, 118, kDarkGreen),
    Label("Gate", 4, 42, 70, kSelectedRed), Button("<-", kCommandGatePrevious, 98, 42, 11),
    Label("1", 111, 42, 20, kDarkGreen),
    Button("->", kCommandGateNext, 134, 42, 11), Label("Owner", 4, 53, 70, kSelectedRed),
    Label("Available", 80, 53, 118, kDarkGreen),
    Button("Buy", kCommandBuyGate, 136, 68, 20), Button("Sell", kCommandSellGate, 159, 68, 22),
    Button("Ok", kCommandClose, 184, 68, 14),
};
constexpr ItemSpec kViewLoans[] = {
    Label("No. Loans", 4, 20, 70, kSelectedRed), Label("", 80, 20, 65, kDarkGreen),
    Label("Loan Id", 4, 31, 70, kSelectedRed), Button("<-", kCommandPreviousLoan, 88, 31, 11),
    Label("", 101, 31, 20, kDarkGreen),
    Button("->", kCommandNextLoan, 124, 31, 11), Label("Loan Amt", 4, 42, 70, kSelectedRed),
    Label("", 80, 42, 65, kDarkGreen),
    Label("Amt Left", 4, 53, 70, kSelectedRed), Label("", 80, 53, 65, kDarkGreen),
    Label("Monthly", 4, 64, 70, kSelectedRed), Label("", 80, 64, 65, kDarkGreen),
    Label("Months Left", 4, 75, 70, kSelectedRed), Label("", 80, 75, 65, kDarkGreen),
    Button("Payoff", kCommandPayOff, 94, 88, 33), Button("Ok", kCommandClose, 130, 88, 14),
};
constexpr ItemSpec kOptions[] = {
    Label("Jetvale by Ombrik", 4, 20, 172, kSelectedRed), Label("Game Speed", 4, 35, 70, kSelectedRed),
    Button("<-", kCommandSlower, 80, 35, 11), Label("FAST", 93, 35, 50, kDarkGreen),
    Button("->", kCommandFaster, 145, 35, 11),
    Button("Cancel", kCommandClose, 127, 68, 33), Button("Ok", kCommandOptionsOk, 164, 68, 14),
};
// The market-share rows, one an airline in the order of the identity table, each value in its airline's colour.
constexpr ItemSpec ShareTitle(int row) { return Label("Market Share", 4, 42 + 11 * row, 70, kSelectedRed); }
constexpr ItemSpec Share(int row) { return Label("1", 111, 42 + 11 * row, 45, kAirlineIdentities[row].shareColor); }
constexpr ItemSpec kOverview[] = {
    Label("Airport", 4, 20, 70, kSelectedRed), Button("<<-", kCommandOverviewFiveBack, 80, 20, 16),
    Button("<-", kCommandOverviewPrevious, 98, 20, 11),
    Label("", 111, 20, 20, kDarkGreen), Button("->", kCommandOverviewNext, 134, 20, 11),
    Button("->>", kCommandOverviewFiveOn, 148, 20, 16),
    Label("Location", 4, 31, 70, kSelectedRed), Label("", 80, 31, 90, kDarkGreen),
    ShareTitle(0), Share(0), ShareTitle(1), Share(1), ShareTitle(2), Share(2), ShareTitle(3), Share(3),
    Label("Gates Owned", 4, 86, 70, kSelectedRed), Label("1", 111, 86, 30, kDarkGreen),
    Label("Daily Traffic", 4, 97, 70, kSelectedRed), Label("1k", 111, 97, 30, kDarkGreen),
    Button("Ok", kCommandClose, 164, 108, 14),
};
constexpr ItemSpec kClickToExit[] = {
    Label("Click to Exit", 19, 20, 184, kRed), Button("Ok", kCommandClickToExit, 172, 39, 18),
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

// The item names of window_layouts.h are the rows they name: a layout reordered without them fails here.
constexpr bool Carries(std::span<const ItemSpec> items, int item, int command) {
  return item >= 0 && static_cast<std::size_t>(item) < items.size() && items[static_cast<std::size_t>(item)].command == command;
}
constexpr bool Reads(std::span<const ItemSpec> items, int item, std::string_view text) {
  return item >= 0 && static_cast<std::size_t>(item) < items.size() && items[static_cast<std::size_t>(item)].text == text;
}
static_assert(Carries(kToolbar, kToolbarPlanesItem, kCommandPlanesMenu) &&
              Carries(kToolbar, kToolbarFinanceItem, kCommandFinanceMenu) &&
              Carries(kToolbar, kToolbarPassengersItem, kCommandPassengersMenu) &&
              Carries(kToolbar, kToolbarToolsItem, kCommandToolsMenu) && Carries(kToolbar, kPadUpItem, kCommandScrollPad) &&
              Carries(kToolbar, kPadCentreItem, kCommandScrollPad) && std::size(kToolbar) == kPadCentreItem + 1);
static_assert(Carries(kToolsMenu, kToolsSaveGameItem, kCommandSaveConfirm) &&
              Carries(kToolsMenu, kToolsNewGameItem, kCommandNewGameMenu) &&
              Carries(kToolsMenu, kToolsLoadGameItem, kCommandLoadConfirm) &&
              Carries(kToolsMenu, kToolsOptionsItem, kCommandOptions) &&
              Carries(kToolsMenu, kToolsExitGameItem, kCommandExitConfirm) &&
              Carries(kToolsMenu, kToolsCancelItem, kCommandClose) && Carries(kToolsMenu, kToolsOkItem, kCommandToolsOk));
static_assert(Carries(kNewGameMenu, kFirstAirlineChoiceItem + 3 * kAirlineChoiceStep, kCommandAirlineChoice) &&
              Carries(kNewGameMenu, kNewGameCancelItem, kCommandClose) &&
              Carries(kNewGameMenu, kNewGameOkItem, kCommandNewGameOk));
static_assert(Carries(kFinanceMenu, kFinanceStatementItem, kCommandStatement) &&
              Carries(kFinanceMenu, kFinanceViewLoansItem, kCommandViewLoans) &&
              Carries(kFinanceMenu, kFinanceNewLoanItem, kCommandNewLoan) &&
              Carries(kFinanceMenu, kFinanceCancelItem, kCommandClose) &&
              Carries(kFinanceMenu, kFinanceOkItem, kCommandFinanceOk));
static_assert(Carries(kPlanesMenu, kPlanesListItem, kCommandFleetList) &&
              Carries(kPlanesMenu, kPlanesBuyItem, kCommandPurchaseList) &&
              Carries(kPlanesMenu, kPlanesCancelItem, kCommandClose) && Carries(kPlanesMenu, kPlanesOkItem, kCommandPlanesOk));
static_assert(Carries(kPassengersMenu, kPassengersOverviewItem, kCommandOverview) &&
              Carries(kPassengersMenu, kPassengersGatesItem, kCommandGates) &&
              Carries(kPassengersMenu, kPassengersCancelItem, kCommandClose) &&
              Carries(kPassengersMenu, kPassengersOkItem, kCommandPassengersOk));
static_assert(Carries(kSaveConfirm, kConfirmYesItem, kCommandSaveYes) && Carries(kSaveConfirm, kConfirmNoItem, kCommandClose) &&
              Carries(kLoadConfirm, kConfirmYesItem, kCommandLoadYes) && Carries(kLoadConfirm, kConfirmNoItem, kCommandClose) &&
              Carries(kExitConfirm, kConfirmYesItem, kCommandExitYes) && Carries(kExitConfirm, kConfirmNoItem, kCommandClose) &&
              Carries(kClickToExit, kClickToExitOkItem, kCommandClickToExit));
static_assert(Carries(kNewLoan, kNewLoanLessMoneyItem, kCommandLessMoney) && Reads(kNewLoan, kNewLoanAmountItem - 2, "Loan Amount") &&
              Carries(kNewLoan, kNewLoanMoreMoneyItem, kCommandMoreMoney) &&
              Carries(kNewLoan, kNewLoanFewerMonthsItem, kCommandFewerMonths) &&
              Reads(kNewLoan, kNewLoanMonthsItem - 2, "Months") &&
              Carries(kNewLoan, kNewLoanMoreMonthsItem, kCommandMoreMonths) &&
              Carries(kNewLoan, kNewLoanPaymentItem, kCommandNewLoan) &&
              Carries(kNewLoan, kNewLoanCancelItem, kCommandClose) && Carries(kNewLoan, kNewLoanOkItem, kCommandTakeLoan));
static_assert(Carries(kGates, kAirportFiveBackItem, kCommandGateAirportFiveBack) &&
              Carries(kGates, kAirportBackItem, kCommandGateAirportPrevious) &&
              Carries(kGates, kAirportForwardItem, kCommandGateAirportNext) &&
              Carries(kGates, kAirportFiveOnItem, kCommandGateAirportFiveOn) &&
              Reads(kGates, kAirportLocationItem - 1, "Location") && Carries(kGates, kGatesPreviousItem, kCommandGatePrevious) &&
              Reads(kGates, kGatesNumberItem - 2, "Gate") && Carries(kGates, kGatesNextItem, kCommandGateNext) &&
              Reads(kGates, kGatesOwnerItem - 1, "Owner") && Carries(kGates, kGatesBuyItem, kCommandBuyGate) &&
              Carries(kGates, kGatesSellItem, kCommandSellGate) && Carries(kGates, kGatesOkItem, kCommandClose));
static_assert(Carries(kOverview, kAirportFiveBackItem, kCommandOverviewFiveBack) &&
              Carries(kOverview, kAirportBackItem, kCommandOverviewPrevious) &&
              Carries(kOverview, kAirportForwardItem, kCommandOverviewNext) &&
              Carries(kOverview, kAirportFiveOnItem, kCommandOverviewFiveOn) &&
              Reads(kOverview, kAirportLocationItem - 1, "Location") &&
              Reads(kOverview, kOverviewFirstShareItem - 1, "Market Share") &&
              Reads(kOverview, kOverviewFirstShareItem + 3 * kOverviewShareStep - 1, "Market Share") &&
              Reads(kOverview, kOverviewGatesOwnedItem - 1, "Gates Owned") &&
              Reads(kOverview, kOverviewTrafficItem - 1, "Daily Traffic") && Carries(kOverview, kOverviewOkItem, kCommandClose));
static_assert(Reads(kViewLoans, kViewLoansCountItem - 1, "No. Loans") &&
              Carries(kViewLoans, kViewLoansPreviousItem, kCommandPreviousLoan) &&
              Reads(kViewLoans, kViewLoansIdItem - 2, "Loan Id") && Carries(kViewLoans, kViewLoansNextItem, kCommandNextLoan) &&
              Reads(kViewLoans, kViewLoansAmountItem - 1, "Loan Amt") &&
              Reads(kViewLoans, kViewLoansAmountLeftItem - 1, "Amt Left") &&
              Reads(kViewLoans, kViewLoansMonthlyItem - 1, "Monthly") &&
              Reads(kViewLoans, kViewLoansMonthsLeftItem - 1, "Months Left") &&
              Carries(kViewLoans, kViewLoansPayOffItem, kCommandPayOff) && Carries(kViewLoans, kViewLoansOkItem, kCommandClose));
static_assert(Carries(kOptions, kOptionsSlowerItem, kCommandSlower) && Reads(kOptions, kOptionsSpeedItem, "FAST") &&
              Carries(kOptions, kOptionsFasterItem, kCommandFaster) && Carries(kOptions, kOptionsCancelItem, kCommandClose) &&
              Carries(kOptions, kOptionsOkItem, kCommandOptionsOk));

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

// The statement's rows are the ledgers' (titles, and which rows have values); the layout gives them colours.
constexpr Color kStatementRowColors[kStatementRowCount] = {
    kDarkGreen, kDarkGreen, kDarkGreen, kDarkGreen, kDarkGreen,  // income
    kRed,                                                        // "Expenses"
    kDarkRed,   kDarkRed,   kDarkRed,   kDarkRed,   kDarkRed,   kDarkRed,  // expenses
    kGreen,                                                      // "Profit"
};

void BuildStatement(GameWindow& window) {
  window.AddItem(2, 18, 226, kRowHeight, kLabel, "Income        YTD       Previous   Overall", 0, kGreen);
  int y = 29;
  for (int row = 0; row < kStatementRowCount; ++row) {
    const StatementRow& ledgerRow = kStatementRows[static_cast<std::size_t>(row)];
    window.AddItem(2, y, 226, kRowHeight, kLabel, std::string(ledgerRow.title), 0, kStatementRowColors[row]);
    if (ledgerRow.HasValues()) AddValueCells(window, y, kDarkGreen);
    y += 11;
  }
  Add(window, Button("Ok", kCommandClose, 214, 179, 14));
  Add(window, Button("<-", kCommandPreviousAirline, 4, 179, 14));
  Add(window, Button("->", kCommandNextAirline, 21, 179, 14));
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
  Add(window, Button("Ok", kCommandFleetList, 214, 199, 14));
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
    Add(window, Button("<-", kCommandPercentDown, 3, row.y, 11));
    Add(window, Label(row.percent, 17, row.y, 20, kDarkGreen));
    Add(window, Button("->", kCommandPercentUp, 41, row.y, 11));
    Add(window, Label(row.name, 55, row.y, 50, kDarkGreen));
    for (const int x : kFareColumns) {
      Add(window, Button("-", kCommandFareDown, x, row.y, 8));
      Add(window, Label("", x + 10, row.y, 26, kDarkGreen));
      Add(window, Button("+", kCommandFareUp, x + 38, row.y, 8));
    }
  }
  for (const CityRow& row : kCityRows) {
    Add(window, Label(row.name, 3, row.y, 33, kSelectedRed));
    Add(window, Button("<<-", kCommandCityBackFive, 40, row.y, 16));
    Add(window, Button("<-", kCommandCityBack, 58, row.y, 11));
    Add(window, Label("", 71, row.y, 115, kDarkGreen));
    Add(window, Button("->", kCommandCityForward, 188, row.y, 11));
    Add(window, Button("->>", kCommandCityForwardFive, 201, row.y, 16));
    Add(window, Label(row.milesText, 219, row.y, 35, row.milesBackground));
  }
  Add(window, Label("Final", 3, 103, 33, kSelectedRed));
  Add(window, Label("", 71, 103, 115, kDarkGreen));
  Add(window, Label("", 219, 103, 35, kDarkGreen));
  for (const int y : kTimeRowTops) {
    Add(window, Label("Dept Time", 3, y, 60, kSelectedRed));
    Add(window, Label("", 66, y, 40, kDarkGreen));
    Add(window, Button("<-", kCommandTimeEarlier, 108, y, 11));
    Add(window, Label("", 121, y, 25, kDarkGreen));
    Add(window, Button("->", kCommandTimeLater, 148, y, 11));
    Add(window, Label("Arrival Time", 3, y + 11, 60, kSelectedRed));
    Add(window, Label("", 66, y + 11, 40, kDarkGreen));
    Add(window, Label("", 121, y + 11, 25, kDarkGreen));
  }
  Add(window, Label("Max Pass", 185, 165, 55, kSelectedRed));
  Add(window, Label("", 234, 165, 40, kDarkGreen));
  Add(window, Label("Max Range", 185, 176, 55, kSelectedRed));
  Add(window, Label("", 234, 176, 40, kDarkGreen));
  Add(window, Button("Cancel", kCommandClose, 234, 200, 33));
  Add(window, Button("Ok", kCommandCommitRoute, 269, 200, 14));
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
