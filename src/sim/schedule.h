// Scheduling a leg: its miles, its block time and arrival slot, and a gate at each end.
#pragma once

#include "world/world.h"

namespace jetvale {

// Results of ScheduleLeg.
constexpr int kNoDepartureGate = 1;
constexpr int kScheduled = 5;
constexpr int kArrivalGatesBusy = 6;      // the last gate examined was the airline's own but busy
constexpr int kArrivalGatesTaken = 7;     // the last gate examined belonged to another airline

// The block time of `miles` flown by aircraft type `type`, in hours: the plane flies at 77 % of its speed.
double BlockHours(int miles, int type);

// The arrival slot of a leg leaving at `departure`: the block time in whole quarter hours (a partial quarter
// hour is dropped), one at least. 96 and more lands after midnight.
int ArrivalSlot(int departure, int miles, int type);

// Schedules leg `leg` of the plane in `planeSlot` of `airline`. Frees what the leg reserved before, then
// finds a departure gate (three slots up to the departure) and an arrival gate (the arrival slot and the
// one before), buying a free gate for 425000 when the airline owns none that is free. Fares are left alone.
// A slot or airport id outside its table is refused as kNoDepartureGate with nothing changed.
int ScheduleLeg(World& world, int airline, int planeSlot, int leg, int departure, int origin, int destination);

// A leg of a loaded game takes back the gates the saved game names. The reservations made while playing are not
// saved, so ScheduleLeg alone may find a lower gate free that was taken then; each named gate that the airline
// owns and that is free for the leg's slots becomes the leg's again, reserved for it.
void RestoreLegGates(World& world, int airline, int planeSlot, int leg, int departureGate, int arrivalGate);

// A loaded game does not carry the leg each plane works on, and ScheduleLeg sets it to 0: every plane in use
// takes back the leg under way, the first whose state is not waiting, or leg 0 when all of them wait.
void RestoreCurrentLegs(World& world);

}  // namespace jetvale
