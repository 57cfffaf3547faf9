// The statement's rows and the year end that closes the books, also as the clock runs into a new year.
#include <gtest/gtest.h>

#include "finance/ledgers.h"
#include "finance/loans.h"
#include "sim/calendar.h"

namespace jetvale {
namespace {

using enum LedgerEntry;

const StatementRow& Row(std::string_view title) {
  for (const StatementRow& row : kStatementRows) {
    if (row.title == title) return row;
  }
  throw std::invalid_argument(std::string(title));
}

TEST(Statement, ThirteenRowsGroupTheLedgerAndProfitCountsEveryPurchaseButNoLoanMoney) {
  const std::vector<std::string_view> titles = {"First", "Business", "Economy", "Planes Sold", "Gates Sold",
                                                "Expenses", "Fuel", "Wages", "Loans", "Planes Purch",
                                                "Gates Purch", "Misc", "Profit"};
  ASSERT_EQ(kStatementRows.size(), titles.size());
  for (std::size_t i = 0; i < titles.size(); ++i) EXPECT_EQ(kStatementRows[i].title, titles[i]);
  EXPECT_FALSE(Row("Expenses").HasValues());

  Ledger ledger;
  ledger[BalancePreviousYear] = 999;  // shown nowhere
  ledger[IncomeFirstClass] = 1000.25;
  ledger[IncomeBusinessClass] = 500.5;
  ledger[IncomeEconomyClass] = 3000.75;
  ledger[IncomeSoldPlanes] = 20000000;
  ledger[IncomeSoldGates] = 425000;
  ledger[ExpenseFuel] = 206.5;
  ledger[ExpenseMaintenance] = 6000;
  ledger[ExpenseGroundCrew] = 1657;
  ledger[ExpenseAttendants] = 250.75;
  ledger[ExpensePilots] = 1274;
  ledger[ExpenseLoans] = 749384.5;
  ledger[ExpenseNewPlanes] = 39500000;
  ledger[ExpenseNewGates] = 850000;
  ledger[ExpenseInsurance] = 111.25;
  ledger[ExpenseNavigation] = 1735;
  ledger[ExpenseLandingFees] = 1369;
  EXPECT_EQ(StatementValue(Row("Economy"), ledger), 3000.75);
  EXPECT_EQ(StatementValue(Row("Planes Sold"), ledger), 20000000);
  EXPECT_EQ(StatementValue(Row("Gates Sold"), ledger), 425000);
  EXPECT_EQ(StatementValue(Row("Wages"), ledger), 9181.75);  // 6000 + 1657 + 250.75 + 1274
  EXPECT_EQ(StatementValue(Row("Loans"), ledger), 749384.5);
  EXPECT_EQ(StatementValue(Row("Planes Purch"), ledger), 39500000);
  EXPECT_EQ(StatementValue(Row("Gates Purch"), ledger), 850000);
  EXPECT_EQ(StatementValue(Row("Misc"), ledger), 3215.25);  // 111.25 + 1735 + 1369
  // 20429501.5 of income less 41111988 of expenses.
  EXPECT_EQ(StatementValue(Row("Profit"), ledger), -20682486.5);
}

TEST(Statement, SumsRunLeftToRightSoSmallAmountsBehindAHugeOneVanishAsTheyDid) {
  Ledger ledger;
  // At 1e16 a double steps by 2: ((1e16 + 1) + 1) + 0 stays 1e16, where 1 + 1 + 1e16 would give 1e16 + 2.
  ledger[ExpenseMaintenance] = 1e16;
  ledger[ExpenseGroundCrew] = 1;
  ledger[ExpenseAttendants] = 1;
  EXPECT_EQ(StatementValue(Row("Wages"), ledger), 1e16);
  ledger = Ledger{};
  ledger[ExpenseInsurance] = 1e16;
  ledger[ExpenseNavigation] = 1;
  ledger[ExpenseLandingFees] = 1;
  EXPECT_EQ(StatementValue(Row("Misc"), ledger), 1e16);
  EXPECT_EQ(StatementValue(Row("Profit"), ledger), -1e16);
  ledger = Ledger{};
  ledger[IncomeFirstClass] = 1e16;
  ledger[IncomeBusinessClass] = 1;
  ledger[IncomeSoldGates] = 1;
  EXPECT_EQ(StatementValue(Row("Profit"), ledger), 1e16);
}

TEST(YearEnd, TheYearMovesToPreviousWithTheBalanceAndStartsAgainFromZero) {
  Random random(3);
  World world(random);
  Airline& airline = world.airlines[2];
  airline.balance = -123456789;
  airline.currentYear[BalancePreviousYear] = 5;
  airline.currentYear[IncomeEconomyClass] = 1234.5;
  airline.currentYear[ExpenseLoans] = 99.25;
  airline.previousYear[ExpenseFuel] = 77;
  airline.overall[ExpenseFuel] = 88;
  world.AirportById(52).passengers[3] = 40;
  world.AirportById(52).legsInto[3] = 2;
  YearEndRollOver(world);
  EXPECT_EQ(airline.previousYear[BalancePreviousYear], -123456789.0);
  EXPECT_EQ(airline.previousYear[IncomeEconomyClass], 1234.5);
  EXPECT_EQ(airline.previousYear[ExpenseLoans], 99.25);
  EXPECT_EQ(airline.previousYear[ExpenseFuel], 0);
  for (const double value : airline.currentYear.values) EXPECT_EQ(value, 0);
  EXPECT_EQ(airline.overall[ExpenseFuel], 88);
  EXPECT_EQ(world.airlines[0].previousYear[BalancePreviousYear], 500000000.0);
  EXPECT_EQ(world.AirportById(52).passengers[3], 0);
  EXPECT_EQ(world.AirportById(52).legsInto[3], 2);
}

TEST(YearEnd, TheFirstOfJanuarysLoanPaymentBelongsToTheYearThatCloses) {
  GameState game(1);
  Airline& player = game.world.airlines[0];
  TakeLoan(player, 0, 0.0501, 36, 25000000);
  game.clock.month = 12;
  game.clock.day = 31;
  game.clock.hour = 23;
  game.clock.minute = 55;
  AdvanceClock(game);
  EXPECT_EQ(game.clock.DateText(), "Jan-1 Year 2 Tue");
  EXPECT_EQ(player.balance, 525000000 - 749384);
  EXPECT_EQ(player.previousYear[BalancePreviousYear], 524250616.0);
  EXPECT_EQ(player.previousYear[ExpenseLoans], 749384.6772004307);
  EXPECT_EQ(player.currentYear[ExpenseLoans], 0);
  EXPECT_EQ(player.overall[ExpenseLoans], 749384.6772004307);
  EXPECT_EQ(player.loans[0].monthsLeft, 35);
}

}  // namespace
}  // namespace jetvale
