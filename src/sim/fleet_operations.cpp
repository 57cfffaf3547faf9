// Buying, checking and routing: the rules behind the Buy list, the schedule editor's "Ok" and the rivals' moves.
#include "sim/fleet_operations.h"

#include <array>

#include "sim/economy.h"
#include "sim/great_circle.h"
#include "sim/schedule.h"
#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/money.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kMinTurnSlots = 5;  // a plane's next departure waits five quarter hours after its arrival

constexpr std::array<std::string_view, 6> kProblemTexts = {
    "",
    "Please schedule an additional flight",
    "Origin and Destination cannot be the same",
    "Flights must be over one hour apart",
    "Cities are out of Range",
    "Flight is over 24 hours",
};

}  // namespace

bool BuyPlaneIntoSlot(Airline& airline, int slot, int type) {
  if (slot < 0 || slot >= kPlaneSlots || !IsValidAircraftType(type)) return false;
  if (At(airline.planes, slot).inUse) return false;
  return BuyPlane(airline, slot, type);
}

int BuyPlaneIntoFreeSlot(Airline& airline, int type, int slotLimit) {
  if (!IsValidAircraftType(type)) return kNoFreeSlot;
  for (int slot = 0; slot < slotLimit && slot < kPlaneSlots; ++slot) {
    if (At(airline.planes, slot).inUse) continue;
    return BuyPlaneIntoSlot(airline, slot, type) ? slot : kPriceOutOfReach;
  }
  return kNoFreeSlot;
}

LegFares DefaultFares(int miles) {
  return {DefaultFare(miles, kFirstClass), DefaultFare(miles, kBusinessClass), DefaultFare(miles, kEconomyClass)};
}

std::string_view ScheduleProblemText(ScheduleProblem problem) {
  return kProblemTexts[static_cast<std::size_t>(problem)];
}

int FirstLegBeyondRange(const World& world, int type, std::span<const RouteStop> stops) {
  const int range = AircraftTypeAt(type).range;
  for (std::size_t k = 0; k < stops.size(); ++k) {
    if (LegMiles(world, stops[k].airport, stops[(k + 1) % stops.size()].airport) > range) return static_cast<int>(k);
  }
  return -1;
}

ScheduleProblem CheckSchedule(const World& world, int type, std::span<const RouteStop> stops) {
  const std::size_t count = stops.size();
  if (count < 2) return ScheduleProblem::kTooFewStops;
  // A plane of no known type, or an airport that does not exist, has no city within range.
  if (!IsValidAircraftType(type)) return ScheduleProblem::kOutOfRange;
  for (const RouteStop& stop : stops) {
    if (!IsValidAirportId(stop.airport)) return ScheduleProblem::kOutOfRange;
  }
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t j = i + 1; j < count; ++j) {
      if (stops[i].airport == stops[j].airport) return ScheduleProblem::kSameCities;
    }
  }
  // The turn from the last leg back to the first is not tested: slots are not wrapped at midnight here.
  for (std::size_t k = 0; k + 1 < count; ++k) {
    const int arrival = ArrivalSlot(stops[k].departure, LegMiles(world, stops[k].airport, stops[k + 1].airport), type);
    if (stops[k + 1].departure < arrival + kMinTurnSlots) return ScheduleProblem::kTooClose;
  }
  if (FirstLegBeyondRange(world, type, stops) >= 0) return ScheduleProblem::kOutOfRange;
  for (std::size_t k = 0; k < count; ++k) {
    const int miles = LegMiles(world, stops[k].airport, stops[(k + 1) % count].airport);
    if (ArrivalSlot(0, miles, type) >= kQuarterSlotsPerDay) return ScheduleProblem::kOverADay;
  }
  return ScheduleProblem::kNone;
}

bool RoutePlane(World& world, int airline, int planeSlot, std::span<const RouteStop> stops,
                std::span<const LegFares> fares) {
  const std::size_t count = stops.size();
  if (count < 2 || count > kLegSlots || fares.size() != count) return false;
  if (airline < 0 || airline >= kAirlineCount || planeSlot < 0 || planeSlot >= kPlaneSlots) return false;
  for (const RouteStop& stop : stops) {
    if (!IsValidAirportId(stop.airport)) return false;
  }
  Plane& plane = At(At(world.airlines, airline).planes, planeSlot);
  for (std::size_t k = 0; k < count; ++k) {
    // Whether a gate was found is not examined: a leg without one still belongs to the trip.
    ScheduleLeg(world, airline, planeSlot, static_cast<int>(k), stops[k].departure, stops[k].airport,
                stops[(k + 1) % count].airport);
    Flight& leg = plane.legs[k];
    leg.firstFare = fares[k].first;
    leg.businessFare = fares[k].business;
    leg.economyFare = fares[k].economy;
  }
  // The legs the new trip no longer flies give back what they reserved.
  for (std::size_t k = count; k < plane.legs.size(); ++k) ReleaseLegGates(world, plane.legs[k]);
  plane.legCount = static_cast<int>(count);
  return true;
}

bool SellFleetPlane(World& world, int airline, int planeSlot) {
  if (airline < 0 || airline >= kAirlineCount || planeSlot < 0 || planeSlot >= kPlaneSlots) return false;
  Airline& owner = At(world.airlines, airline);
  Plane& plane = At(owner.planes, planeSlot);
  if (!plane.inUse || !SellPlane(owner, planeSlot)) return false;
  for (Flight& leg : plane.legs) ReleaseLegGates(world, leg);
  world.schedulesChanged = true;
  return true;
}

bool SetSeatPlan(World& world, int airline, int planeSlot, const SeatPlan& seats) {
  if (airline < 0 || airline >= kAirlineCount || planeSlot < 0 || planeSlot >= kPlaneSlots) return false;
  if (seats.firstPercent < 0 || seats.businessPercent < 0 || seats.economyPercent < 0 ||
      seats.firstPercent + seats.businessPercent + seats.economyPercent > 100) {
    return false;
  }
  At(At(world.airlines, airline).planes, planeSlot).seats = seats;
  return true;
}

}  // namespace jetvale
