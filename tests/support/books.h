// An airline's books as its balance sees them: what a ledger nets, and how far the balance may stray from it.
#pragma once

#include "world/ledger.h"

namespace jetvale {

// Income less expenses, as the ledger's field names tell them apart (last year's balance is neither).
inline double Net(const Ledger& ledger) {
  double net = 0;
  for (int entry = 1; entry < kLedgerEntryCount; ++entry) {
    const double value = ledger.values[static_cast<std::size_t>(entry)];
    net += kLedgerEntryNames[static_cast<std::size_t>(entry)].starts_with("FIN_INC") ? value : -value;
  }
  return net;
}

// The balance moves by what the ledgers book plus what was borrowed, but for the truncations of each booking: a
// trip's three fares and nine costs each reach the balance in whole units (under 12 a trip), a loan payment too
// (under 1), and a purchase is paid in single precision, where a balance below 2^31 rounds by up to 64 and so
// does the result (under 129).
constexpr double BooksTolerance(double trips, double payments, double purchases) {
  return 12.0 * trips + payments + 129.0 * purchases + 1;
}

}  // namespace jetvale
