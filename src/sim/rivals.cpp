// The rivals' strategy: choose a type by class, buy it (borrowing first if need be), give it a random
// out-and-back route with default fares, then let the airline's decision sequence pick the next step.
#include "sim/rivals.h"

#include <array>

#include "finance/loans.h"
#include "sim/fleet_operations.h"
#include "sim/great_circle.h"
#include "sim/schedule.h"
#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/money.h"

namespace jetvale {
namespace {

constexpr int kFokker100 = 6;
constexpr int kB757 = 3;
constexpr int kB777 = 5;
constexpr std::array<int, 3> kBuyStateOfClass = {kBuyFokker100, kBuyB757, kBuyB777};
constexpr int kMaxRivalPlanes = kPlaneSlots;

void DrawNextState(const World& world, Airline& airline) {
  AirlineStrategy& strategy = airline.strategy;
  if (strategy.cursor >= kDecisionCount || strategy.cursor < 0) strategy.cursor = 0;
  strategy.state = At(At(world.decisions, airline.index), strategy.cursor);
  strategy.cursor += 1;
}

void Buy(Airline& airline, int type) {
  AirlineStrategy& strategy = airline.strategy;
  const float price = AircraftTypeAt(type).price;
  if (airline.planeCount >= kMaxRivalPlanes) {
    strategy.state = kDrawNextState;
  } else if (static_cast<float>(airline.balance) < price) {
    // Borrow the price and try the purchase again tomorrow; with every loan slot taken, or no room in the
    // balance for the loan, give up on it.
    if (BorrowIntoFreeSlot(airline, kRivalLoanRate, kRivalLoanMonths, price) < 0) {
      strategy.state = kDrawNextState;
    }
  } else if (const int slot = airline.planeCount; BuyPlaneIntoSlot(airline, slot, type)) {
    strategy.plane = slot;
    strategy.state = kRouteNewPlane;
  } else {
    // The next slot is taken (a fleet with gaps gets no more planes), or the balance cannot pay.
    strategy.state = kDrawNextState;
  }
}

// An airport id drawn uniformly, where a draw of 0 stands for the first airport.
int DrawAirport(Random& random) {
  const int id = random.Below(kAirportCount);
  return id == 0 ? 1 : id;
}

// Scans upward from a drawn destination for the first that makes a flyable out-and-back trip from a drawn
// origin; when none does, the plane waits for new draws tomorrow.
void Route(World& world, Random& random, Airline& airline) {
  const int planeSlot = airline.strategy.plane;
  const int type = At(airline.planes, planeSlot).type;
  const int origin = DrawAirport(random);
  for (int candidate = DrawAirport(random); candidate <= kAirportCount; ++candidate) {
    const int miles = LegMiles(world, origin, candidate);
    const int outbound = ArrivalSlot(kRivalDepartureSlot, miles, type) - kRivalDepartureSlot;
    const std::array<RouteStop, 2> stops = {
        RouteStop{origin, kRivalDepartureSlot},
        RouteStop{candidate, outbound + airline.index + kRivalReturnDelay},
    };
    if (CheckSchedule(world, type, stops) != ScheduleProblem::kNone) continue;
    const LegFares fares = DefaultFares(miles);
    const std::array<LegFares, 2> legFares = {fares, fares};
    RoutePlane(world, airline.index, planeSlot, stops, legFares);
    DrawNextState(world, airline);
    return;
  }
}

}  // namespace

void RivalDailyStep(World& world, Random& random, int airlineIndex) {
  Airline& airline = At(world.airlines, airlineIndex);
  switch (airline.strategy.state) {
    case kChooseTypeAtStart:
    case kChooseType:
      airline.strategy.state = At(kBuyStateOfClass, airline.strategy.Class());
      break;
    case kBuyFokker100: Buy(airline, kFokker100); break;
    case kBuyB757: Buy(airline, kB757); break;
    case kBuyB777: Buy(airline, kB777); break;
    case kRouteNewPlane: Route(world, random, airline); break;
    case kDrawNextState: DrawNextState(world, airline); break;
    default: break;  // idle: the airline only flies the fleet it has
  }
}

}  // namespace jetvale
