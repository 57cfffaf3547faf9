// The window table: every window of the game, and every item in the order that gives its index, with its name.
// A fixed label is known by its own text; everything code or tests address has a name of its own.
#include "ui/window_layouts.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "finance/ledgers.h"
#include "gfx/gapi_display.h"
#include "save/saved_games.h"
#include "world/identities.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kRowHeight = 9;

constexpr ItemSpec Caption(std::string_view text, int x, int y, int width, Color background = kSelectedRed) {
  return {text, kLabel, text, 0, x, y, width, kRowHeight, background};
}
constexpr ItemSpec Field(std::string_view name, int x, int y, int width, std::string_view text = "",
                         Color background = kDarkGreen) {
  return {name, kLabel, text, 0, x, y, width, kRowHeight, background};
}
constexpr ItemSpec Button(std::string_view name, std::string_view text, int command, int x, int y, int width,
                          Color background = kOrange) {
  return {name, kButton, text, command, x, y, width, kRowHeight, background};
}
constexpr ItemSpec Choice(std::string_view name, std::string_view text, int command, int x, int y, int width = 79) {
  return {name, kChoice, text, command, x, y, width, kRowHeight, kDarkGreen};
}
constexpr ItemSpec Cell(std::string_view name, int x, int y, std::string_view text = "0",
                        Color background = kDarkGreen) {
  return {name, kValueCell, text, 0, x, y, 0, 0, background, kCellVisibility};
}
// The "->" marker before a menu choice.
constexpr ItemSpec Marker(int y, Color background = kOrange) { return Field("marker", 4, y, 11, "->", background); }
constexpr ItemSpec Hotspot(std::string_view name, int command, int x, int y, int width, int height) {
  return {name, kButton, "", command, x, y, width, height, kBlack, kInvisible};
}
constexpr ItemSpec Ok(int command, int x, int y, int width = 14) { return Button("ok", "Ok", command, x, y, width); }
constexpr ItemSpec Cancel(int x, int y) { return Button("cancel", "Cancel", kCommandClose, x, y, 33); }

template <std::size_t... N>
constexpr auto Join(const std::array<ItemSpec, N>&... parts) {
  std::array<ItemSpec, (N + ...)> all{};
  auto next = all.begin();
  ((next = std::copy(parts.begin(), parts.end(), next)), ...);
  return all;
}

// Rows repeated down a window: the purchase and fleet lists' (as many as there are rows to show) and the
// statement's (one per ledger row). Template items lie at y 0 of their row.
struct RowTemplate {
  int top = 0;
  int step = 0;
  std::span<const ItemSpec> items;
};

struct WindowSpec {
  int x;
  int y;
  int width;
  int height;
  std::string_view title;
  std::span<const ItemSpec> items;      // the items before any rows
  RowTemplate rows = {};
  std::size_t rowCount = 0;              // rows built with the window; none for the lists and the statement
  std::span<const ItemSpec> after = {};  // the items below the rows
  std::string_view selected = {};        // the choice selected from the start
};

constexpr std::array kToolbar = {
    Hotspot("planes", kCommandPlanesMenu, 0, 20, 30, 30),
    Hotspot("finance", kCommandFinanceMenu, 0, 53, 30, 30),
    Hotspot("passengers", kCommandPassengersMenu, 0, 87, 30, 30),
    Hotspot("tools", kCommandToolsMenu, 0, 120, 30, 30),
    Hotspot("pad up", kCommandScrollPad, 8, 197, 12, 9),
    Hotspot("pad left", kCommandScrollPad, 0, 207, 8, 13),
    Hotspot("pad right", kCommandScrollPad, 21, 207, 7, 12),
    Hotspot("pad down", kCommandScrollPad, 8, 221, 12, 8),
    Hotspot("pad centre", kCommandScrollPad, 11, 210, 6, 7),
};

