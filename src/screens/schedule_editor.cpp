// Route editor handlers. Edits go to the working copy (the seat split straight to the plane); "Ok" checks the trip
// and routes the plane through the game's one routing operation. Arrows of one kind share a command: the tapped
// item tells which row or leg they belong to.
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

namespace jetvale {
namespace {

constexpr int kPercentMax = 100;
constexpr const char* kScheduled = "Flight Scheduled";

Plane& EditedPlane(Ui& ui) { return ui.game.world.Player().planes[static_cast<std::size_t>(ui.planes.editedPlane)]; }
const AircraftType& EditedType(Ui& ui) { return kAircraftTypes[static_cast<std::size_t>(EditedPlane(ui).type)]; }
GameWindow& Editor(Ui& ui) { return ui.windows[kPlaneEditWindow]; }
std::string& Text(Ui& ui, int item) { return Editor(ui).Item(item).text; }
int FareItem(int cls, int leg) { return EditClassItem(cls, kEditFareOffset + 3 * leg); }

std::string Code(const Ui& ui, int id) { return IsValidAirportId(id) ? std::string(ui.game.world.AirportById(id).info->code) : ""; }
std::string Name(const Ui& ui, int id) { return IsValidAirportId(id) ? std::string(ui.game.world.AirportById(id).info->name) : ""; }

// Leg k's ends: the trip's cities in order, the last leg back to the first city.
int LegFrom(const ScheduleDraft& d, int k) { return d.city[static_cast<std::size_t>(k)]; }
int LegTo(const ScheduleDraft& d, int k) { return k >= d.lastLeg ? d.city[0] : d.city[static_cast<std::size_t>(k + 1)]; }
int Miles(const Ui& ui, int from, int to) { return LegMiles(ui.game.world, from, to); }

int LastLegOf(const ScheduleDraft& d) {
  if (d.city[0] == 0 || d.city[1] == 0) return 0;
  return d.city[2] == 0 ? 1 : 2;
}

void ShowFare(Ui& ui, int cls, int leg) {
  Text(ui, FareItem(cls, leg)) = FormatMoney(ui.draft.fare[static_cast<std::size_t>(cls)][static_cast<std::size_t>(leg)]);
}

void ClearLegFares(Ui& ui, int leg) {
  for (int cls = 0; cls < 3; ++cls) {
    ui.draft.fare[static_cast<std::size_t>(cls)][static_cast<std::size_t>(leg)] = 0;
    Text(ui, FareItem(cls, leg)).clear();
  }
}

// Departure and arrival texts of every leg of the trip (leg 0 alone when there is none); later legs emptied.
void RefreshTimes(Ui& ui) {
  ScheduleDraft& d = ui.draft;
  const AircraftType& type = EditedType(ui);
  for (int k = 0; k < 3; ++k) {
    if (k > d.lastLeg) {
      for (const int offset : {kEditLegOriginOffset, kEditDepartureOffset, kEditLegDestinationOffset, kEditArrivalOffset}) {
        Text(ui, EditTimeItem(k, offset)).clear();
      }
      continue;
    }
    const int departure = d.departure[static_cast<std::size_t>(k)];
    const int miles = Miles(ui, LegFrom(d, k), LegTo(d, k));
    const double hours = BlockHours(miles, type.index);
    d.arrival[static_cast<std::size_t>(k)] = ArrivalSlot(departure, miles, type.index);
    const int depHours = departure / 4 % 24;
    const int depMinutes = departure % 4 * 15;
    int arrMinutes = depMinutes + static_cast<int>((hours - std::trunc(hours)) * 60);
    int arrHours = depHours + static_cast<int>(hours) + arrMinutes / 60;
    arrMinutes %= 60;
    arrHours %= 24;
    Text(ui, EditTimeItem(k, kEditDepartureOffset)) = QuarterSlotText(departure);
    Text(ui, EditTimeItem(k, kEditArrivalOffset)) = ClockText(arrHours, arrMinutes);
  }
}

// Names, fare header, leg labels, miles and default fares of the trip as its cities now stand.
void RefreshTrip(Ui& ui) {
  ScheduleDraft& d = ui.draft;
  d.lastLeg = LastLegOf(d);
  for (int row = 0; row < 3; ++row) {
    Text(ui, EditCityItem(row, kEditCityOffset)) = Name(ui, d.city[static_cast<std::size_t>(row)]);
  }
  Text(ui, kEditFinalCityItem) = d.lastLeg > 0 ? Name(ui, d.city[0]) : "";
  std::string header = "Price:";
  if (d.lastLeg == 0 && d.city[0] != 0) header += "  " + Code(ui, d.city[0]) + "-";
  for (int k = 0; k < 3; ++k) {
    const bool inTrip = d.lastLeg > 0 && k <= d.lastLeg;
    const std::string pair = inTrip ? Code(ui, LegFrom(d, k)) + "-" + Code(ui, LegTo(d, k)) : "";
    if (inTrip) header += (k == 0 ? "  " : "   ") + pair;
    Text(ui, EditTimeItem(k, kEditLegOriginOffset)) = pair;
    Text(ui, EditTimeItem(k, kEditLegDestinationOffset)) = pair;
    if (!inTrip) {
      Text(ui, EditLegMilesItem(k)).clear();
      ClearLegFares(ui, k);
      continue;
    }
    const int miles = Miles(ui, LegFrom(d, k), LegTo(d, k));
    Text(ui, EditLegMilesItem(k)) = IntegerText(miles);
    const LegFares fares = DefaultFares(miles);
    d.fare[0][static_cast<std::size_t>(k)] = fares.first;
    d.fare[1][static_cast<std::size_t>(k)] = fares.business;
    d.fare[2][static_cast<std::size_t>(k)] = fares.economy;
    for (int cls = 0; cls < 3; ++cls) ShowFare(ui, cls, k);
  }
  Text(ui, kEditFareHeaderItem) = header;
  RefreshTimes(ui);
}

void Show(Ui& ui) {
  ui.command = kCommandShowRouteEditor;
  ui.Show(kPlaneEditWindow);
}

// Opens the editor on the chosen plane: its seat split, its trip and fares, and its departure times.
void Open(Ui& ui) {
  if (ExplainMissingSelection(ui, kCommandShowFleetList)) return;
  ui.planes.editedPlane = SelectedFleetPlane(ui);
  const Plane& p = EditedPlane(ui);
  ScheduleDraft& d = ui.draft;
  d.percent = {p.seats.firstPercent, p.seats.businessPercent, p.seats.economyPercent};
  // The spare points are the plane's own: what its split leaves of 100, so no plane's seats add up past 100.
  d.freePoints = std::max(0, kPercentMax - d.percent[0] - d.percent[1] - d.percent[2]);
  for (int cls = 0; cls < 3; ++cls) {
    Text(ui, EditClassItem(cls, kEditPercentOffset)) = IntegerText(d.percent[static_cast<std::size_t>(cls)]);
  }
  Text(ui, kEditMaxPassItem) = IntegerText(EditedType(ui).passengers);
  Text(ui, kEditMaxRangeItem) = IntegerText(EditedType(ui).range);
  d.city = {};
  if (p.legCount >= 1) d.city[0] = p.legs[0].origin;
  if (p.legCount >= 2) d.city[1] = p.legs[0].destination;
  if (p.legCount >= 3) d.city[2] = p.legs[1].destination;
  // A routed plane shows its own times; a new one starts from the last edit's.
  for (int k = 0; k < p.legCount && k < 3; ++k) d.departure[static_cast<std::size_t>(k)] = p.legs[static_cast<std::size_t>(k)].departure;
  RefreshTrip(ui);
  for (int k = 0; k <= d.lastLeg && d.lastLeg > 0; ++k) {
    const Flight& leg = p.legs[static_cast<std::size_t>(k)];
    d.fare[0][static_cast<std::size_t>(k)] = leg.firstFare;
    d.fare[1][static_cast<std::size_t>(k)] = leg.businessFare;
    d.fare[2][static_cast<std::size_t>(k)] = leg.economyFare;
    for (int cls = 0; cls < 3; ++cls) ShowFare(ui, cls, k);
  }
  Show(ui);
}

// Where the tapped item sits in a control of three rows (classes, cities, legs) of `rowItems` items from
// `firstItem`: nothing unless it is one of them and carries the command being served. A second tap in the same
// frame moves the hit item off the arrow whose command it leaves current, onto a label or onto nothing (999).
struct ControlSpot {
  int row;
  int offset;
};
std::optional<ControlSpot> TappedSpot(Ui& ui, int firstItem, int rowItems) {
  const GameWindow& editor = Editor(ui);
  const int item = editor.hitItem;
  if (item < firstItem || item >= firstItem + 3 * rowItems || item >= editor.itemCount) return std::nullopt;
  if (editor.Item(item).command != ui.command) return std::nullopt;
  return ControlSpot{(item - firstItem) / rowItems, (item - firstItem) % rowItems};
}

// Points move between classes: a point taken from one class can be given to another, so the sum stays.
void StepPercent(Ui& ui, int direction) {
  const auto spot = TappedSpot(ui, kEditFirstClassRowItem, kEditClassRowItems);
  if (!spot) return Show(ui);
  const int cls = spot->row;
  ScheduleDraft& d = ui.draft;
  int& percent = d.percent[static_cast<std::size_t>(cls)];
  if (direction < 0 && percent > 0) {
    percent -= 1;
    d.freePoints += 1;
  } else if (direction > 0 && percent < kPercentMax && d.freePoints > 0) {
    percent += 1;
    d.freePoints -= 1;
  }
  SeatPlan& seats = EditedPlane(ui).seats;
  (cls == 0 ? seats.firstPercent : cls == 1 ? seats.businessPercent : seats.economyPercent) = percent;
  Text(ui, EditClassItem(cls, kEditPercentOffset)) = IntegerText(percent);
  Show(ui);
}

// Fares move by 2 below 300, by 5 below 1000 and by 10 above; there is no floor.
void StepFare(Ui& ui, int sign) {
  const auto spot = TappedSpot(ui, kEditFirstClassRowItem, kEditClassRowItems);
  if (!spot) return Show(ui);
  const int cls = spot->row;
  const int leg = (spot->offset - kEditFareOffset + 1) / 3;
  double& fare = ui.draft.fare[static_cast<std::size_t>(cls)][static_cast<std::size_t>(leg)];
  int step = sign;
  if (fare > 0 && fare < 300) step *= 2;
  if (fare > 300 && fare < 1000) step *= 5;
  if (fare > 1000) step *= 10;
  fare += step;
  ShowFare(ui, cls, leg);
  Show(ui);
}

void StepCity(Ui& ui, int command) {
  const auto spot = TappedSpot(ui, kEditFirstCityRowItem, kEditCityRowItems);
  if (!spot) return Show(ui);
  int& city = ui.draft.city[static_cast<std::size_t>(spot->row)];
  switch (command) {
    case kCommandCityForward: city = city >= 51 ? 0 : city + 1; break;
    case kCommandCityForwardFive: city = city >= 51 ? 0 : city + 5 < 51 ? city + 5 : 51 - city; break;
    case kCommandCityBack: city = city < 1 ? 0 : city - 1; break;
    // Five back from the first four airports reaches round to the last one.
    default: city = city < 1 ? 0 : city >= 5 ? city - 5 : kAirportCount; break;
  }
  RefreshTrip(ui);
  Show(ui);
}

// Departures move a quarter hour at a time round the clock.
void StepTime(Ui& ui, int direction) {
  const auto spot = TappedSpot(ui, kEditFirstTimeRowItem, kEditTimeRowItems);
  if (!spot) return Show(ui);
  int& departure = ui.draft.departure[static_cast<std::size_t>(spot->row)];
  departure = (departure + direction + kQuarterSlotsPerDay) % kQuarterSlotsPerDay;
  RefreshTimes(ui);
  Show(ui);
}

void Commit(Ui& ui) {
  ScheduleDraft& d = ui.draft;
  const int stopCount = d.lastLeg < 1 ? 1 : d.lastLeg + 1;
  std::array<RouteStop, 3> stops{};
  std::array<LegFares, 3> fares{};
  for (int k = 0; k < stopCount; ++k) {
    stops[static_cast<std::size_t>(k)] = {d.city[static_cast<std::size_t>(k)], d.departure[static_cast<std::size_t>(k)]};
    fares[static_cast<std::size_t>(k)] = {d.fare[0][static_cast<std::size_t>(k)], d.fare[1][static_cast<std::size_t>(k)],
                                          d.fare[2][static_cast<std::size_t>(k)]};
  }
  const auto trip = std::span(stops).first(static_cast<std::size_t>(stopCount));
  const ScheduleProblem problem = CheckSchedule(ui.game.world, EditedPlane(ui).type, trip);
  if (problem != ScheduleProblem::kNone) {
    ui.Say(std::string(ScheduleProblemText(problem)));
    Show(ui);
    return;
  }
  RoutePlane(ui.game.world, 0, ui.planes.editedPlane, trip, std::span(fares).first(trip.size()));
  d.city = {};
  d.percent = {};
  d.fare = {};
  ui.Say(kScheduled);
  ui.command = kCommandShowFleetList;
  ui.Show(kFleetListWindow);
}

constexpr std::array<CommandRoute, 13> kRoutes = {{
    {kCommandRouteEditor, Open},
    {kCommandShowRouteEditor, [](Ui& ui) { ui.Show(kPlaneEditWindow); }},
    {kCommandPercentDown, [](Ui& ui) { StepPercent(ui, -1); }},
    {kCommandPercentUp, [](Ui& ui) { StepPercent(ui, +1); }},
    {kCommandFareDown, [](Ui& ui) { StepFare(ui, -1); }},
    {kCommandFareUp, [](Ui& ui) { StepFare(ui, +1); }},
    {kCommandCityBackFive, [](Ui& ui) { StepCity(ui, kCommandCityBackFive); }},
    {kCommandCityBack, [](Ui& ui) { StepCity(ui, kCommandCityBack); }},
    {kCommandCityForward, [](Ui& ui) { StepCity(ui, kCommandCityForward); }},
    {kCommandCityForwardFive, [](Ui& ui) { StepCity(ui, kCommandCityForwardFive); }},
    {kCommandTimeEarlier, [](Ui& ui) { StepTime(ui, -1); }},
    {kCommandTimeLater, [](Ui& ui) { StepTime(ui, +1); }},
    {kCommandCommitRoute, Commit},
}};

}  // namespace

std::span<const CommandRoute> ScheduleEditorRoutes() { return kRoutes; }

}  // namespace jetvale
