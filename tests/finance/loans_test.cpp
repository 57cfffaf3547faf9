// Annuity loans: the level payment, a loan paid down month by month, pay-offs, and slots that stay put.
#include <gtest/gtest.h>

#include <utility>

#include "finance/loan_desk.h"

namespace jetvale {
namespace {

using enum LedgerEntry;

constexpr double kMonthly = 749384.6772004307;  // 25 million over 36 months at 5.01 %

TEST(Loans, ALoanIsPaidDownInLevelPaymentsToAResidueThatStaysUntilPaidOff) {
  EXPECT_EQ(LoanPayment(25000000, 36, 0.0501), kMonthly);
  Random random(1);
  World world(random);
  Airline& airline = world.airlines[1];
  TakeLoan(airline, 0, 0.0501, 36, 25000000);
  EXPECT_EQ(airline.balance, 525000000);
  EXPECT_EQ(airline.overall[ExpenseLoans], 0);
  MonthlyLoanPayments(world);
  EXPECT_EQ(airline.balance, 525000000 - 749384);
  EXPECT_EQ(airline.currentYear[ExpenseLoans], kMonthly);
  EXPECT_NEAR(airline.loans[0].amountLeft, 24354990.3228, 1e-3);  // interest first: more than 25e6 - kMonthly
  for (int month = 1; month < 37; ++month) MonthlyLoanPayments(world);  // the 37th finds nothing due
  EXPECT_EQ(airline.balance, 525000000 - 36 * 749384);
  EXPECT_NEAR(airline.overall[ExpenseLoans], 26977848.3792, 1e-3);
  EXPECT_EQ(airline.loans[0].monthsLeft, 0);
  EXPECT_NEAR(airline.loans[0].amountLeft, 0, 1e-3);
  EXPECT_EQ(airline.loanCount, 1);
  PayOffLoan(airline, 0);
  EXPECT_NEAR(airline.overall[ExpenseLoans], 26977848.3792, 1e-3);
  EXPECT_EQ(airline.loanCount, 0);
  EXPECT_EQ(world.airlines[0].balance, 500000000);
}

TEST(Loans, TheNewLoanArrowsStepByTwentyFiveMillionsAndSixMonthsWithinTheirRanges) {
  const auto steps = [](int from, int (*step)(int, int)) { return std::pair(step(from, -1), step(from, +1)); };
  EXPECT_EQ(steps(25, StepLoanMillions), std::pair(25, 50));
  EXPECT_EQ(steps(975, StepLoanMillions), std::pair(950, 975));
  EXPECT_EQ(steps(6, StepLoanMonths), std::pair(6, 12));
  EXPECT_EQ(steps(360, StepLoanMonths), std::pair(354, 360));
}

// At the bottom of the balance's range a month that cannot be paid waits: nothing is charged, booked or counted.
TEST(Loans, AMonthTheBalanceCannotPayIsNotCharged) {
  Airline airline;
  TakeLoan(airline, 0, 0.0501, 36, 25000000);
  airline.balance = -2147483647 - 1 + 749383;
  ChargeLoanMonth(airline, 0);
  EXPECT_EQ(airline.balance, -2147483647 - 1 + 749383);
  EXPECT_EQ(airline.loans[0].monthsLeft, 36);
  EXPECT_EQ(airline.currentYear[ExpenseLoans], 0);
  airline.balance += 1;  // now the payment reaches the limit exactly
  ChargeLoanMonth(airline, 0);
  EXPECT_EQ(airline.balance, -2147483647 - 1);
  EXPECT_EQ(airline.loans[0].monthsLeft, 35);
}

TEST(Loans, PayingOffAMiddleLoanKeepsEveryOtherLoanChargedAndInItsSlot) {
  Random random(1);
  World world(random);
  Airline& player = world.airlines[0];
  int selected = kNoLoanSelected;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ApproveLoan(player, 25, 36, selected), kLoanApproved);
  EXPECT_EQ(player.loans[2].monthly, kMonthly);
  selected = 1;
  EXPECT_EQ(PayOffSelectedLoan(player, selected), kLoanPaidOff);
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(player.balance, 550000000);
  MonthlyLoanPayments(world);
  EXPECT_EQ(player.loans[2].monthsLeft, 35);  // charged though only two loans are in use
  EXPECT_EQ(player.balance, 550000000 - 2 * 749384);
  EXPECT_EQ(NextLoanInUse(player, 0), 2);
  EXPECT_EQ(PreviousLoanInUse(player, 2), 0);
  EXPECT_EQ(PreviousLoanInUse(player, 0), 0);
  EXPECT_EQ(NextLoanInUse(player, 2), 2);

  EXPECT_EQ(ApproveLoan(player, 975, 360, selected), kLoanApproved);
  EXPECT_EQ(selected, 1);  // the freed slot
  EXPECT_EQ(player.loans[1].amount, 975000000);
  ApproveLoan(player, 25, 6, selected);
  ApproveLoan(player, 25, 6, selected);
  const std::int32_t balance = player.balance;
  EXPECT_EQ(ApproveLoan(player, 25, 36, selected), kMaximumLoansExceeded);
  EXPECT_EQ(player.balance, balance);
  EXPECT_EQ(player.loanCount, 5);
  selected = 0;
  PayOffSelectedLoan(player, selected);
  EXPECT_EQ(PreviousLoanInUse(player, selected), 1);  // nothing in use below slot 1 now
  while (player.loanCount > 0) PayOffSelectedLoan(player, selected);
  EXPECT_EQ(selected, kNoLoanSelected);
  EXPECT_EQ(PayOffSelectedLoan(player, selected), "");
}

}  // namespace
}  // namespace jetvale
