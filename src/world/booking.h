// Booking money: one function adds an amount to a ledger field, one moves the balance; neither does both.
#pragma once

#include <string_view>

#include "world/money.h"
#include "world/records.h"

namespace jetvale {

// Adds the amount to the same field of the current-year and of the overall ledger.
inline void Book(Airline& airline, LedgerEntry entry, double amount) {
  AddMoney(airline.currentYear[entry], amount);
  AddMoney(airline.overall[entry], amount);
}

// What the game says when a purchase, sale, loan, pay-off or gate trade would carry the balance out of its range.
constexpr std::string_view kBalanceLimitExceeded = "Balance Limit Exceeded";

// Whether trunc(balance + amount) stays within the int32 range. Every trade and loan asks before it books
// anything, and is refused, changing nothing, when the answer is no.
inline bool BalanceCanTake(const Airline& airline, double amount) {
  return FitsBalance(static_cast<double>(airline.balance) + amount);
}

// balance = trunc(balance + amount), stopping at the end of the int32 range. Returns what the balance took:
// `amount` itself when it fits, else the whole units up to the limit, which is all the ledgers may book.
inline double AddToBalance(Airline& airline, double amount) {
  const double before = airline.balance;
  airline.balance = TruncateToInt(before + amount);
  return FitsBalance(before + amount) ? amount : airline.balance - before;
}

}  // namespace jetvale
