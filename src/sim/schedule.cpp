// Leg scheduling and gate reservation. Only a gate bought for the leg gets its slots reserved; an own gate
// that is free is simply used, as the airline may run several legs through it.
#include "sim/schedule.h"

#include <algorithm>

#include "sim/flight_state.h"
#include "sim/great_circle.h"
#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/money.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr double kBlockSpeedFactor = 0.77;
constexpr int kDepartureSlots = 3;  // the two quarter hours of boarding and the departure itself
constexpr int kArrivalSlots = 2;    // the approach and the arrival

bool SlotsFree(const Gate& gate, int firstSlot, int count) {
  for (int slot = firstSlot; slot < firstSlot + count; ++slot) {
    if (At(gate.reserved, SlotOfDay(slot)) != 0) return false;
  }
  return true;
}

// Writes the leg's key into the slots it holds.
void Reserve(World& world, const GateHold& hold) {
  Gate& gate = At(world.GatesAt(hold.airport), hold.gate);
  for (int slot = hold.firstSlot; slot < hold.firstSlot + hold.slotCount; ++slot) {
    At(gate.reserved, SlotOfDay(slot)) = static_cast<std::uint16_t>(hold.holder);
  }
}

// Frees the slots that still carry the leg's key, then empties the hold; a slot reserved since by another leg
// stays reserved.
void Release(World& world, GateHold& hold) {
  if (hold.slotCount > 0) {
    Gate& gate = At(world.GatesAt(hold.airport), hold.gate);
    for (int slot = hold.firstSlot; slot < hold.firstSlot + hold.slotCount; ++slot) {
      std::uint16_t& flag = At(gate.reserved, SlotOfDay(slot));
      if (flag == hold.holder) flag = 0;
    }
  }
  hold = GateHold{};
}

// A gate taken, or what the last gate examined was when none could be.
enum class GateSearch { Taken, OwnGatesBusy, OthersGates };

// Takes the first gate in number order that serves the slots: one of the airline's own whose slots hold no
// reservation, used as it is, or one without owner, which is bought and has the slots reserved for the leg in
// `hold`. A gate without owner that the balance cannot pay for is passed over like another airline's.
GateSearch FindOrBuyGate(World& world, Airline& airline, int airportId, int firstSlot, int count, int holder,
                         int& gateNumber, GateHold& hold) {
  GateSearch last = GateSearch::OthersGates;
  for (Gate& gate : world.GatesAt(airportId)) {
    if (gate.owner == airline.index) {
      if (SlotsFree(gate, firstSlot, count)) {
        gateNumber = gate.number;
        return GateSearch::Taken;
      }
      last = GateSearch::OwnGatesBusy;
    } else if (gate.owner == kNoGateOwner && BuyGate(gate, airline)) {
      gateNumber = gate.number;
      hold = GateHold{airportId, gate.number, firstSlot, count, holder};
      Reserve(world, hold);
      return GateSearch::Taken;
    } else {
      last = GateSearch::OthersGates;
    }
  }
  return last;
}

}  // namespace

double BlockHours(int miles, int type) { return miles / (AircraftTypeAt(type).speed * kBlockSpeedFactor); }

int ArrivalSlot(int departure, int miles, int type) {
  const double hours = BlockHours(miles, type);
  const int wholeHours = TruncateToInt(hours);
  const int blockSlots = 4 * wholeHours + TruncateToInt((hours - wholeHours) * 60 / 15);
  // A hop shorter than a quarter hour still lands in the next slot; landing in the slot it left would keep
  // the plane in the air until that slot came round again the next day.
  return departure + std::max(blockSlots, 1);
}

int ScheduleLeg(World& world, int airlineIndex, int planeSlot, int legIndex, int departure, int origin,
                int destination) {
  if (airlineIndex < 0 || airlineIndex >= kAirlineCount || planeSlot < 0 || planeSlot >= kPlaneSlots ||
      legIndex < 0 || legIndex >= kLegSlots || !IsValidAirportId(origin) || !IsValidAirportId(destination)) {
    return kNoDepartureGate;
  }
  Airline& airline = At(world.airlines, airlineIndex);
  Plane& plane = At(airline.planes, planeSlot);
  Flight& leg = At(plane.legs, legIndex);

  // What the leg held under its old times and airports is freed first, whatever the new search finds.
  ReleaseLegGates(world, leg);
  leg.departureGate = 0;
  leg.arrivalGate = 0;
  PlaceLeg(world, airlineIndex, planeSlot, legIndex, departure, origin, destination);

  const int holder = LegKey(airlineIndex, planeSlot, legIndex);
  if (FindOrBuyGate(world, airline, origin, departure - 2, kDepartureSlots, holder, leg.departureGate,
                    leg.departureHold) != GateSearch::Taken) {
    return kNoDepartureGate;
  }
  const GateSearch arrival = FindOrBuyGate(world, airline, destination, leg.arrival - 1, kArrivalSlots, holder,
                                           leg.arrivalGate, leg.arrivalHold);
  leg.scheduled = true;
  plane.currentLeg = 0;
  switch (arrival) {
    case GateSearch::Taken: return kBothGatesFound;
    case GateSearch::OwnGatesBusy: return kArrivalGatesBusy;
    case GateSearch::OthersGates: return kArrivalGatesTaken;
  }
  return kArrivalGatesTaken;
}

void PlaceLeg(World& world, int airlineIndex, int planeSlot, int legIndex, int departure, int origin,
              int destination) {
  Plane& plane = At(At(world.airlines, airlineIndex).planes, planeSlot);
  Flight& leg = At(plane.legs, legIndex);
  world.schedulesChanged = true;
  leg.departure = departure;
  leg.origin = origin;
  leg.destination = destination;
  leg.miles = LegMiles(world, origin, destination);
  leg.arrival = ArrivalSlot(departure, leg.miles, plane.type);
  At(world.AirportById(destination).legsInto, airlineIndex) += 1;
  leg.overnight = leg.arrival > kQuarterSlotsPerDay || departure > kQuarterSlotsPerDay;
}

void ReleaseLegGates(World& world, Flight& leg) {
  Release(world, leg.departureHold);
  Release(world, leg.arrivalHold);
}

void RestoreCurrentLegs(World& world) {
  for (Airline& airline : world.airlines) {
    for (Plane& plane : airline.planes) {
      if (!plane.inUse) continue;
      plane.currentLeg = 0;
      for (int leg = 0; leg < std::min(plane.legCount, kLegSlots); ++leg) {
        if (At(plane.legs, leg).state != kWaitingForBoarding) {
          plane.currentLeg = leg;
          break;
        }
      }
    }
  }
}

}  // namespace jetvale
