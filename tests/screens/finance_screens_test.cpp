// The Finance menu played through taps: loans refused at the balance's limits and at five, and the arrows
// over free slots.
#include "finance/loans.h"
#include "screens/story.h"

namespace jetvale {
namespace {

constexpr MenuChoice kViewLoans{kToolbarFinanceItem, kFinanceViewLoansItem};
constexpr MenuChoice kNewLoan{kToolbarFinanceItem, kFinanceNewLoanItem};
constexpr LedgerEntry kLoans = LedgerEntry::ExpenseLoans;

struct FinanceScreens : Stories {
  FinanceScreens() : Stories(MakeTestAssets("jetvale_finance_screens"), {kToMap}) {}
};

// Two loans of 975M from 500M would carry the balance past 2147483647: the second is refused, the dialog stays;
// nor can 975M be paid off 900M above the bottom of the range.
TEST_F(FinanceScreens, ALoanOrPayOffThatWouldLeaveTheBalancesRangeIsRefused) {
  const auto oneLoan = [](H& h) { EXPECT_EQ(Player(h).loanCount, 1); EXPECT_EQ(Player(h).overall[kLoans], 0); };
  Play({{.menu = kNewLoan},
        {.item = kNewLoanMoreMoneyItem, .times = 38, .shows = {{kNewLoanAmountItem, "975M"}}},
        {.item = kNewLoanOkItem, .balance = 1475000000},
        {.menu = kNewLoan, .item = kNewLoanOkItem, .status = "Balance Limit Exceeded", .on = kNewLoanWindow,
         .balance = 1475000000, .check = oneLoan},
        {.item = kNewLoanCancelItem},
        {.setup = [](H& h) { Player(h).balance = -2147483647 + 900000000; },
         .menu = kViewLoans, .item = kViewLoansNextItem},  // "->": the loan
        {.item = kViewLoansPayOffItem, .status = "Balance Limit Exceeded", .shows = {{kViewLoansIdItem, "1"}},
         .balance = -2147483647 + 900000000,
         .check = [&](H& h) { EXPECT_EQ(h.ui().status.countdown, 200); oneLoan(h); }}});
}

TEST_F(FinanceScreens, ASixthLoanIsRefusedAndTheArrowsStepOverFreeSlots) {
  Play({{.menu = kNewLoan, .item = kNewLoanOkItem, .times = 6, .status = "Maximum Loans Exceeded",
         .check = [](H& h) { EXPECT_EQ(Player(h).loanCount, 5); }},
        {.setup = [](H& h) { PayOffLoan(Player(h), 2); },
         .menu = kViewLoans, .shows = {{kViewLoansIdItem, "5"}}},  // the last loan taken
        {.item = kViewLoansPreviousItem, .times = 2, .shows = {{kViewLoansIdItem, "2"}}},  // 4, then over slot 2
        {.item = kViewLoansOkItem},  // "Ok" closes and forgets the selection
        {.menu = kViewLoans, .shows = {{kViewLoansIdItem, "0"}}},
        {.item = kViewLoansNextItem, .shows = {{kViewLoansIdItem, "1"}}}});  // "->": the lowest loan
}

}  // namespace
}  // namespace jetvale
