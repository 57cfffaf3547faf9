// Annuity loans: the level monthly payment, taking, charging and paying off a loan.
#pragma once

#include "world/world.h"

namespace jetvale {

constexpr double kLoanRatePercent = 5.01;  // yearly, fixed
constexpr int kMaxLoans = kLoanSlots;      // at a time, per airline
constexpr int kNoLoanSelected = -1;
constexpr int kLoanOutOfReach = -2;  // the balance cannot take the amount

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

// Whether `slot` is a loan slot and holds a loan.
bool LoanInUse(const Airline& airline, int slot);

// A loan into the lowest free slot: the slot, kNoLoanSelected when all slots are in use, or kLoanOutOfReach.
int BorrowIntoFreeSlot(Airline& airline, double rate, int months, double amount);

}  // namespace jetvale
