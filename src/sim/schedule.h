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

// The part of ScheduleLeg that needs no gate: the leg's times, airports, miles and arrival, counted at its
// destination. A loaded game places its legs so, on the gates the saved game names, and buys nothing.
void PlaceLeg(World& world, int airline, int planeSlot, int leg, int departure, int origin, int destination);

// Frees the gate slots the leg reserved, as a leg rescheduled, dropped from its trip or sold with its plane must.
void ReleaseLegGates(World& world, Flight& leg);

// A saved game does not carry the leg each plane works on (its side file does): without it every plane in use
// takes back the leg under way, the first whose state is not waiting, or leg 0 when all of them wait.
void RestoreCurrentLegs(World& world);

}  // namespace jetvale
