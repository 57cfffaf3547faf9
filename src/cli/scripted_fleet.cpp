// Parsing and flying a scripted fleet.
#include "cli/scripted_fleet.h"

#include "cli/parse_number.h"
#include "sim/fleet_operations.h"
#include "sim/great_circle.h"
#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/money.h"

namespace jetvale {
namespace {

int TypeByNameOrIndex(std::string_view text) {
  int index = -1;
  if (ParseNumber(text, index)) return index >= 0 && index < kAircraftTypeCount ? index : -1;
  for (const AircraftType& type : kAircraftTypes) {
    if (type.name == text) return type.index;
  }
  return -1;
}

int AirportByCode(std::string_view code) {
  for (const AirportInfo& info : kAirportTable) {
    if (info.code == code) return info.id;
  }
  return 0;
}

// "ATL@0815": the airport and the quarter slot of 08:15.
bool ParseStop(std::string_view text, ScriptedStop& stop, std::string& error) {
  const std::size_t at = text.find('@');
  int time = 0;
  if (at == std::string_view::npos || text.size() - at - 1 != 4 || !ParseNumber(text.substr(at + 1), time)) {
    error = "stop '" + std::string(text) + "' is not AAA@HHMM";
    return false;
  }
  stop.airport = AirportByCode(text.substr(0, at));
  if (stop.airport == 0) {
    error = "no airport has the code '" + std::string(text.substr(0, at)) + "'";
    return false;
  }
  const int hours = time / 100;
  const int minutes = time % 100;
  if (hours > 23 || minutes % 15 != 0 || minutes > 45) {
    error = "departure time in '" + std::string(text) + "' is not a quarter hour of the day";
    return false;
  }
  stop.departure = hours * 4 + minutes / 15;
  return true;
}

std::string_view CodeOf(int airport) { return At(kAirportTable, airport - 1).code; }

// Names the first leg beyond the type's range.
std::string RangeRefusal(const World& world, int type, const std::vector<RouteStop>& stops) {
  const int leg = FirstLegBeyondRange(world, type, stops);
  if (leg < 0) return std::string(ScheduleProblemText(ScheduleProblem::kOutOfRange));
  const AircraftType& aircraft = AircraftTypeAt(type);
  const auto k = static_cast<std::size_t>(leg);
  const int from = stops[k].airport;
  const int to = stops[(k + 1) % stops.size()].airport;
  return std::string(CodeOf(from)) + "-" + std::string(CodeOf(to)) + " (" + std::to_string(LegMiles(world, from, to)) +
         " miles) cannot be flown by a " + std::string(aircraft.name) + " (range " + std::to_string(aircraft.range) +
         " miles)";
}

}  // namespace

bool ParseScriptedPlanes(const std::string& text, ScriptedPlanes& planes, std::string& error) {
  std::string_view rest = text;
  planes = ScriptedPlanes{};
  if (const std::size_t star = rest.find('*'); star != std::string_view::npos) {
    if (!ParseNumber(rest.substr(0, star), planes.count) || planes.count < 1) {
      error = "plane count in '" + text + "' is not a positive number";
      return false;
    }
    rest.remove_prefix(star + 1);
  }
  const std::size_t colon = rest.find(':');
  if (colon == std::string_view::npos) {
    error = "'" + text + "' has no ':' between the type and the route";
    return false;
  }
  planes.type = TypeByNameOrIndex(rest.substr(0, colon));
  if (planes.type < 0) {
    error = "no aircraft type is called '" + std::string(rest.substr(0, colon)) + "'";
    return false;
  }
  rest.remove_prefix(colon + 1);
  for (;;) {
    const std::size_t dash = rest.find('-');
    ScriptedStop stop;
    if (!ParseStop(rest.substr(0, dash), stop, error)) return false;
    planes.stops.push_back(stop);
    if (dash == std::string_view::npos) break;
    rest.remove_prefix(dash + 1);
  }
  if (planes.stops.size() < 2 || planes.stops.size() > 3) {
    error = "a round trip has two or three stops, '" + text + "' has " + std::to_string(planes.stops.size());
    return false;
  }
  return true;
}

bool AddScriptedPlanes(GameState& game, int airlineIndex, const ScriptedPlanes& planes, int maxPlanes,
                       std::string& error) {
  std::vector<RouteStop> stops;
  std::vector<LegFares> fares;
  std::string route;
  for (const ScriptedStop& stop : planes.stops) {
    stops.push_back({stop.airport, stop.departure});
    if (!route.empty()) route.push_back('-');  // appended piece by piece: GCC 12 -O3 warns on the concatenation
    route.append(CodeOf(stop.airport));
  }
  if (const ScheduleProblem problem = CheckSchedule(game.world, planes.type, stops);
      problem != ScheduleProblem::kNone) {
    error = problem == ScheduleProblem::kOutOfRange ? RangeRefusal(game.world, planes.type, stops)
                                                    : std::string(ScheduleProblemText(problem)) + " (" + route + ")";
    return false;
  }
  for (std::size_t k = 0; k < stops.size(); ++k) {
    fares.push_back(DefaultFares(LegMiles(game.world, stops[k].airport, stops[(k + 1) % stops.size()].airport)));
  }
  Airline& airline = At(game.world.airlines, airlineIndex);
  for (int n = 0; n < planes.count; ++n) {
    const int slot = BuyPlaneIntoFreeSlot(airline, planes.type, maxPlanes);
    if (slot == kNoFreeSlot) {
      error = "the fleet is full: " + std::to_string(maxPlanes) + " planes at most";
      return false;
    }
    if (slot == kPriceOutOfReach) {
      error = "the balance would leave its range with plane " + std::to_string(airline.planeCount + 1);
      return false;
    }
    RoutePlane(game.world, airlineIndex, slot, stops, fares);
  }
  return true;
}

}  // namespace jetvale
