// The leg state machine. A quarter hour lasts three ticks: boarding opens on the first tick of the slot two
// quarter hours before departure and passengers board on the second; a trip is settled a quarter hour after it
// lands, and the plane moves on to its next leg, the last leg leading back to the first.
#include "sim/flight_cycle.h"

#include <algorithm>

#include "sim/economy.h"
#include "sim/flight_state.h"
#include "sim/rivals.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

void FinishTrip(World& world, int airline, Plane& plane, int planeSlot, int legIndex) {
  SettleArrival(world, airline, planeSlot, legIndex);
  const Flight& leg = At(plane.legs, legIndex);
  Airport& origin = world.AirportById(leg.origin);
  for (const int boarded : {leg.economyPassengers, leg.businessPassengers, leg.firstPassengers}) {
    At(origin.passengersToday, airline) += boarded;
    origin.passengersTodayAll += boarded;
  }
  MarketShareUpdate(origin);
  MarketShareUpdate(world.AirportById(leg.destination));
  plane.currentLeg = legIndex + 1 > plane.legCount - 1 ? 0 : legIndex + 1;
}

// Steps the plane's current leg if the clock stands at its next time test: boarding, settling or only moving the
// state on. Legs in index order: a leg that finishes hands over to the next, which may step in the same pass;
// the last leg hands over to the first, which waits for the next pass. Returns the leg that stepped last when it
// is still the plane's current leg, in use and active, so its next time test needs no second look at the plane;
// null when nothing stepped or the trip moved on to a leg that did not step.
Flight* StepPlane(World& world, int slotNow, PlaneKey key, Plane& plane) {
  if (!plane.inUse) return nullptr;
  const int legCount = std::min(plane.legCount, kLegSlots);
  for (int legIndex = plane.currentLeg; legIndex >= 0 && legIndex < legCount; ++legIndex) {
    Flight& leg = At(plane.legs, legIndex);
    // Times before midnight or after it fold into the day, so a leg leaving at 00:00 boards at 23:30 and a leg
    // landing after midnight lands.
    if (!leg.active || StateChangeSlot(leg) != slotNow) return nullptr;
    const int state = leg.state;
    if (state == kBoardingOpen) {
      BoardPassengers(world, key.airline, key.slot, legIndex);
    } else if (state == kLanded) {
      FinishTrip(world, key.airline, plane, key.slot, legIndex);
    }
    leg.state = At(kStateSteps, state).next;
    if (plane.currentLeg != legIndex + 1) return plane.currentLeg == legIndex ? &leg : nullptr;
  }
  return nullptr;
}

}  // namespace

void RebuildDueLegs(GameState& game) {
  game.dueLegs.Rebuild(game.world);
  game.world.schedulesChanged = false;
}

void StepDuePlanes(GameState& game, int slotNow) {
  // Only the planes due now can change; the trips among them come in airline and slot order, as the rotation
  // steps them.
  game.dueLegs.TakeEach(slotNow, [&game, slotNow](PlaneKey key) {
    Plane& plane = At(At(game.world.airlines, key.airline).planes, key.slot);
    if (const Flight* stepped = StepPlane(game.world, slotNow, key, plane)) {
      game.dueLegs.FileSteppedLeg(*stepped, key);
    } else {
      game.dueLegs.File(plane, key);
    }
  });
}

void RivalsDailyTurn(GameState& game) {
  for (int airline = 1; airline < kAirlineCount; ++airline) RivalDailyStep(game.world, game.random, airline);
}

}  // namespace jetvale