// A menu choice after its marker, on the menu's rows 12 pixels apart.
constexpr std::array<ItemSpec, 2> MenuRow(int row, std::string_view name, std::string_view text, int command,
                                          Color marker = kOrange) {
  return {Marker(20 + 12 * row, marker), Choice(name, text, command, 19, 20 + 12 * row)};
}
constexpr auto kToolsMenu = Join(
    MenuRow(0, "save game", "Save Game", kCommandSaveConfirm), MenuRow(1, "new game", "New Game", kCommandNewGameMenu),
    MenuRow(2, "load game", "Load Game", kCommandLoadConfirm), MenuRow(3, "options", "Options", kCommandOptions),
    MenuRow(4, "exit game", "Exit Game", kCommandExitConfirm),
    std::array{Cancel(46, 80), Ok(kCommandToolsOk, 83, 80)});
// The airlines in the order of the identity table, each marked in its colour; a choice's row is its identity's.
constexpr std::array<ItemSpec, 2> AirlineRow(int row) {
  return MenuRow(row, "airline", At(kAirlineIdentities, row).name, kCommandAirlineChoice,
                 At(kAirlineIdentities, row).menuColor);
}
constexpr auto kNewGameMenu = Join(AirlineRow(0), AirlineRow(1), AirlineRow(2), AirlineRow(3),
                                   std::array{Cancel(46, 68), Ok(kCommandNewGameOk, 83, 68)});
constexpr auto kFinanceMenu = Join(
    MenuRow(0, "statement", "Statement", kCommandStatement), MenuRow(1, "view loans", "View Loans", kCommandViewLoans),
    MenuRow(2, "new loan", "New Loan", kCommandNewLoan), std::array{Cancel(46, 68), Ok(kCommandFinanceOk, 83, 68)});
constexpr auto kPlanesMenu = Join(MenuRow(0, "list", "List", kCommandFleetList),
                                  MenuRow(1, "buy", "Buy", kCommandPurchaseList),
                                  std::array{Cancel(46, 68), Ok(kCommandPlanesOk, 83, 68)});
constexpr auto kPassengersMenu = Join(MenuRow(0, "overview", "Overview", kCommandOverview),
                                      MenuRow(1, "gates", "Gates", kCommandGates),
                                      std::array{Cancel(46, 68), Ok(kCommandPassengersOk, 83, 68)});

// "Are you sure": the question, "Yes" and "No".
constexpr std::array<ItemSpec, 3> Confirm(std::string_view question, int yesCommand) {
  return {Field("question", 19, 20, 184, question, kRed), Button("yes", "Yes", yesCommand, 172, 39, 18),
          Button("no", "No", kCommandClose, 194, 39, 14)};
}
constexpr auto kSaveConfirm = Confirm("Are you sure - Save Game", kCommandSaveYes);
constexpr auto kLoadConfirm = Confirm("Are you sure - Load Game", kCommandLoadYes);
constexpr auto kExitConfirm = Confirm("Are you sure - Exit Game", kCommandExitYes);
constexpr std::array kClickToExit = {Field("question", 19, 20, 184, "Click to Exit", kRed),
                                     Ok(kCommandClickToExit, 172, 39, 18)};

