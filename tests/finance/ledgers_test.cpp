// The books: the statement's rows, what the profit counts, and the history's ten years.
#include <gtest/gtest.h>

#include "cli/simulation_run.h"
#include "finance/ledgers.h"
#include "finance/month_close.h"

namespace jetvale {
namespace {

using enum LedgerEntry;

TEST(Statement, RowsSumLeftToRightAndProfitCountsPurchasesButNoLoanMoney) {
  const StatementRow& wages = kStatementRows[7];
  const StatementRow& misc = kStatementRows[11];
  const StatementRow& profit = kStatementRows[12];
  Ledger ledger;
  ledger[BalancePreviousYear] = 999;  // shown nowhere
  // A double steps by 2 at 1e16: ((1e16 + 1) + 1) stays 1e16, where 1 + 1 + 1e16 would not.
  ledger[ExpenseMaintenance] = 1e16;
  ledger[ExpenseGroundCrew] = 1;
  ledger[ExpenseAttendants] = 1;
  ledger[ExpensePilots] = 4;
  EXPECT_EQ(StatementValue(wages, ledger), 1e16 + 4);
  ledger = Ledger{};
  for (const auto& [entry, amount] : {std::pair{IncomeFirstClass, 1000.25}, {IncomeEconomyClass, 3000.75},
                                      {IncomeSoldPlanes, 20000000.0}, {IncomeSoldGates, 425000.0},
                                      {ExpensePilots, 1274.0}, {ExpenseLoans, 749384.5}, {ExpenseNewGates, 850000.0},
                                      {ExpenseInsurance, 111.25}, {ExpenseLandingFees, 1369.0}}) {
    ledger[entry] = amount;
  }
  EXPECT_EQ(StatementValue(misc, ledger), 1480.25);
  EXPECT_EQ(StatementValue(kStatementRows[3], ledger), 20000000);  // "Planes Sold"
  EXPECT_EQ(StatementValue(profit, ledger), 18826862.25);  // 20429001 of income, 1602138.75 of expenses
}

TEST(MonthHistory, TenYearsAreKeptTheOldestMonthGoingAndANewGameStartsWithout) {
  GameState game(5);
  game.clock.Start();
  RunDays(game, 10 * 365 + 31);
  const std::vector<MonthRecord>& months = game.world.history.months;
  ASSERT_EQ(months.size(), kHistoryMonths);
  EXPECT_EQ(months.front().month * 100 + months.front().year, 201);   // Feb Year 1
  EXPECT_EQ(months.back().month * 100 + months.back().year, 111);     // Jan Year 11
  game.Restart(6);
  EXPECT_TRUE(game.world.history.months.empty());
}

}  // namespace
}  // namespace jetvale
