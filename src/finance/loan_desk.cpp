// The loan desk: its steps stop at the ends of their ranges.
#include "finance/loan_desk.h"

#include <algorithm>

#include "world/booking.h"

namespace jetvale {
namespace {

int Step(int value, int direction, int step, int lowest, int highest) {
  if (direction < 0 && value > lowest) return value - step;
  if (direction > 0 && value < highest) return value + step;
  return value;
}

}  // namespace

int StepLoanMillions(int millions, int direction) {
  return Step(millions, direction, kLoanMillionsStep, kLoanMillionsMin, kLoanMillionsMax);
}

int StepLoanMonths(int months, int direction) {
  return Step(months, direction, kLoanMonthsStep, kLoanMonthsMin, kLoanMonthsMax);
}

std::string_view ApproveLoan(Airline& airline, int millions, int months, int& selected) {
  const int slot = BorrowIntoFreeSlot(airline, kLoanRatePercent * 0.01, months, millions * 1000000.0);
  if (slot == kNoLoanSelected) return kMaximumLoansExceeded;
  if (slot == kLoanOutOfReach) return kBalanceLimitExceeded;
  selected = slot;
  return kLoanApproved;
}

std::string_view PayOffSelectedLoan(Airline& airline, int& selected) {
  if (!LoanInUse(airline, selected)) return {};
  if (!PayOffLoan(airline, selected)) return kBalanceLimitExceeded;
  selected = NextLoanInUse(airline, kNoLoanSelected);
  return kLoanPaidOff;
}

int PreviousLoanInUse(const Airline& airline, int selected) {
  for (int slot = std::min(selected, kLoanSlots) - 1; slot >= 0; --slot) {
    if (LoanInUse(airline, slot)) return slot;
  }
  return selected;
}

int NextLoanInUse(const Airline& airline, int selected) {
  for (int slot = std::max(selected, kNoLoanSelected) + 1; slot < kLoanSlots; ++slot) {
    if (LoanInUse(airline, slot)) return slot;
  }
  return selected;
}

}  // namespace jetvale