// The lists: a row is a marker, the choice, and four values; the buttons follow on one line below the rows.
constexpr int kListButtonLine = 109;
constexpr std::array kPurchaseRow = {
    Marker(0), Choice("choice", "", kCommandTypeChoice, 19, 0, 200), Cell("range", 75, 0, ""),
    Cell("passengers", 105, 0, ""), Cell("speed", 145, 0, ""), Cell("price", 170, 0, ""),
};
constexpr std::array kPurchaseButtons = {
    Button("prev", "Prev", kCommandPurchasePrev, 4, kListButtonLine, 25),
    Button("next", "Next", kCommandPurchaseNext, 33, kListButtonLine, 25),
    Cancel(168, kListButtonLine), Ok(kCommandBuy, 205, kListButtonLine),
};
constexpr std::array kFleetRow = {
    Marker(0), Choice("choice", "", kCommandPlaneChoice, 19, 0, 208), Cell("type", 63, 0, ""),
    Cell("age", 123, 0, ""), Cell("revenue", 152, 0, ""), Cell("profit", 188, 0, ""),
};
constexpr std::array kFleetButtons = {
    Button("prev", "Prev", kCommandFleetPrev, 4, kListButtonLine, 25),
    Button("next", "Next", kCommandFleetNext, 33, kListButtonLine, 25),
    Button("sell", "Sell", kCommandSell, 96, kListButtonLine, 25),
    Button("details", "Details", kCommandDetails, 124, kListButtonLine, 37),
    Button("close", "Close", kCommandClose, 164, kListButtonLine, 33),
    Button("route", "Route", kCommandRouteEditor, 200, kListButtonLine, 28),
};

// The statement: a row a ledger row, its title and (in rows with figures) the year to date, the previous year and
// the whole game; then the buttons, the balance and the airline's name.
constexpr std::array kStatementHeading = {
    Field("heading", 2, 18, 226, "Income        YTD       Previous   Overall", kGreen)};
constexpr std::array kStatementRow = {Field("title", 2, 0, 226), Cell("ytd", 70, 0), Cell("previous", 120, 0),
                                      Cell("overall", 170, 0)};
constexpr std::array kStatementFoot = {
    Ok(kCommandClose, 214, 179),
    Button("previous airline", "<-", kCommandPreviousAirline, 4, 179, 14),
    Button("next airline", "->", kCommandNextAirline, 21, 179, 14),
    Cell("balance caption", 130, 179, "Balance :"),
    Cell("balance", 175, 179),
    Field("airline", 40, 179, 80),
};
// The rows' backgrounds: income, the "Expenses" heading, the expenses, "Profit".
constexpr std::array<Color, kStatementRowCount> kStatementRowColors = {
    kDarkGreen, kDarkGreen, kDarkGreen, kDarkGreen, kDarkGreen, kRed,   kDarkRed,
    kDarkRed,   kDarkRed,   kDarkRed,   kDarkRed,   kDarkRed,   kGreen,
};

constexpr std::array kNewLoan = {
    Caption("Loan Amount", 4, 20, 70), Button("less money", "<-", kCommandLessMoney, 80, 20, 11),
    Field("amount", 93, 20, 50, "0"), Button("more money", "->", kCommandMoreMoney, 145, 20, 11),
    Caption("Rate", 4, 31, 70), Field("rate", 93, 31, 50, "5.01"),
    Caption("Months", 4, 42, 70), Button("fewer months", "<-", kCommandFewerMonths, 80, 42, 11),
    Field("months", 93, 42, 50, "0"), Button("more months", "->", kCommandMoreMonths, 145, 42, 11),
    Caption("Payment", 4, 53, 70), Button("payment", "0", kCommandNewLoan, 93, 53, 50, kDarkGreen),
    Cancel(107, 68), Ok(kCommandTakeLoan, 144, 68),
};

