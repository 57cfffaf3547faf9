// Route editor handlers. Edits go to the working copy (the seat split straight to the plane); "Ok" checks the trip
// and routes the plane through the game's one routing operation. Arrows of one kind share a command: the row of
// the tapped one tells which class, city or leg it belongs to.
#include "screens/schedule_editor.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "screens/planes.h"
#include "sim/fleet_operations.h"
#include "sim/great_circle.h"
#include "sim/schedule.h"
#include "text/number_text.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kPercentMax = 100;
constexpr const char* kFlightScheduled = "Flight Scheduled";

Plane& EditedPlane(Ui& ui) { return At(ui.game.world.Player().planes, ui.planes.editedPlane); }
const AircraftType& EditedType(Ui& ui) { return At(kAircraftTypes, EditedPlane(ui).type); }
GameWindow& Editor(Ui& ui) { return ui.windows[kPlaneEditWindow]; }
std::string& Text(Ui& ui, std::string_view name, int row = 0) { return Editor(ui).Named(name, row).text; }

std::string Code(const Ui& ui, int id) { return IsValidAirportId(id) ? std::string(ui.game.world.AirportById(id).info->code) : ""; }
std::string Name(const Ui& ui, int id) { return IsValidAirportId(id) ? std::string(ui.game.world.AirportById(id).info->name) : ""; }

// Leg k's ends: the trip's cities in order, the last leg back to the first city.
int LegFrom(const ScheduleDraft& d, std::size_t k) { return d.city[k]; }
int LegTo(const ScheduleDraft& d, std::size_t k) { return static_cast<int>(k) >= d.lastLeg ? d.city[0] : d.city[k + 1]; }
int Miles(const Ui& ui, int from, int to) { return LegMiles(ui.game.world, from, to); }

int LastLegOf(const ScheduleDraft& d) {
  if (d.city[0] == 0 || d.city[1] == 0) return 0;
  return d.city[2] == 0 ? 1 : 2;
}

// The fares go row by row (first, business, economy), leg by leg.
std::string& FareText(Ui& ui, std::size_t cls, std::size_t leg) { return Text(ui, "fare", static_cast<int>(3 * cls + leg)); }
void ShowFare(Ui& ui, std::size_t cls, std::size_t leg) { FareText(ui, cls, leg) = FormatMoney(ui.draft.fare[cls][leg]); }

// Leg k's miles stand in the row of the city it flies to; the last leg's in the "Final" row.
std::string& MilesText(Ui& ui, std::size_t leg) { return leg < 2 ? Text(ui, "miles", static_cast<int>(leg + 1)) : Text(ui, "final miles"); }

// Departure and arrival texts of every leg of the trip (leg 0 alone when there is none); later legs emptied.
void RefreshTimes(Ui& ui) {
  ScheduleDraft& d = ui.draft;
  const AircraftType& type = EditedType(ui);
  for (std::size_t k = 0; k < 3; ++k) {
    const int leg = static_cast<int>(k);
    if (leg > d.lastLeg) {
      for (const std::string_view name : {"departure leg", "departure", "arrival leg", "arrival"}) Text(ui, name, leg).clear();
      continue;
    }
    const int departure = d.departure[k];
    const int miles = Miles(ui, LegFrom(d, k), LegTo(d, k));
    const double hours = BlockHours(miles, type.index);
    d.arrival[k] = ArrivalSlot(departure, miles, type.index);
    const int depHours = departure / 4 % 24;
    const int depMinutes = departure % 4 * 15;
    int arrMinutes = depMinutes + static_cast<int>((hours - std::trunc(hours)) * 60);
    int arrHours = depHours + static_cast<int>(hours) + arrMinutes / 60;
    arrMinutes %= 60;
    arrHours %= 24;
    Text(ui, "departure", leg) = QuarterSlotText(departure);
    Text(ui, "arrival", leg) = ClockText(arrHours, arrMinutes);
  }
}

