// Quarter-hour slots of the day and the states a leg moves through.
#pragma once

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
constexpr int SlotOfDay(int slot) { return ((slot % kQuarterSlotsPerDay) + kQuarterSlotsPerDay) % kQuarterSlotsPerDay; }

}  // namespace jetvale