// "Plane Edit". A class row: its seat share with the arrows that move points, its name, and for each leg the fare
// between "-" and "+"; the fares go row by row, leg by leg.
constexpr std::array<ItemSpec, 3> FareControls(int x, int y) {
  return {Button("fare down", "-", kCommandFareDown, x, y, 8), Field("fare", x + 10, y, 26),
          Button("fare up", "+", kCommandFareUp, x + 38, y, 8)};
}
constexpr auto ClassRow(int y, std::string_view percent, std::string_view name) {
  return Join(std::array{Button("percent down", "<-", kCommandPercentDown, 3, y, 11), Field("percent", 17, y, 20, percent),
                         Button("percent up", "->", kCommandPercentUp, 41, y, 11), Field("class", 55, y, 50, name)},
              FareControls(135, y), FareControls(185, y), FareControls(235, y));
}
// A city row: the trip's origin, its second and its third city, each with the miles of the leg that arrives there.
constexpr std::array<ItemSpec, 7> CityRow(int y, std::string_view title, std::string_view miles, Color milesBackground) {
  return {Field("city title", 3, y, 33, title, kSelectedRed),
          Button("city back five", "<<-", kCommandCityBackFive, 40, y, 16),
          Button("city back", "<-", kCommandCityBack, 58, y, 11),
          Field("city", 71, y, 115),
          Button("city forward", "->", kCommandCityForward, 188, y, 11),
          Button("city forward five", "->>", kCommandCityForwardFive, 201, y, 16),
          Field("miles", 219, y, 35, miles, milesBackground)};
}
// A leg's times: its departure with the arrows that move it, and its arrival a line below.
constexpr std::array<ItemSpec, 8> TimeRows(int y) {
  return {Caption("Dept Time", 3, y, 60),     Field("departure leg", 66, y, 40),
          Button("earlier", "<-", kCommandTimeEarlier, 108, y, 11), Field("departure", 121, y, 25),
          Button("later", "->", kCommandTimeLater, 148, y, 11),    Caption("Arrival Time", 3, y + 11, 60),
          Field("arrival leg", 66, y + 11, 40),  Field("arrival", 121, y + 11, 25)};
}
constexpr auto kPlaneEdit = Join(
    std::array{Field("class heading", 3, 18, 103, "   PCT     Class", kSelectedRed),
               Field("fare heading", 108, 18, 176, "Price:", kSelectedRed)},
    ClassRow(30, "10", "First"), ClassRow(42, "20", "Business"), ClassRow(54, "", "Economy"),
    CityRow(70, "Origin", " Miles", kSelectedRed), CityRow(81, "Dest", "", kDarkGreen),
    CityRow(92, "Dest", "", kDarkGreen),
    std::array{Caption("Final", 3, 103, 33), Field("final city", 71, 103, 115), Field("final miles", 219, 103, 35)},
    TimeRows(119), TimeRows(142), TimeRows(165),
    std::array{Caption("Max Pass", 185, 165, 55), Field("max pass", 234, 165, 40), Caption("Max Range", 185, 176, 55),
               Field("max range", 234, 176, 40), Cancel(234, 200), Ok(kCommandCommitRoute, 269, 200)});

// "Plane Details": four blocks of a heading and a row for each leg, its route and three figures.
constexpr auto DetailsBlock(std::string_view heading, int y, Color headingBackground, Color rowBackground,
                            Color thirdRowCells) {
  std::array<ItemSpec, 13> block{Field("heading", 2, y, 226, heading, headingBackground)};
  constexpr std::array<std::string_view, 3> kPlaceholderRoutes = {"DFW-MCO", "MCO-ATL", "ATL-DFW"};
  for (std::size_t leg = 0; leg < 3; ++leg) {
    const int rowY = y + 11 * static_cast<int>(leg + 1);
    const Color cells = leg == 2 ? thirdRowCells : rowBackground;
    block[1 + 4 * leg] = Field("route", 2, rowY, 226, kPlaceholderRoutes[leg], rowBackground);
    block[2 + 4 * leg] = Cell("value", 70, rowY, "0", cells);
    block[3 + 4 * leg] = Cell("value", 120, rowY, "0", cells);
    block[4 + 4 * leg] = Cell("value", 170, rowY, "0", cells);
  }
  return block;
}
constexpr auto kPlaneDetails = Join(
    DetailsBlock("Income        1st Class  Bus Class  Eco Class", 18, kGreen, kDarkGreen, kDarkGreen),
    DetailsBlock("Expenses      Fuel      Wages     Misc", 62, kRed, kDarkRed, kDarkGreen),
    DetailsBlock("Passengers    1st Class  Bus Class  Eco Class", 106, kGreen, kDarkGreen, kDarkGreen),
    DetailsBlock("Stats         Profit     Passgrs    Flights", 150, kGreen, kDarkGreen, kDarkGreen),
    std::array{Ok(kCommandFleetList, 214, 199)});

