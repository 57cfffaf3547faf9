// Planes menu handlers. The lists are rebuilt from the game whenever they are opened, paged or changed, row by row
// from their windows' row templates.
#include "screens/planes.h"

#include <algorithm>
#include <array>

#include "sim/fleet_operations.h"
#include "text/number_text.h"
#include "world/booking.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kRowsPerPage = 8;

constexpr const char* kSelectAType = "Please select a Plane";
constexpr const char* kSelectAPlane = "Please select a plane";
constexpr const char* kNoPlanes = "No planes available";
constexpr const char* kPurchased = "Plane Purchased";
constexpr const char* kSold = "Plane Sold";
constexpr const char* kFleetFull = "Maximum Planes Exceeded";

Airline& Player(Ui& ui) { return ui.game.world.Player(); }

// The page's first row and the rows it shows of `count`.
int RowsOnPage(int start, int count) { return std::min(kRowsPerPage, count - start); }

void BuildPurchaseList(Ui& ui, int) {
  const int start = ui.planes.purchaseListStart;
  GameWindow& w = ui.windows[kPurchaseListWindow];
  const int rows = RowsOnPage(start, kAircraftTypeCount);
  BuildList(w, kPurchaseListWindow, rows, start > 0, kAircraftTypeCount > start + kRowsPerPage);
  for (int r = 0; r < rows; ++r) {
    const AircraftType& type = At(kAircraftTypes, start + r);
    w.Named("choice", r).text = type.name;
    w.Named("range", r).text = IntegerText(type.range);
    w.Named("passengers", r).text = IntegerText(type.passengers);
    w.Named("speed", r).text = IntegerText(type.speed);
    w.Named("price", r).text = SignificantDigits(static_cast<double>(type.price) * 1e-6, 5) + "M";
  }
}

void BuildFleetList(Ui& ui, int) {
  const PlanesScreenState& s = ui.planes;
  const Airline& player = Player(ui);
  GameWindow& w = ui.windows[kFleetListWindow];
  const int rows = RowsOnPage(s.fleetListStart, player.planeCount);
  BuildList(w, kFleetListWindow, rows, s.fleetListStart > 0, player.planeCount > s.fleetListStart + kRowsPerPage);
  for (int r = 0; r < rows; ++r) {
    const Plane& p = At(player.planes, At(s.fleetOrder, s.fleetListStart + r));
    w.Named("choice", r).text = p.tag;
    w.Named("type", r).text = At(kAircraftTypes, p.type).name;
    w.Named("age", r).text = FormatAge(p.age);
    w.Named("revenue", r).text = FormatMoney(p.revenue);
    w.Named("profit", r).text = FormatMoney(p.profit);
  }
}

void ShowPurchaseList(Ui& ui) { ui.Show(kPurchaseListWindow); }
void ShowFleetList(Ui& ui) { ui.Show(kFleetListWindow); }

int PlanesOk(Ui& ui, int) { return ui.windows[kPlanesMenuWindow].ChosenCommand(kCommandPlanesMenu); }

// Paging turns the page, which is rebuilt at once; at the first or last page the list stays as it is.
void PurchasePrev(Ui& ui, int) {
  if (ui.planes.purchaseListStart >= kRowsPerPage) ui.planes.purchaseListStart -= kRowsPerPage;
  BuildPurchaseList(ui, kNoItem);
}
void PurchaseNext(Ui& ui, int) {
  if (kAircraftTypeCount > ui.planes.purchaseListStart + kRowsPerPage) ui.planes.purchaseListStart += kRowsPerPage;
  BuildPurchaseList(ui, kNoItem);
}
void FleetPrev(Ui& ui, int) {
  if (ui.planes.fleetListStart >= kRowsPerPage) ui.planes.fleetListStart -= kRowsPerPage;
  BuildFleetList(ui, kNoItem);
}
void FleetNext(Ui& ui, int) {
  if (Player(ui).planeCount > ui.planes.fleetListStart + kRowsPerPage) ui.planes.fleetListStart += kRowsPerPage;
  BuildFleetList(ui, kNoItem);
}

// The chosen type goes into the lowest free slot of the player's twenty; the price is paid even into the red, but
// a price past the bottom of the balance's range is refused with the list still open.
int Buy(Ui& ui, int) {
  const GameWindow& w = ui.windows[kPurchaseListWindow];
  if (w.selectedItem == kNoSelection) {
    ui.Say(kSelectAType);
    return kCommandShowPurchaseList;
  }
  const WindowItem& chosen = w.Item(w.selectedItem);
  if (chosen.command != kCommandTypeChoice) return kCommandNone;
  const int type = At(kAircraftTypes, ui.planes.purchaseListStart + chosen.row).index;
  const int slot = BuyPlaneIntoFreeSlot(Player(ui), type, kPlayerFleetLimit);
  if (slot == kPriceOutOfReach) {
    ui.Say(std::string(kBalanceLimitExceeded));
    return kCommandShowPurchaseList;
  }
  if (slot == kNoFreeSlot) {
    ui.Say(kFleetFull);
    return kCommandNone;
  }
  At(ui.planes.fleetOrder, ui.planes.fleetCount++) = slot;
  ui.Say(kPurchased);
  return kCommandNone;
}

