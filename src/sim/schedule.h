// Scheduling a leg: its miles, its block time and arrival slot, and a gate at each end.
#pragma once

#include "world/world.h"

namespace jetvale {

// Results of ScheduleLeg.
// No departure gate: the leg stands at its new times and airports with no gate at either end, and nothing is bought.
constexpr int kNoDepartureGate = 1;
// A gate at each end. With this result and the two below, the leg is marked scheduled.
constexpr int kBothGatesFound = 5;
// A departure gate but no arrival gate (arrivalGate 0); the last gate examined was the airline's own but busy.
constexpr int kArrivalGatesBusy = 6;
// A departure gate but no arrival gate (arrivalGate 0); the last gate examined was another airline's, or one
// without owner that the balance could not pay for.
constexpr int kArrivalGatesTaken = 7;

// The block time of `miles` flown by aircraft type `type`, in hours: the plane flies at 77 % of its speed.
double BlockHours(int miles, int type);

// The arrival slot of a leg leaving at `departure`: the block time in whole quarter hours (a partial quarter
// hour is dropped), one at least. 96 and more lands after midnight.
int ArrivalSlot(int departure, int miles, int type);

// Schedules leg `leg` of the plane in `planeSlot` of `airline`: frees what the leg reserved before and clears its
// gates, places it (PlaceLeg), then looks for a departure gate at the origin (the three slots up to the
// departure). Once it has one, it looks for an arrival gate at the destination (the arrival slot and the one
// before), marks the leg scheduled and starts the plane's trip again at leg 0. Each search takes the first gate
// in number order that serves: one of the airline's own whose slots hold no reservation, used without reserving
// them, or one without owner, bought for kGatePrice (425000) with the slots reserved for the leg. So a gate
// without owner numbered below the airline's own free gate is bought rather than the own one used; one the
// balance cannot pay for is passed over. Fares are left alone. An airline, slot, leg or airport id outside its
// table is refused as kNoDepartureGate with nothing changed.
int ScheduleLeg(World& world, int airline, int planeSlot, int leg, int departure, int origin, int destination);

// The part of ScheduleLeg that needs no gate: the leg's times, airports, miles, arrival and overnight mark, the
// leg counted at its destination. A loaded game places its legs so, on the gates the saved game names, and buys
// nothing.
void PlaceLeg(World& world, int airline, int planeSlot, int leg, int departure, int origin, int destination);

// Frees the gate slots the leg reserved, as a leg rescheduled, dropped from its trip or sold with its plane must.
void ReleaseLegGates(World& world, Flight& leg);

// A saved game does not carry the leg each plane works on (its side file does): without it every plane in use
// takes back the leg under way, the first whose state is not waiting, or leg 0 when all of them wait.
void RestoreCurrentLegs(World& world);

}  // namespace jetvale