// Names, fare header, leg labels, miles and default fares of the trip as its cities now stand.
void RefreshTrip(Ui& ui) {
  ScheduleDraft& d = ui.draft;
  d.lastLeg = LastLegOf(d);
  for (std::size_t row = 0; row < 3; ++row) Text(ui, "city", static_cast<int>(row)) = Name(ui, d.city[row]);
  Text(ui, "final city") = d.lastLeg > 0 ? Name(ui, d.city[0]) : "";
  std::string header = "Price:";
  if (d.lastLeg == 0 && d.city[0] != 0) header += "  " + Code(ui, d.city[0]) + "-";
  for (std::size_t k = 0; k < 3; ++k) {
    const bool inTrip = d.lastLeg > 0 && static_cast<int>(k) <= d.lastLeg;
    const std::string pair = inTrip ? Code(ui, LegFrom(d, k)) + "-" + Code(ui, LegTo(d, k)) : "";
    if (inTrip) header += (k == 0 ? "  " : "   ") + pair;
    Text(ui, "departure leg", static_cast<int>(k)) = pair;
    Text(ui, "arrival leg", static_cast<int>(k)) = pair;
    if (!inTrip) {
      MilesText(ui, k).clear();
      for (std::size_t cls = 0; cls < 3; ++cls) {
        d.fare[cls][k] = 0;
        FareText(ui, cls, k).clear();
      }
      continue;
    }
    const int miles = Miles(ui, LegFrom(d, k), LegTo(d, k));
    MilesText(ui, k) = IntegerText(miles);
    const LegFares fares = DefaultFares(miles);
    d.fare[0][k] = fares.first;
    d.fare[1][k] = fares.business;
    d.fare[2][k] = fares.economy;
    for (std::size_t cls = 0; cls < 3; ++cls) ShowFare(ui, cls, k);
  }
  Text(ui, "fare heading") = header;
  RefreshTimes(ui);
}

void Show(Ui& ui) { ui.Show(kPlaneEditWindow); }

// Opens the editor on the chosen plane: its seat split, its trip and fares, and its departure times.
int Open(Ui& ui, int) {
  if (ExplainMissingSelection(ui)) return kCommandShowFleetList;
  ui.planes.editedPlane = SelectedFleetPlane(ui);
  const Plane& p = EditedPlane(ui);
  ScheduleDraft& d = ui.draft;
  d.percent = {p.seats.firstPercent, p.seats.businessPercent, p.seats.economyPercent};
  // The spare points are the plane's own: what its split leaves of 100, so no plane's seats add up past 100.
  d.freePoints = std::max(0, kPercentMax - d.percent[0] - d.percent[1] - d.percent[2]);
  for (std::size_t cls = 0; cls < 3; ++cls) Text(ui, "percent", static_cast<int>(cls)) = IntegerText(d.percent[cls]);
  Text(ui, "max pass") = IntegerText(EditedType(ui).passengers);
  Text(ui, "max range") = IntegerText(EditedType(ui).range);
  d.city = {};
  if (p.legCount >= 1) d.city[0] = p.legs[0].origin;
  if (p.legCount >= 2) d.city[1] = p.legs[0].destination;
  if (p.legCount >= 3) d.city[2] = p.legs[1].destination;
  // A routed plane shows its own times; a new one starts from the last edit's.
  for (std::size_t k = 0; static_cast<int>(k) < p.legCount && k < 3; ++k) d.departure[k] = p.legs[k].departure;
  RefreshTrip(ui);
  for (std::size_t k = 0; d.lastLeg > 0 && static_cast<int>(k) <= d.lastLeg; ++k) {
    d.fare[0][k] = p.legs[k].firstFare;
    d.fare[1][k] = p.legs[k].businessFare;
    d.fare[2][k] = p.legs[k].economyFare;
    for (std::size_t cls = 0; cls < 3; ++cls) ShowFare(ui, cls, k);
  }
  return kCommandShowRouteEditor;
}

// The row of the tapped item when it is one of the editor's controls called `name`; nothing for any other.
std::optional<std::size_t> TappedRow(Ui& ui, int item, std::string_view name) {
  const WindowItem* tapped = Editor(ui).ItemAt(item);
  if (tapped == nullptr || tapped->name != name) return std::nullopt;
  return static_cast<std::size_t>(tapped->row);
}

// Points move between classes: a point taken from one class can be given to another, so the sum stays.
void StepPercent(Ui& ui, int item, int direction) {
  const auto cls = TappedRow(ui, item, direction < 0 ? "percent down" : "percent up");
  if (!cls) return;
  ScheduleDraft& d = ui.draft;
  int& percent = d.percent[*cls];
  if (direction < 0 && percent > 0) {
    percent -= 1;
    d.freePoints += 1;
  } else if (direction > 0 && percent < kPercentMax && d.freePoints > 0) {
    percent += 1;
    d.freePoints -= 1;
  }
  SetSeatPlan(ui.game.world, ui.game.world.Player().index, ui.planes.editedPlane,
              {d.percent[0], d.percent[1], d.percent[2]});
  Text(ui, "percent", static_cast<int>(*cls)) = IntegerText(percent);
}

