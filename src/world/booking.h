// Booking money: one function adds an amount to a ledger field, one moves the balance; neither does both.
#pragma once

#include "world/money.h"
#include "world/records.h"

namespace jetvale {

// Adds the amount to the same field of the current-year and of the overall ledger.
inline void Book(Airline& airline, LedgerEntry entry, double amount) {
  AddMoney(airline.currentYear[entry], amount);
  AddMoney(airline.overall[entry], amount);
}

// balance = trunc(balance + amount), saturating at the ends of the int32 range.
inline void AddToBalance(Airline& airline, double amount) {
  airline.balance = TruncateToInt(static_cast<double>(airline.balance) + amount);
}

}  // namespace jetvale
