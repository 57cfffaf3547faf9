// The player's loan desk: what the New Loan window offers, its arrows, the approval and the pay-off with their
// messages, and the View Loans window's way through the loans in use.
#pragma once

#include <string_view>

#include "finance/loans.h"

namespace jetvale {

// What the New Loan window offers the player.
constexpr int kLoanMillionsMin = 25;
constexpr int kLoanMillionsMax = 975;
constexpr int kLoanMillionsStep = 25;
constexpr int kLoanMillionsDefault = 25;
constexpr int kLoanMonthsMin = 6;
constexpr int kLoanMonthsMax = 360;
constexpr int kLoanMonthsStep = 6;
constexpr int kLoanMonthsDefault = 36;
constexpr std::string_view kLoanApproved = "Loan Approved";
constexpr std::string_view kMaximumLoansExceeded = "Maximum Loans Exceeded";
constexpr std::string_view kLoanPaidOff = "Loan Paid Off";

// The New Loan window's arrows: one step down (direction -1) or up (+1); at the end of the range nothing changes.
int StepLoanMillions(int millions, int direction);
int StepLoanMonths(int months, int direction);
// The player's New Loan "Ok": borrows the millions over the months at the fixed rate. Returns the message to
// show; on approval `selected` becomes the new loan's slot.
std::string_view ApproveLoan(Airline& airline, int millions, int months, int& selected);
// The player's "Payoff" of the selected loan. Returns the message to show, empty when there was nothing to pay
// off; afterwards the lowest slot still in use is selected, or none.
std::string_view PayOffSelectedLoan(Airline& airline, int& selected);
// The View Loans arrows: the nearest slot in use below or above `selected`; `selected` itself when there is none.
int PreviousLoanInUse(const Airline& airline, int selected);
int NextLoanInUse(const Airline& airline, int selected);

}  // namespace jetvale