// "Buy / Sell Gates" and "Overview" begin with the same airport rows, each with its own commands.
constexpr std::array<ItemSpec, 8> AirportRows(int fiveBack, int back, int forward, int fiveOn, int locationWidth) {
  return {Caption("Airport", 4, 20, 70),
          Button("airport back five", "<<-", fiveBack, 80, 20, 16),
          Button("airport back", "<-", back, 98, 20, 11),
          Field("airport", 111, 20, 20),
          Button("airport forward", "->", forward, 134, 20, 11),
          Button("airport forward five", "->>", fiveOn, 148, 20, 16),
          Caption("Location", 4, 31, 70),
          Field("location", 80, 31, locationWidth)};
}
constexpr auto kGates = Join(
    AirportRows(kCommandGateAirportFiveBack, kCommandGateAirportPrevious, kCommandGateAirportNext,
                kCommandGateAirportFiveOn, 118),
    std::array{Caption("Gate", 4, 42, 70), Button("gate back", "<-", kCommandGatePrevious, 98, 42, 11),
               Field("gate", 111, 42, 20, "1"), Button("gate forward", "->", kCommandGateNext, 134, 42, 11),
               Caption("Owner", 4, 53, 70), Field("owner", 80, 53, 118, "Available"),
               Button("buy", "Buy", kCommandBuyGate, 136, 68, 20), Button("sell", "Sell", kCommandSellGate, 159, 68, 22),
               Ok(kCommandClose, 184, 68)});
// The market shares, a row an airline in the order of the identity table, each figure in its airline's colour.
constexpr std::array<ItemSpec, 2> ShareRow(int row) {
  return {Caption("Market Share", 4, 42 + 11 * row, 70),
          Field("share", 111, 42 + 11 * row, 45, "1", At(kAirlineIdentities, row).shareColor)};
}
constexpr auto kOverview = Join(
    AirportRows(kCommandOverviewFiveBack, kCommandOverviewPrevious, kCommandOverviewNext, kCommandOverviewFiveOn, 90),
    ShareRow(0), ShareRow(1), ShareRow(2), ShareRow(3),
    std::array{Caption("Gates Owned", 4, 86, 70), Field("gates owned", 111, 86, 30, "1"),
               Caption("Daily Traffic", 4, 97, 70), Field("traffic", 111, 97, 30, "1k"), Ok(kCommandClose, 164, 108)});

constexpr std::array kViewLoans = {
    Caption("No. Loans", 4, 20, 70),   Field("count", 80, 20, 65),
    Caption("Loan Id", 4, 31, 70),     Button("back", "<-", kCommandPreviousLoan, 88, 31, 11),
    Field("loan id", 101, 31, 20),     Button("forward", "->", kCommandNextLoan, 124, 31, 11),
    Caption("Loan Amt", 4, 42, 70),    Field("amount", 80, 42, 65),
    Caption("Amt Left", 4, 53, 70),    Field("amount left", 80, 53, 65),
    Caption("Monthly", 4, 64, 70),     Field("monthly", 80, 64, 65),
    Caption("Months Left", 4, 75, 70), Field("months left", 80, 75, 65),
    Button("payoff", "Payoff", kCommandPayOff, 94, 88, 33), Ok(kCommandClose, 130, 88),
};
constexpr std::array kOptions = {
    Caption("Jetvale by Ombrik", 4, 20, 172), Caption("Game Speed", 4, 35, 70),
    Button("slower", "<-", kCommandSlower, 80, 35, 11), Field("speed", 93, 35, 50, "FAST"),
    Button("faster", "->", kCommandFaster, 145, 35, 11), Cancel(127, 68), Ok(kCommandOptionsOk, 164, 68),
};

