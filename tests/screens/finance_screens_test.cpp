// The Finance menu played through taps: the statement of every airline, taking, viewing and paying off loans.
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "finance/loans.h"

namespace jetvale {
namespace {

class FinanceScreens : public ::testing::Test {
 protected:
  FinanceScreens() { h.TapItem(kToolsMenuWindow, 10); }  // "Cancel": the map, the clock stopped
  void Choose(int choiceItem) {
    h.TapItem(kToolbarWindow, 1);  // finance
    h.TapItem(kFinanceMenuWindow, choiceItem);
    h.TapItem(kFinanceMenuWindow, 7);  // "Ok"
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
  EXPECT_EQ(Text(kStatementWindow, 2), "0.");
  EXPECT_EQ(Text(kStatementWindow, 49), "0.");
  EXPECT_EQ(Text(kStatementWindow, 54), "500.M");
  Player().currentYear[LedgerEntry::ExpenseFuel] = 2500;
  Player().overall[LedgerEntry::ExpenseFuel] = 2500;
  h.RunFrames(1);  // a live view: refilled every frame
  EXPECT_EQ(Text(kStatementWindow, 23), "2.5K");   // Fuel, this year
  EXPECT_EQ(Text(kStatementWindow, 47), "-2.5K");  // Profit, this year
  EXPECT_EQ(Text(kStatementWindow, 48), "0.");     // Profit, last year
  h.TapItem(kStatementWindow, 51);  // "<-" from the first airline shows the fourth
  EXPECT_EQ(h.ui().finance.statementAirline, 3);
  EXPECT_EQ(Text(kStatementWindow, 55), "Atlantic Air");
  EXPECT_EQ(h.ui().windows[kStatementWindow].Item(55).background, kOrange);
  EXPECT_EQ(Text(kStatementWindow, 23), "0.");
  h.TapItem(kStatementWindow, 52);  // "->" from the fourth shows the first
  EXPECT_EQ(h.ui().finance.statementAirline, 0);
  EXPECT_EQ(Text(kStatementWindow, 55), "Atlantic Air");  // an airline without identity leaves the name as it was
}

TEST_F(FinanceScreens, ALoanIsOfferedTakenViewedAndPaidOff) {
  Choose(5);  // "New Loan"
  ASSERT_EQ(h.ui().currentWindow, kNewLoanWindow);
  EXPECT_EQ(Text(kNewLoanWindow, 2), "25M");
  EXPECT_EQ(Text(kNewLoanWindow, 5), "5.01");
  EXPECT_EQ(Text(kNewLoanWindow, 8), "36");
  EXPECT_EQ(Text(kNewLoanWindow, 11), "749.38K");  // 749384.68 a month
  h.TapItem(kNewLoanWindow, 1);  // "<-" at 25M: no change
  EXPECT_EQ(Text(kNewLoanWindow, 2), "25M");
  h.TapItem(kNewLoanWindow, 3);
  EXPECT_EQ(Text(kNewLoanWindow, 2), "50M");
  h.TapItem(kNewLoanWindow, 7);  // 30 months
  EXPECT_EQ(Text(kNewLoanWindow, 8), "30");
  h.TapItem(kNewLoanWindow, 13);  // "Ok"
  EXPECT_EQ(h.ui().status.text, "Loan Approved");
  EXPECT_EQ(Player().balance, 550000000);
  EXPECT_EQ(Player().overall[LedgerEntry::ExpenseLoans], 0);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);

  Choose(3);  // "View Loans"
  EXPECT_EQ(Text(kViewLoansWindow, 1), "1");
  EXPECT_EQ(Text(kViewLoansWindow, 4), "1");
  EXPECT_EQ(Text(kViewLoansWindow, 7), "50.M");
  EXPECT_EQ(Text(kViewLoansWindow, 13), "30");
  h.TapItem(kViewLoansWindow, 14);  // "Payoff"
  EXPECT_EQ(h.ui().status.text, "Loan Paid Off");
  EXPECT_EQ(Player().balance, 500000000);
  EXPECT_EQ(Player().loanCount, 0);
  EXPECT_EQ(Text(kViewLoansWindow, 7), "0");
  h.TapItem(kViewLoansWindow, 14);  // with no loan "Payoff" closes like "Ok"
  EXPECT_EQ(h.ui().command, 999);
}

// Two loans of 975M from 500M would carry the balance past 2147483647: the second is refused, the dialog stays.
TEST_F(FinanceScreens, ALoanOrPayOffThatWouldLeaveTheBalancesRangeIsRefused) {
  Choose(5);
  for (int i = 0; i < 38; ++i) h.TapItem(kNewLoanWindow, 3);
  EXPECT_EQ(Text(kNewLoanWindow, 2), "975M");
  h.TapItem(kNewLoanWindow, 13);
  EXPECT_EQ(Player().balance, 1475000000);
  Choose(5);
  h.TapItem(kNewLoanWindow, 13);
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(h.ui().currentWindow, kNewLoanWindow);
  EXPECT_EQ(Player().balance, 1475000000);
  EXPECT_EQ(Player().loanCount, 1);
  h.TapItem(kNewLoanWindow, 12);  // "Cancel"

  Player().balance = -2147483647 + 900000000;  // 975M cannot be paid off from here
  Choose(3);
  h.TapItem(kViewLoansWindow, 5);  // "->": the loan
  h.TapItem(kViewLoansWindow, 14);  // "Payoff"
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(h.ui().status.countdown, 200);
  EXPECT_EQ(Player().balance, -2147483647 + 900000000);
  EXPECT_EQ(Player().loanCount, 1);
  EXPECT_EQ(Player().overall[LedgerEntry::ExpenseLoans], 0);
  EXPECT_EQ(Text(kViewLoansWindow, 4), "1");
}

TEST_F(FinanceScreens, ASixthLoanIsRefusedAndTheArrowsStepOverFreeSlots) {
  for (int i = 0; i < 6; ++i) {
    Choose(5);
    h.TapItem(kNewLoanWindow, 13);
  }
  EXPECT_EQ(h.ui().status.text, "Maximum Loans Exceeded");
  EXPECT_EQ(Player().loanCount, 5);
  PayOffLoan(Player(), 2);
  Choose(3);
  EXPECT_EQ(Text(kViewLoansWindow, 4), "5");  // the last loan taken
  h.TapItem(kViewLoansWindow, 3);  // "<-"
  h.TapItem(kViewLoansWindow, 3);  // over the free slot 2
  EXPECT_EQ(Text(kViewLoansWindow, 4), "2");
  h.TapItem(kViewLoansWindow, 15);  // "Ok" closes and forgets the selection
  Choose(3);
  EXPECT_EQ(Text(kViewLoansWindow, 4), "0");
  h.TapItem(kViewLoansWindow, 5);  // "->": the lowest loan
  EXPECT_EQ(Text(kViewLoansWindow, 4), "1");
}

}  // namespace
}  // namespace jetvale