// The list is rebuilt a frame after a sale, with the page where it was.
void Sell(Ui& ui, int) {
  if (ExplainMissingSelection(ui)) return;
  PlanesScreenState& s = ui.planes;
  const int row = s.fleetListStart + ui.windows[kFleetListWindow].Item(ui.windows[kFleetListWindow].selectedItem).row;
  if (SellFleetPlane(ui.game.world, Player(ui).index, At(s.fleetOrder, row))) {
    for (int i = row; i + 1 < s.fleetCount; ++i) {
      At(s.fleetOrder, i) = At(s.fleetOrder, i + 1);
    }
    s.fleetCount -= 1;
    ui.Say(kSold);
  } else {
    ui.Say(std::string(kBalanceLimitExceeded));
  }
}

// Plane details: one row per leg in four blocks (income, expenses, passengers, stats), refilled every frame.
int OpenDetails(Ui& ui, int) { return ExplainMissingSelection(ui) ? kCommandShowFleetList : kCommandShowDetails; }

std::string RouteText(const World& world, const Flight& leg) {
  if (!IsValidAirportId(leg.origin) || !IsValidAirportId(leg.destination)) return "";
  return std::string(world.AirportById(leg.origin).info->code) + "-" +
         std::string(world.AirportById(leg.destination).info->code);
}

void ShowDetails(Ui& ui) {
  const Plane& p = At(Player(ui).planes, SelectedFleetPlane(ui));
  GameWindow& w = ui.windows[kPlaneDetailsWindow];
  constexpr int kLegRows = 3;
  for (int leg = 0; leg < kLegRows; ++leg) {
    const Flight& f = At(p.legs, leg);
    const bool shown = p.legCount > 0 && (leg < 2 || p.legCount == 3);
    const std::array<std::array<double, 3>, 4> blocks = {{
        {f.firstIncome, f.businessIncome, f.economyIncome},
        {f.fuel, f.wages, f.miscellaneous},
        {static_cast<double>(f.totalFirst), static_cast<double>(f.totalBusiness), static_cast<double>(f.totalEconomy)},
        {f.profit, static_cast<double>(f.totalPassengers), static_cast<double>(f.timesFlown)},
    }};
    for (std::size_t block = 0; block < blocks.size(); ++block) {
      const int row = static_cast<int>(block) * kLegRows + leg;
      w.Named("route", row).text = shown ? RouteText(ui.game.world, f) : "";
      for (std::size_t column = 0; column < 3; ++column) {
        w.Named("value", row * 3 + static_cast<int>(column)).text =
            p.legCount == 0 ? "0" : shown ? FormatMoney(blocks[block][column]) : "";
      }
    }
  }
  ui.Show(kPlaneDetailsWindow);
}

constexpr std::array kRoutes = {
    Quietly(Choosing(kCommandPlanesOk, PlanesOk)),
    Action(kCommandPurchaseList, BuildPurchaseList, kCommandShowPurchaseList),
    Screen(kCommandShowPurchaseList, ShowPurchaseList),
    Action(kCommandPurchasePrev, PurchasePrev, kCommandShowPurchaseList),
    Action(kCommandPurchaseNext, PurchaseNext, kCommandShowPurchaseList),
    Choosing(kCommandBuy, Buy),
    Action(kCommandFleetList, BuildFleetList, kCommandShowFleetList),
    Screen(kCommandShowFleetList, ShowFleetList),
    Action(kCommandFleetPrev, FleetPrev, kCommandShowFleetList),
    Action(kCommandFleetNext, FleetNext, kCommandShowFleetList),
    Action(kCommandSell, Sell, kCommandFleetList),
    Choosing(kCommandDetails, OpenDetails),
    Screen(kCommandShowDetails, ShowDetails),
};

}  // namespace

bool ExplainMissingSelection(Ui& ui) {
  if (SelectedFleetPlane(ui) >= 0) return false;
  ui.Say(Player(ui).planeCount == 0 ? kNoPlanes : kSelectAPlane);
  return true;
}

int SelectedFleetPlane(const Ui& ui) {
  const GameWindow& w = ui.windows[kFleetListWindow];
  if (w.selectedItem == kNoSelection) return -1;
  // The list on screen is rebuilt a frame after a sale: until then its last row may be a plane already sold.
  const int row = ui.planes.fleetListStart + w.Item(w.selectedItem).row;
  return row < ui.planes.fleetCount ? At(ui.planes.fleetOrder, row) : -1;
}

std::span<const CommandRoute> PlanesRoutes() { return kRoutes; }

}  // namespace jetvale
