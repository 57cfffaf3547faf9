// Quarter-hour slots of the day and the states a leg moves through.
#pragma once

#include <array>

#include "world/records.h"

namespace jetvale {

// The leg states: waiting, boarding opened, boarded, in the air, approaching, landed.
enum FlightState : int {
  kWaitingForBoarding = 0,
  kBoardingOpen = 1,
  kBoarded = 2,
  kInTheAir = 3,
  kApproaching = 10,
  kLanded = 11,
};

// A slot folded into the day 0..95: slots before midnight (negative) and after it (96 and more) are the
// same quarter hour of the neighbouring day, which the daily rotation repeats.
constexpr int SlotOfDay(int slot) {
  if (slot >= 0 && slot < kQuarterSlotsPerDay) return slot;  // most times need no division
  const int rest = slot % kQuarterSlotsPerDay;
  return rest < 0 ? rest + kQuarterSlotsPerDay : rest;
}

// What a leg in a state waits for and becomes: the quarter hour of its departure or its arrival plus an offset,
// and the state that follows once the clock stands there. A value that is not a state waits for nothing.
// `trip` marks the steps that board or settle a trip, which read and change what other planes' steps do; the
// others only move the leg's state on.
struct StateStep {
  bool known = false;
  bool fromArrival = false;
  int offset = 0;
  int next = 0;
  bool trip = false;
};
constexpr std::array<StateStep, kLanded + 1> kStateSteps = {{
    {true, false, -2, kBoardingOpen, false},  // kWaitingForBoarding
    {true, false, -2, kBoarded, true},        // kBoardingOpen: the passengers board
    {true, false, 0, kInTheAir, false},       // kBoarded
    {true, true, -1, kApproaching, false},    // kInTheAir
    {}, {}, {}, {}, {}, {},
    {true, true, 0, kLanded, false},             // kApproaching
    {true, true, 1, kWaitingForBoarding, true},  // kLanded: the trip is settled
}};

// The quarter hour of the day (0..95) at which the leg leaves its state, or -1 for a value that is not a state.
constexpr int StateChangeSlot(const Flight& leg) {
  if (leg.state < 0 || leg.state > kLanded) return -1;
  const StateStep& step = kStateSteps[static_cast<std::size_t>(leg.state)];
  if (!step.known) return -1;
  return SlotOfDay((step.fromArrival ? leg.arrival : leg.departure) + step.offset);
}

// StateChangeSlot of a leg whose state the state machine has just set, so one of the table's states.
constexpr int NextStateChangeSlot(const Flight& leg) {
  const StateStep& step = kStateSteps[static_cast<std::size_t>(leg.state)];
  return SlotOfDay((step.fromArrival ? leg.arrival : leg.departure) + step.offset);
}

}  // namespace jetvale
