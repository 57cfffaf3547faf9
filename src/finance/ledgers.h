// The year's close of every airline's books, and the thirteen rows the financial statement shows of a ledger.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "world/world.h"

namespace jetvale {

// Year end: each airline's current year becomes its previous year, with the balance of that moment, and
// starts again from zero; every airport's yearly traffic statistics start again from zero too.
void YearEndRollOver(World& world);

// A statement row: its title and how its value is made of ledger fields. The value is the sum of `added`
// minus the sum of `subtracted`, each summed left to right in the order given; a heading row has neither.
struct StatementRow {
  std::string_view title;
  std::span<const LedgerEntry> added;
  std::span<const LedgerEntry> subtracted;
  bool HasValues() const { return !added.empty(); }
};

constexpr int kStatementRowCount = 13;
extern const std::array<StatementRow, kStatementRowCount> kStatementRows;

double StatementValue(const StatementRow& row, const Ledger& ledger);

// The two sides of the profit row: everything a ledger holds as income, and as expenses.
double IncomeSum(const Ledger& ledger);
double ExpenseSum(const Ledger& ledger);

}  // namespace jetvale
