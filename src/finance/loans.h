// Annuity loans: the level monthly payment, taking, charging and paying off a loan, and the player's loan desk.
#pragma once

#include <string_view>

#include "world/world.h"

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
constexpr double kLoanRatePercent = 5.01;  // yearly, fixed
constexpr int kMaxLoans = kLoanSlots;      // at a time, per airline
constexpr int kNoLoanSelected = -1;
constexpr int kLoanOutOfReach = -2;  // the balance cannot take the amount

constexpr std::string_view kLoanApproved = "Loan Approved";
constexpr std::string_view kMaximumLoansExceeded = "Maximum Loans Exceeded";
constexpr std::string_view kLoanPaidOff = "Loan Paid Off";

// The level monthly payment that repays `amount` in `months` payments at the yearly `rate` (a fraction).
double LoanPayment(double amount, int months, double rate);

// Whether the loan's monthly payment is the level payment of its amount, term and rate, as every loan the game
// opens has; such a loan's amount left stays between nothing and its amount.
bool PaysItsAnnuity(const Loan& loan);

// Opens the loan in the free `slot` and credits the amount to the balance; nothing is booked.
// The airline's loan count follows the slots: it rises here and falls when a loan is paid off.
// These three change nothing and return false when the balance would leave the int32 range.
bool TakeLoan(Airline& airline, int slot, double rate, int months, double amount);
// One monthly payment: the balance pays the whole units, the ledgers book the full amount. A month the
// balance cannot pay waits: the loan keeps its months left and is charged at the next month end.
bool ChargeLoanMonth(Airline& airline, int slot);
// Repays what is left at once and frees the slot where it is; the other loans keep their slots.
bool PayOffLoan(Airline& airline, int slot);
// Month end: every loan in use of every airline with payments still due pays one, in slot order.
void MonthlyLoanPayments(World& world);

// A loan into the lowest free slot: the slot, kNoLoanSelected when all slots are in use, or kLoanOutOfReach.
int BorrowIntoFreeSlot(Airline& airline, double rate, int months, double amount);

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