// Fares move by 2 below 300, by 5 below 1000 and by 10 above; there is no floor.
void StepFare(Ui& ui, int item, int sign) {
  const auto cell = TappedRow(ui, item, sign < 0 ? "fare down" : "fare up");
  if (!cell) return;
  double& fare = ui.draft.fare[*cell / 3][*cell % 3];
  int step = sign;
  if (fare > 0 && fare < 300) step *= 2;
  if (fare > 300 && fare < 1000) step *= 5;
  if (fare > 1000) step *= 10;
  fare += step;
  ShowFare(ui, *cell / 3, *cell % 3);
}

void StepCity(Ui& ui, int item, std::string_view arrow) {
  const auto row = TappedRow(ui, item, arrow);
  if (!row) return;
  int& city = ui.draft.city[*row];
  if (arrow == "city forward") {
    city = city >= 51 ? 0 : city + 1;
  } else if (arrow == "city forward five") {
    city = city >= 51 ? 0 : city + 5 < 51 ? city + 5 : 51 - city;
  } else if (arrow == "city back") {
    city = city < 1 ? 0 : city - 1;
  } else {  // five back from the first four airports reaches round to the last one
    city = city < 1 ? 0 : city >= 5 ? city - 5 : kAirportCount;
  }
  RefreshTrip(ui);
}

// Departures move a quarter hour at a time round the clock.
void StepTime(Ui& ui, int item, int direction) {
  const auto leg = TappedRow(ui, item, direction < 0 ? "earlier" : "later");
  if (!leg) return;
  int& departure = ui.draft.departure[*leg];
  departure = (departure + direction + kQuarterSlotsPerDay) % kQuarterSlotsPerDay;
  RefreshTimes(ui);
}

int Commit(Ui& ui, int) {
  ScheduleDraft& d = ui.draft;
  const std::size_t stopCount = d.lastLeg < 1 ? 1 : static_cast<std::size_t>(d.lastLeg) + 1;
  std::array<RouteStop, 3> stops{};
  std::array<LegFares, 3> fares{};
  for (std::size_t k = 0; k < stopCount; ++k) {
    stops[k] = {d.city[k], d.departure[k]};
    fares[k] = {d.fare[0][k], d.fare[1][k], d.fare[2][k]};
  }
  const auto trip = std::span(stops).first(stopCount);
  const ScheduleProblem problem = CheckSchedule(ui.game.world, EditedPlane(ui).type, trip);
  if (problem != ScheduleProblem::kNone) {
    ui.Say(std::string(ScheduleProblemText(problem)));
    return kCommandShowRouteEditor;
  }
  RoutePlane(ui.game.world, 0, ui.planes.editedPlane, trip, std::span(fares).first(trip.size()));
  d.city = {};
  d.percent = {};
  d.fare = {};
  ui.Say(kFlightScheduled);
  return kCommandShowFleetList;
}

constexpr std::array kRoutes = {
    Choosing(kCommandRouteEditor, Open),
    Screen(kCommandShowRouteEditor, Show),
    Action(kCommandPercentDown, [](Ui& ui, int item) { StepPercent(ui, item, -1); }, kCommandShowRouteEditor),
    Action(kCommandPercentUp, [](Ui& ui, int item) { StepPercent(ui, item, +1); }, kCommandShowRouteEditor),
    Action(kCommandFareDown, [](Ui& ui, int item) { StepFare(ui, item, -1); }, kCommandShowRouteEditor),
    Action(kCommandFareUp, [](Ui& ui, int item) { StepFare(ui, item, +1); }, kCommandShowRouteEditor),
    Action(kCommandCityBackFive, [](Ui& ui, int item) { StepCity(ui, item, "city back five"); }, kCommandShowRouteEditor),
    Action(kCommandCityBack, [](Ui& ui, int item) { StepCity(ui, item, "city back"); }, kCommandShowRouteEditor),
    Action(kCommandCityForward, [](Ui& ui, int item) { StepCity(ui, item, "city forward"); }, kCommandShowRouteEditor),
    Action(kCommandCityForwardFive, [](Ui& ui, int item) { StepCity(ui, item, "city forward five"); },
           kCommandShowRouteEditor),
    Action(kCommandTimeEarlier, [](Ui& ui, int item) { StepTime(ui, item, -1); }, kCommandShowRouteEditor),
    Action(kCommandTimeLater, [](Ui& ui, int item) { StepTime(ui, item, +1); }, kCommandShowRouteEditor),
    Choosing(kCommandCommitRoute, Commit),
};

}  // namespace

std::span<const CommandRoute> ScheduleEditorRoutes() { return kRoutes; }

}  // namespace jetvale
