// The game's operations on a fleet, one way each for the player's screens, jetvale-sim and the program-run
// airlines: buying a plane into a slot, checking a round trip as the schedule editor does, routing and selling.
#pragma once

#include <span>
#include <string_view>

#include "world/world.h"

namespace jetvale {

constexpr int kPlayerFleetLimit = 20;  // the player's planes live in slots 0..19
constexpr int kNoFreeSlot = -1;
constexpr int kPriceOutOfReach = -2;  // the price would carry the balance past the bottom of its range

// Buys a plane of `type` into `slot` if the type is known, the slot exists and is free, and the price leaves the
// balance within its range (it may go below zero). False leaves the airline unchanged.
bool BuyPlaneIntoSlot(Airline& airline, int slot, int type);
// Buys into the lowest free slot below `slotLimit`: the slot, kNoFreeSlot when all are in use or the type is
// unknown, or kPriceOutOfReach.
int BuyPlaneIntoFreeSlot(Airline& airline, int type, int slotLimit);

// A stop of a round trip: the airport and the quarter slot of the departure from it.
struct RouteStop {
  int airport = 0;
  int departure = 0;
};

struct LegFares {
  double first = 0;
  double business = 0;
  double economy = 0;
};

// The three starting fares of a leg of `miles`.
LegFares DefaultFares(int miles);

// Why a round trip cannot be flown, in the order the checks run; the first failing check is the answer. An unknown
// type or airport fails as kOutOfRange right after the stop count.
enum class ScheduleProblem {
  kNone,
  kTooFewStops,
  kSameCities,
  kTooClose,
  kOutOfRange,
  kOverADay,
};

// What the game says about a refused round trip; empty for kNone.
std::string_view ScheduleProblemText(ScheduleProblem problem);

// The first leg of the round trip through `stops` that a plane of `type` cannot fly (leg k flies from stop k to
// the next, the last back to the first); -1 when every leg is within range.
int FirstLegBeyondRange(const World& world, int type, std::span<const RouteStop> stops);

// Checks a round trip through `stops` (leg k leaves stop k for stop k + 1, the last leg returns to the first
// stop) for a plane of `type`: two stops at least, a known type and airports, no city twice, every departure
// after the first at least five quarter hours after the previous leg's arrival (the turn from the last leg back
// to the first is not checked), no leg longer than the type's range, and no leg of a day or more, which a daily
// rotation cannot fly.
ScheduleProblem CheckSchedule(const World& world, int type, std::span<const RouteStop> stops);

// Gives the plane in `planeSlot` the round trip through `stops` with `fares` per leg, as its legs 0 up to the
// stop count. Each of them is scheduled (ScheduleLeg: its old reservations freed, gates found or bought) and gets
// its fares, whether or not it found its gates. The legs beyond the new trip give back the gate slots they
// reserved and keep everything else (airports, times, gate numbers, state, fares and totals); the flight cycle
// no longer steps them. False, and nothing changed, when the airline, the slot or an airport is outside its
// table, or the stop and fare counts differ or do not make two to four legs. The trip is not checked: that is
// CheckSchedule's job.
bool RoutePlane(World& world, int airline, int planeSlot, std::span<const RouteStop> stops,
                std::span<const LegFares> fares);

// Sells the plane in `planeSlot`; its legs free every gate slot they reserved. False, and nothing changed, when
// the airline or the slot is outside its table, the slot holds no plane, or the sale would carry the balance out
// of its range.
bool SellFleetPlane(World& world, int airline, int planeSlot);

// Splits the cabin of the plane in `planeSlot` into `seats`; the route editor's seat steps do so at once, not at
// its "Ok". False, and nothing changed, for a share below 0 or shares that add up past the whole cabin.
bool SetSeatPlan(World& world, int airline, int planeSlot, const SeatPlan& seats);

}  // namespace jetvale
