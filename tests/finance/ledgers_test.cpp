// The statement's rows, and the year end as the clock crosses it.
#include <gtest/gtest.h>

#include "finance/ledgers.h"
#include "finance/loans.h"
#include "sim/calendar.h"

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

TEST(YearEnd, TheYearClosesAfterTheFirstOfJanuarysLoanPayment) {
  GameState game(1);
  game.clock.Start();
  Airline& player = game.world.airlines[0];
  TakeLoan(player, 0, 0.0501, 36, 25000000);
  player.currentYear[IncomeEconomyClass] = 1234.5;
  player.previousYear[ExpenseFuel] = 77;
  player.overall[ExpenseFuel] = 88;
  game.world.AirportById(52).passengers[3] = 40;
  game.world.AirportById(52).legsInto[3] = 2;
  game.clock.month = 12;
  game.clock.day = 31;
  game.clock.hour = 23;
  game.clock.minute = 55;
  AdvanceClock(game);
  EXPECT_EQ(player.balance, 525000000 - 749384);
  EXPECT_EQ(player.previousYear[BalancePreviousYear], 524250616.0);
  EXPECT_EQ(player.previousYear[ExpenseLoans], 749384.6772004307);
  EXPECT_EQ(player.previousYear[IncomeEconomyClass], 1234.5);
  EXPECT_EQ(player.previousYear[ExpenseFuel], 0);
  for (const double value : player.currentYear.values) EXPECT_EQ(value, 0);
  EXPECT_EQ(player.overall[ExpenseFuel], 88);
  EXPECT_EQ(game.world.airlines[3].previousYear[BalancePreviousYear], 500000000.0);
  EXPECT_EQ(game.world.AirportById(52).passengers[3], 0);
  EXPECT_EQ(game.world.AirportById(52).legsInto[3], 2);
}

}  // namespace
}  // namespace jetvale