// The history chart covers the screen, yet its items keep clear of the lines the frame draws over every window:
// the toolbar's border at x 29, the title line's at y 9 and the status line's at y 230. The legend names the
// airlines in the order of the identity table, cut to fit; a figure choice only selects, and the chart shows the
// selected figure from the next frame on.
constexpr int kChartLeft = 31;
constexpr int kChartWidth = 287;
constexpr int kChartChoices = 213;
constexpr ItemSpec Legend(int row) {
  return Field("legend", kChartLeft + 72 * row, 23, 70, At(kAirlineIdentities, row).shortName,
               At(kAirlineIdentities, row).statementColor);
}
constexpr std::array kHistoryChart = {
    Field("heading", kChartLeft, 12, kChartWidth, "", kBlue),
    Legend(0), Legend(1), Legend(2), Legend(3),
    ItemSpec{"plot", kLabel, "", 0, kChartLeft, 34, kChartWidth, 174, kBlack},
    Choice("figure", "Balance", 0, kChartLeft + 1, kChartChoices, 44),
    Choice("figure", "Income", 0, kChartLeft + 49, kChartChoices, 40),
    Choice("figure", "Expenses", 0, kChartLeft + 93, kChartChoices, 50),
    Choice("figure", "Passengers", 0, kChartLeft + 147, kChartChoices, 60),
    Button("forecast", "Forecast", kCommandChartForecast, kChartLeft + 213, kChartChoices, 44),
    Ok(kCommandClose, kChartLeft + kChartWidth - 16, kChartChoices),
};

// The saved games, a row a place of the save folder (save/saved_games.h), laid out as the chart is; "Save" and
// "Delete" act on slots only. Each is confirmed in a window of its own, whose "No" goes back to the list.
constexpr std::array kSavedGamesHead = {  // the rows lie on a dark panel, as the chart's plot does
    Field("heading", kChartLeft, 12, kChartWidth, "Saved Games", kBlue),
    ItemSpec{"panel", kLabel, "", 0, kChartLeft, 22, kChartWidth, 187, kBlack},
    Cell("file caption", kChartLeft, 24, "File"), Cell("date caption", 108, 24, "Date"),
    Cell("airline caption", 183, 24, "Airline"), Cell("balance caption", 232, 24, "Balance"),
    Cell("planes caption", 279, 24, "Planes"),
};
constexpr std::array kSavedGameRow = {
    Choice("game", "", kCommandSavedGameChoice, kChartLeft, 0, 74), Cell("date", 108, 0, ""),
    Cell("airline", 183, 0, ""), Cell("balance", 232, 0, ""), Cell("planes", 279, 0, ""),
};
constexpr std::array kSavedGamesButtons = {
    Button("save", "Save", kCommandSaveToSlot, kChartLeft + 1, kChartChoices, 24),
    Button("load", "Load", kCommandLoadSavedGame, kChartLeft + 29, kChartChoices, 24),
    Button("delete", "Delete", kCommandDeleteSlot, kChartLeft + 57, kChartChoices, 33),
    Ok(kCommandClose, kChartLeft + kChartWidth - 16, kChartChoices),
};
constexpr std::array kConfirmSavedGame = {
    Field("question", 19, 20, 184, "", kRed), Button("yes", "Yes", kCommandSavedGameYes, 172, 39, 18),
    Button("no", "No", kCommandShowSavedGames, 194, 39, 14),
};

