// The 17 money fields that every airline keeps three times: this year, last year, and overall.
#pragma once

#include <array>
#include <string_view>

namespace jetvale {

enum class LedgerEntry {
  BalancePreviousYear,
  IncomeFirstClass,
  IncomeBusinessClass,
  IncomeEconomyClass,
  IncomeSoldGates,
  IncomeSoldPlanes,
  ExpensePilots,
  ExpenseAttendants,
  ExpenseNewPlanes,
  ExpenseFuel,
  ExpenseNewGates,
  ExpenseLandingFees,
  ExpenseNavigation,
  ExpenseGroundCrew,
  ExpenseMaintenance,
  ExpenseInsurance,
  ExpenseLoans,
};
constexpr int kLedgerEntryCount = 17;

// Field names as the saved game writes them after its CY_, PY_ or OV_ prefix, in field order.
constexpr std::array<std::string_view, kLedgerEntryCount> kLedgerEntryNames = {
    "FIN_BAL_PREV_YR",  "FIN_INC_FST_CLS",   "FIN_INC_BUS_CLS",      "FIN_INC_ECO_CLS",    "FIN_INC_SOLD_GATES",
    "FIN_INC_SOLD_PLANES", "FIN_EXP_PILOTS", "FIN_EXP_ATTEND",       "FIN_EXP_NEW_PLANES", "FIN_EXP_FUEL",
    "FIN_EXP_NEW_GATES", "FIN_EXP_LANDING_FEES", "FIN_EXP_NAVIGATION", "FIN_EXP_GROUND_CREW", "FIN_EXP_MAINT",
    "FIN_EXP_INSURANCE", "FIN_EXP_LOANS"};

struct Ledger {
  std::array<double, kLedgerEntryCount> values{};

  double& operator[](LedgerEntry entry) { return values[static_cast<std::size_t>(entry)]; }
  double operator[](LedgerEntry entry) const { return values[static_cast<std::size_t>(entry)]; }
};

}  // namespace jetvale
