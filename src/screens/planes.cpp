// Planes menu handlers. The lists are rebuilt from the game whenever they are opened, paged or changed; every row
// is six items (marker, choice, four values), so row r's choice is item 6 r + 1.
#include "screens/planes.h"

#include <array>

#include "sim/fleet_operations.h"
#include "text/number_text.h"
#include "ui/toolbar.h"
#include "world/booking.h"

namespace jetvale {
namespace {

constexpr int kRowsPerPage = 8;
constexpr int kButtonLine = 109;

constexpr const char* kSelectAType = "Please select a Plane";
constexpr const char* kSelectAPlane = "Please select a plane";
constexpr const char* kNoPlanes = "No planes available";
constexpr const char* kPurchased = "Plane Purchased";
constexpr const char* kSold = "Plane Sold";
constexpr const char* kFleetFull = "Maximum Planes Exceeded";

Airline& Player(Ui& ui) { return ui.game.world.Player(); }

void AddRow(GameWindow& w, int top, std::string choice, int choiceWidth, int command,
            const std::array<std::pair<int, std::string>, 4>& values) {
  w.AddItem(4, top, 11, 9, kLabel, "->", 0, kOrange);
  w.AddItem(19, top, choiceWidth, 9, kChoice, std::move(choice), command, kDarkGreen);
  for (const auto& [x, text] : values) w.AddItem(x, top, 0, 0, kValueCell, text, 0, kDarkGreen, kWhite, 1);
}

void AddButton(GameWindow& w, int x, int width, std::string text, int command) {
  w.AddItem(x, kButtonLine, width, 9, kButton, std::move(text), command, kOrange);
}

void BuildPurchaseList(Ui& ui) {
  PlanesScreenState& s = ui.planes;
  GameWindow& w = ui.windows[kPurchaseListWindow];
  w.ResetItems();
  for (int r = 0; r < kRowsPerPage && s.purchaseListStart + r < kAircraftTypeCount; ++r) {
    const int position = s.purchaseListStart + r;
    const AircraftType& type = kAircraftTypes[static_cast<std::size_t>(position)];
    s.rowType[static_cast<std::size_t>(position)] = type.index;
    AddRow(w, 20 + 11 * r, std::string(type.name), 200, kCommandTypeChoice,
           {{{75, IntegerText(type.range)},
             {105, IntegerText(type.passengers)},
             {145, IntegerText(type.speed)},
             {170, SignificantDigits(static_cast<double>(type.price) * 1e-6, 5) + "M"}}});
  }
  if (s.purchaseListStart > 0) AddButton(w, 4, 25, "Prev", kCommandPurchasePrev);
  if (kAircraftTypeCount > s.purchaseListStart + kRowsPerPage) AddButton(w, 33, 25, "Next", kCommandPurchaseNext);
  AddButton(w, 168, 33, "Cancel", kCommandClose);
  AddButton(w, 205, 14, "Ok", kCommandBuy);
  ui.command = kCommandShowPurchaseList;
  ui.Show(kPurchaseListWindow);
}

void BuildFleetList(Ui& ui) {
  PlanesScreenState& s = ui.planes;
  const Airline& player = Player(ui);
  GameWindow& w = ui.windows[kFleetListWindow];
  w.ResetItems();
  for (int r = 0; r < kRowsPerPage && s.fleetListStart + r < player.planeCount; ++r) {
    const Plane& p = player.planes[static_cast<std::size_t>(s.fleetOrder[static_cast<std::size_t>(s.fleetListStart + r)])];
    AddRow(w, 18 + 11 * r, p.tag, 208, kCommandPlaneChoice,
           {{{63, std::string(kAircraftTypes[static_cast<std::size_t>(p.type)].name)},
             {123, FormatAge(p.age)},
             {152, FormatMoney(p.revenue)},
             {188, FormatMoney(p.profit)}}});
  }
  if (s.fleetListStart > 0) AddButton(w, 4, 25, "Prev", kCommandFleetPrev);
  if (player.planeCount > s.fleetListStart + kRowsPerPage) AddButton(w, 33, 25, "Next", kCommandFleetNext);
  AddButton(w, 96, 25, "Sell", kCommandSell);
  AddButton(w, 124, 37, "Details", kCommandDetails);
  AddButton(w, 164, 33, "Close", kCommandClose);
  AddButton(w, 200, 28, "Route", kCommandRouteEditor);
  ui.command = kCommandShowFleetList;
  ui.Show(kFleetListWindow);
}

void ShowPurchaseList(Ui& ui) { ui.Show(kPurchaseListWindow); }
void ShowFleetList(Ui& ui) { ui.Show(kFleetListWindow); }

void PlanesOk(Ui& ui) { ui.TakeMenuChoice(kPlanesMenuWindow, kCommandPlanesMenu); }

// Paging turns the page and rebuilds it at once; at the first or last page the list stays as it is.
void PurchasePrev(Ui& ui) {
  if (ui.planes.purchaseListStart >= kRowsPerPage) ui.planes.purchaseListStart -= kRowsPerPage;
  BuildPurchaseList(ui);
}
void PurchaseNext(Ui& ui) {
  if (kAircraftTypeCount > ui.planes.purchaseListStart + kRowsPerPage) ui.planes.purchaseListStart += kRowsPerPage;
  BuildPurchaseList(ui);
}
void FleetPrev(Ui& ui) {
  if (ui.planes.fleetListStart >= kRowsPerPage) ui.planes.fleetListStart -= kRowsPerPage;
  BuildFleetList(ui);
}
void FleetNext(Ui& ui) {
  if (Player(ui).planeCount > ui.planes.fleetListStart + kRowsPerPage) ui.planes.fleetListStart += kRowsPerPage;
  BuildFleetList(ui);
}

// The chosen type goes into the lowest free slot of the player's twenty; the price is paid even into the red, but
// a price past the bottom of the balance's range is refused with the list still open.
void Buy(Ui& ui) {
  const GameWindow& w = ui.windows[kPurchaseListWindow];
  if (w.selectedItem == kNoSelection) {
    ui.Say(kSelectAType);
    ui.command = kCommandShowPurchaseList;
    ui.Show(kPurchaseListWindow);
    return;
  }
  if (w.Item(w.selectedItem).command != kCommandTypeChoice) {
    ui.ShowMap();
    return;
  }
  const int type = ui.planes.rowType[static_cast<std::size_t>(ui.planes.purchaseListStart + ListRowOfItem(w.selectedItem))];
  const int slot = BuyPlaneIntoFreeSlot(Player(ui), type, kPlayerFleetLimit);
  if (slot == kPriceOutOfReach) {
    ui.Say(std::string(kBalanceLimitExceeded));
    ui.command = kCommandShowPurchaseList;
    ui.Show(kPurchaseListWindow);
    return;
  }
  if (slot == kNoFreeSlot) {
    ui.Say(kFleetFull);
    ui.ShowMap();
    return;
  }
  ui.planes.fleetOrder[static_cast<std::size_t>(ui.planes.fleetCount++)] = slot;
  ui.Say(kPurchased);
  ui.ShowMap();
}

}  // namespace

bool ExplainMissingSelection(Ui& ui, int nextCommand) {
  if (SelectedFleetPlane(ui) >= 0) return false;
  ui.Say(Player(ui).planeCount == 0 ? kNoPlanes : kSelectAPlane);
  ui.command = nextCommand;
  ui.Show(kFleetListWindow);
  return true;
}

namespace {

void Sell(Ui& ui) {
  if (ExplainMissingSelection(ui, kCommandFleetList)) return;
  PlanesScreenState& s = ui.planes;
  const int row = s.fleetListStart + ListRowOfItem(ui.windows[kFleetListWindow].selectedItem);
  if (SellFleetPlane(ui.game.world, Player(ui).index, s.fleetOrder[static_cast<std::size_t>(row)])) {
    for (int i = row; i + 1 < s.fleetCount; ++i) {
      s.fleetOrder[static_cast<std::size_t>(i)] = s.fleetOrder[static_cast<std::size_t>(i + 1)];
    }
    s.fleetCount -= 1;
    ui.Say(kSold);
  } else {
    ui.Say(std::string(kBalanceLimitExceeded));
  }
  ui.command = kCommandFleetList;
  ui.Show(kFleetListWindow);
}

// Plane details: one row per leg in four sections (income, expenses, passengers, stats), refilled every frame.
constexpr int kLegRows = 3;

std::string RouteText(const World& world, const Flight& leg) {
  if (!IsValidAirportId(leg.origin) || !IsValidAirportId(leg.destination)) return "";
  return std::string(world.AirportById(leg.origin).info->code) + "-" +
         std::string(world.AirportById(leg.destination).info->code);
}

void FillDetails(Ui& ui) {
  if (ExplainMissingSelection(ui, kCommandShowFleetList)) return;
  const Plane& p = Player(ui).planes[static_cast<std::size_t>(SelectedFleetPlane(ui))];
  GameWindow& w = ui.windows[kPlaneDetailsWindow];
  for (int leg = 0; leg < kLegRows; ++leg) {
    const Flight& f = p.legs[static_cast<std::size_t>(leg)];
    const bool shown = p.legCount > 0 && (leg < 2 || p.legCount == 3);
    const std::array<std::array<double, 3>, 4> sections = {{
        {f.firstIncome, f.businessIncome, f.economyIncome},
        {f.fuel, f.wages, f.miscellaneous},
        {static_cast<double>(f.totalFirst), static_cast<double>(f.totalBusiness), static_cast<double>(f.totalEconomy)},
        {f.profit, static_cast<double>(f.totalPassengers), static_cast<double>(f.timesFlown)},
    }};
    for (int section = 0; section < 4; ++section) {
      const int label = DetailsTitleItem(section, leg);
      w.Item(label).text = shown ? RouteText(ui.game.world, f) : "";
      for (int column = 0; column < 3; ++column) {
        const double value = sections[static_cast<std::size_t>(section)][static_cast<std::size_t>(column)];
        w.Item(label + 1 + column).text = p.legCount == 0 ? "0" : shown ? FormatMoney(value) : "";
      }
    }
  }
  ui.Show(kPlaneDetailsWindow);
}

constexpr std::array<CommandRoute, 12> kRoutes = {{
    {kCommandPlanesOk, PlanesOk},
    {kCommandPurchaseList, BuildPurchaseList},
    {kCommandShowPurchaseList, ShowPurchaseList},
    {kCommandPurchasePrev, PurchasePrev},
    {kCommandPurchaseNext, PurchaseNext},
    {kCommandBuy, Buy},
    {kCommandFleetList, BuildFleetList},
    {kCommandShowFleetList, ShowFleetList},
    {kCommandFleetPrev, FleetPrev},
    {kCommandFleetNext, FleetNext},
    {kCommandSell, Sell},
    {kCommandDetails, FillDetails},
}};

}  // namespace

int SelectedFleetPlane(const Ui& ui) {
  const GameWindow& w = ui.windows[kFleetListWindow];
  if (w.selectedItem == kNoSelection) return -1;
  // The list on screen is rebuilt a frame after a sale: until then its last row may be a plane already sold.
  const int row = ui.planes.fleetListStart + ListRowOfItem(w.selectedItem);
  return row < ui.planes.fleetCount ? ui.planes.fleetOrder[static_cast<std::size_t>(row)] : -1;
}

std::span<const CommandRoute> PlanesRoutes() { return kRoutes; }

}  // namespace jetvale
