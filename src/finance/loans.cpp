// Loans. A slot stays where it is from the loan's first day to its pay-off, so the monthly charge walks the
// slots in use rather than the first loan-count slots: paying off a middle loan leaves the others charged.
#include "finance/loans.h"

#include <algorithm>
#include <cmath>

#include "world/at_index.h"
#include "world/booking.h"

namespace jetvale {
namespace {

constexpr double kOneTwelfth = 1.0 / 12;

Loan& SlotOf(Airline& airline, int slot) { return At(airline.loans, slot); }

}  // namespace

double LoanPayment(double amount, int months, double rate) {
  const double growth = std::pow(1 + rate * kOneTwelfth, months);
  return (growth * rate * kOneTwelfth * amount) / (growth - 1);
}

bool PaysItsAnnuity(const Loan& loan) {
  constexpr double kTolerance = 1e-9;  // another runtime's pow may differ in the last digits
  const double payment = LoanPayment(loan.amount, loan.totalMonths, loan.rate);
  return std::abs(loan.monthly - payment) <= kTolerance * std::max(1.0, payment);
}

bool TakeLoan(Airline& airline, int slot, double rate, int months, double amount) {
  if (!BalanceCanTake(airline, amount)) return false;
  Loan& loan = SlotOf(airline, slot);
  loan.monthly = LoanPayment(amount, months, rate);
  AddToBalance(airline, amount);
  loan.rate = rate;
  loan.amount = amount;
  loan.totalMonths = months;
  loan.amountLeft = amount;
  loan.monthsLeft = months;
  loan.inUse = true;
  airline.loanCount += 1;
  return true;
}

bool ChargeLoanMonth(Airline& airline, int slot) {
  Loan& loan = SlotOf(airline, slot);
  if (!BalanceCanTake(airline, -std::trunc(loan.monthly))) return false;
  AddToBalance(airline, -std::trunc(loan.monthly));
  Book(airline, LedgerEntry::ExpenseLoans, loan.monthly);
  loan.monthsLeft -= 1;
  // The annuity's principal still owed after the payments made so far.
  const double monthlyRate = loan.rate * kOneTwelfth;
  const double growth = std::pow(1 + monthlyRate, loan.totalMonths - loan.monthsLeft);
  loan.amountLeft = loan.amount * growth - (loan.monthly / monthlyRate) * (growth - 1);
  return true;
}

bool PayOffLoan(Airline& airline, int slot) {
  Loan& loan = SlotOf(airline, slot);
  if (!BalanceCanTake(airline, -loan.amountLeft)) return false;
  AddToBalance(airline, -loan.amountLeft);
  Book(airline, LedgerEntry::ExpenseLoans, loan.amountLeft);
  loan = Loan{};
  airline.loanCount -= 1;
  return true;
}

void MonthlyLoanPayments(World& world) {
  for (Airline& airline : world.airlines) {
    for (int slot = 0; slot < kLoanSlots; ++slot) {
      if (LoanInUse(airline, slot) && SlotOf(airline, slot).monthsLeft > 0) ChargeLoanMonth(airline, slot);
    }
  }
}

bool LoanInUse(const Airline& airline, int slot) {
  return slot >= 0 && slot < kLoanSlots && At(airline.loans, slot).inUse;
}

int BorrowIntoFreeSlot(Airline& airline, double rate, int months, double amount) {
  if (airline.loanCount >= kMaxLoans) return kNoLoanSelected;
  for (int slot = 0; slot < kLoanSlots; ++slot) {
    if (!LoanInUse(airline, slot)) return TakeLoan(airline, slot, rate, months, amount) ? slot : kLoanOutOfReach;
  }
  return kNoLoanSelected;
}

}  // namespace jetvale
