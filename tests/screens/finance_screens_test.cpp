// The Finance menu played through taps: the statement of every airline, taking, viewing and paying off loans.
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "finance/loans.h"

namespace jetvale {
namespace {

class FinanceScreens : public ::testing::Test {
 protected:
  FinanceScreens() { h.TapItem(kToolsMenuWindow, kToolsCancelItem); }  // "Cancel": the map, the clock stopped
  void Choose(int choiceItem) {
    h.TapItem(kToolbarWindow, kToolbarFinanceItem);  // finance
    h.TapItem(kFinanceMenuWindow, choiceItem);
    h.TapItem(kFinanceMenuWindow, kFinanceOkItem);  // "Ok"
    h.RunFrames(1);
  }
  std::string Text(int window, int item) { return h.ui().windows[window].Item(item).text; }
  Airline& Player() { return h.game.Game().world.Player(); }
  HeadlessGame h{MakeTestAssets("jetvale_finance_screens")};
};

TEST_F(FinanceScreens, TheStatementShowsEveryAirlineInTurnAndFollowsTheBooks) {
  h.game.Game().world.airlines[3].identity = kAtlanticAir;
  Choose(1);  // "Statement"
  ASSERT_EQ(h.ui().currentWindow, kStatementWindow);
  EXPECT_EQ(Text(kStatementWindow, StatementValueItem(0, 0)), "0.");
  EXPECT_EQ(Text(kStatementWindow, StatementValueItem(12, 2)), "0.");
  EXPECT_EQ(Text(kStatementWindow, kStatementBalanceItem), "500.M");
  Player().currentYear[LedgerEntry::ExpenseFuel] = 2500;
  Player().overall[LedgerEntry::ExpenseFuel] = 2500;
  h.RunFrames(1);  // a live view: refilled every frame
  EXPECT_EQ(Text(kStatementWindow, StatementValueItem(6, 0)), "2.5K");   // Fuel, this year
  EXPECT_EQ(Text(kStatementWindow, StatementValueItem(12, 0)), "-2.5K");  // Profit, this year
  EXPECT_EQ(Text(kStatementWindow, StatementValueItem(12, 1)), "0.");     // Profit, last year
  h.TapItem(kStatementWindow, kStatementPreviousItem);  // "<-" from the first airline shows the fourth
  EXPECT_EQ(h.ui().finance.statementAirline, 3);
  EXPECT_EQ(Text(kStatementWindow, kStatementAirlineItem), "Atlantic Air");
  EXPECT_EQ(h.ui().windows[kStatementWindow].Item(kStatementAirlineItem).background, kOrange);
  EXPECT_EQ(Text(kStatementWindow, StatementValueItem(6, 0)), "0.");
  h.TapItem(kStatementWindow, kStatementNextItem);  // "->" from the fourth shows the first
  EXPECT_EQ(h.ui().finance.statementAirline, 0);
  EXPECT_EQ(Text(kStatementWindow, kStatementAirlineItem), "Atlantic Air");  // an airline without identity leaves the name as it was
}

TEST_F(FinanceScreens, ALoanIsOfferedTakenViewedAndPaidOff) {
  Choose(5);  // "New Loan"
  ASSERT_EQ(h.ui().currentWindow, kNewLoanWindow);
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanAmountItem), "25M");
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanRateItem), "5.01");
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanMonthsItem), "36");
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanPaymentItem), "749.38K");  // 749384.68 a month
  h.TapItem(kNewLoanWindow, kNewLoanLessMoneyItem);  // "<-" at 25M: no change
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanAmountItem), "25M");
  h.TapItem(kNewLoanWindow, kNewLoanMoreMoneyItem);
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanAmountItem), "50M");
  h.TapItem(kNewLoanWindow, kNewLoanFewerMonthsItem);  // 30 months
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanMonthsItem), "30");
  h.TapItem(kNewLoanWindow, kNewLoanOkItem);  // "Ok"
  EXPECT_EQ(h.ui().status.text, "Loan Approved");
  EXPECT_EQ(Player().balance, 550000000);
  EXPECT_EQ(Player().overall[LedgerEntry::ExpenseLoans], 0);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);

  Choose(3);  // "View Loans"
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansCountItem), "1");
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansIdItem), "1");
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansAmountItem), "50.M");
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansMonthsLeftItem), "30");
  h.TapItem(kViewLoansWindow, kViewLoansPayOffItem);  // "Payoff"
  EXPECT_EQ(h.ui().status.text, "Loan Paid Off");
  EXPECT_EQ(Player().balance, 500000000);
  EXPECT_EQ(Player().loanCount, 0);
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansAmountItem), "0");
  h.TapItem(kViewLoansWindow, kViewLoansPayOffItem);  // with no loan "Payoff" closes like "Ok"
  EXPECT_EQ(h.ui().command, kCommandClose);
}

// Two loans of 975M from 500M would carry the balance past 2147483647: the second is refused, the dialog stays.
TEST_F(FinanceScreens, ALoanOrPayOffThatWouldLeaveTheBalancesRangeIsRefused) {
  Choose(5);
  for (int i = 0; i < 38; ++i) h.TapItem(kNewLoanWindow, kNewLoanMoreMoneyItem);
  EXPECT_EQ(Text(kNewLoanWindow, kNewLoanAmountItem), "975M");
  h.TapItem(kNewLoanWindow, kNewLoanOkItem);
  EXPECT_EQ(Player().balance, 1475000000);
  Choose(5);
  h.TapItem(kNewLoanWindow, kNewLoanOkItem);
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(h.ui().currentWindow, kNewLoanWindow);
  EXPECT_EQ(Player().balance, 1475000000);
  EXPECT_EQ(Player().loanCount, 1);
  h.TapItem(kNewLoanWindow, kNewLoanCancelItem);  // "Cancel"

  Player().balance = -2147483647 + 900000000;  // 975M cannot be paid off from here
  Choose(3);
  h.TapItem(kViewLoansWindow, kViewLoansNextItem);  // "->": the loan
  h.TapItem(kViewLoansWindow, kViewLoansPayOffItem);  // "Payoff"
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(h.ui().status.countdown, 200);
  EXPECT_EQ(Player().balance, -2147483647 + 900000000);
  EXPECT_EQ(Player().loanCount, 1);
  EXPECT_EQ(Player().overall[LedgerEntry::ExpenseLoans], 0);
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansIdItem), "1");
}

TEST_F(FinanceScreens, ASixthLoanIsRefusedAndTheArrowsStepOverFreeSlots) {
  for (int i = 0; i < 6; ++i) {
    Choose(5);
    h.TapItem(kNewLoanWindow, kNewLoanOkItem);
  }
  EXPECT_EQ(h.ui().status.text, "Maximum Loans Exceeded");
  EXPECT_EQ(Player().loanCount, 5);
  PayOffLoan(Player(), 2);
  Choose(3);
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansIdItem), "5");  // the last loan taken
  h.TapItem(kViewLoansWindow, kViewLoansPreviousItem);  // "<-"
  h.TapItem(kViewLoansWindow, kViewLoansPreviousItem);  // over the free slot 2
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansIdItem), "2");
  h.TapItem(kViewLoansWindow, kViewLoansOkItem);  // "Ok" closes and forgets the selection
  Choose(3);
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansIdItem), "0");
  h.TapItem(kViewLoansWindow, kViewLoansNextItem);  // "->": the lowest loan
  EXPECT_EQ(Text(kViewLoansWindow, kViewLoansIdItem), "1");
}

}  // namespace
}  // namespace jetvale