constexpr std::array<WindowSpec, kBuiltWindowCount> kWindows = {{
    {0, 0, 30, 240, "", kToolbar},
    {35, 125, 100, 94, "Tools Menu", kToolsMenu},
    {35, 125, 100, 80, "New Game Menu", kNewGameMenu},
    {35, 60, 100, 80, "Finance Menu", kFinanceMenu},
    {35, 24, 100, 80, "Planes Menu", kPlanesMenu},
    {35, 90, 100, 80, "Passengers Menu", kPassengersMenu},
    {60, 60, 222, 120, "   Plane Type  Range Pass  Speed   Price", {}, {20, 11, kPurchaseRow}, 0, kPurchaseButtons},
    {70, 60, 210, 50, "Save Game", kSaveConfirm},
    {70, 60, 210, 50, "Load Game", kLoadConfirm},
    {70, 60, 210, 50, "Exit Game", kExitConfirm},
    {60, 60, 230, 120, "   Plane Id  Plane Type  Age\t Revenue Profit", {}, {18, 11, kFleetRow}, 0, kFleetButtons},
    {55, 25, 230, 190, "Financial Statement", kStatementHeading, {29, 11, kStatementRow}, 0, kStatementFoot},
    {80, 80, 160, 80, "New Loan", kNewLoan},
    {30, 15, 285, 214, "Plane Edit", kPlaneEdit},
    {55, 15, 230, 210, "Plane Details", kPlaneDetails},
    {70, 80, 200, 80, "Buy / Sell Gates", kGates},
    {90, 75, 147, 101, "View Loans", kViewLoans},
    {70, 80, 180, 80, "Options", kOptions},
    {80, 60, 180, 120, "Overview", kOverview},
    {70, 60, 210, 50, "Exit Game", kClickToExit},
    {0, 0, kScreenWidth, kScreenHeight, "", kHistoryChart, {}, 0, {}, "figure"},
    {0, 0, kScreenWidth, kScreenHeight, "", kSavedGamesHead, {36, 14, kSavedGameRow}, kSavedGamePlaces.size(),
     kSavedGamesButtons},
    {70, 60, 210, 50, "Saved Games", kConfirmSavedGame},
}};

// The statement's rows are the ledger's: its titles, and which rows have figures; the table gives their colours.
void AddStatementRows(GameWindow& window, const RowTemplate& rows) {
  for (std::size_t r = 0; r < kStatementRows.size(); ++r) {
    const int dy = rows.top + rows.step * static_cast<int>(r);
    ItemSpec title = rows.items.front();
    title.text = kStatementRows[r].title;
    title.background = kStatementRowColors[r];
    window.Add(title, dy);
    if (!kStatementRows[r].HasValues()) continue;
    for (const ItemSpec& cell : rows.items.subspan(1)) window.Add(cell, dy);
  }
}

}  // namespace

void BuildWindows(WindowTable& table) {
  for (const WindowSpec& spec : kWindows) {
    const int index = table.AddWindow(spec.x, spec.y, spec.width, spec.height, std::string(spec.title));
    GameWindow& window = table[index];
    if (index == kPurchaseListWindow || index == kFleetListWindow) continue;  // built when shown
    for (const ItemSpec& item : spec.items) window.Add(item);
    if (index == kStatementWindow) AddStatementRows(window, spec.rows);
    for (std::size_t r = 0; r < spec.rowCount; ++r) {
      for (const ItemSpec& item : spec.rows.items) window.Add(item, spec.rows.top + spec.rows.step * static_cast<int>(r));
    }
    for (const ItemSpec& item : spec.after) window.Add(item);
    if (!spec.selected.empty()) {
      window.selectedItem = window.Find(spec.selected);
      window.Item(window.selectedItem).background = kSelectedRed;
    }
  }
}

void BuildList(GameWindow& list, int window, int rows, bool previousPage, bool nextPage) {
  const WindowSpec& spec = At(kWindows, window);
  list.ResetItems();
  for (int r = 0; r < rows; ++r) {
    for (const ItemSpec& item : spec.rows.items) list.Add(item, spec.rows.top + spec.rows.step * r);
  }
  for (const ItemSpec& button : spec.after) {
    if ((button.name == "prev" && !previousPage) || (button.name == "next" && !nextPage)) continue;
    list.Add(button);
  }
}

}  // namespace jetvale
