// The Finance menu played through taps: loans refused at the balance's limits and at five, and the arrows
// over free slots.
#include "finance/loans.h"
#include "screens/story.h"

namespace jetvale {
namespace {

constexpr MenuChoice kViewLoans{{"finance"}, {"view loans"}};
constexpr MenuChoice kNewLoan{{"finance"}, {"new loan"}};
constexpr LedgerEntry kLoans = LedgerEntry::ExpenseLoans;

struct FinanceScreens : Stories {
  FinanceScreens() : Stories(MakeTestAssets("jetvale_finance_screens"), {kToMap}) {}
};

// Two loans of 975M from 500M would carry the balance past 2147483647: the second is refused, the dialog stays;
// nor can 975M be paid off 900M above the bottom of the range.
TEST_F(FinanceScreens, ALoanOrPayOffThatWouldLeaveTheBalancesRangeIsRefused) {
  const auto oneLoan = [](H& h) { EXPECT_EQ(Player(h).loanCount, 1); EXPECT_EQ(Player(h).overall[kLoans], 0); };
  Play({{.menu = kNewLoan},
        {.item = {"more money"}, .times = 38, .shows = {{{"amount"}, "975M"}}},
        {.item = {"ok"}, .balance = 1475000000},
        {.menu = kNewLoan, .item = {"ok"}, .status = "Balance Limit Exceeded", .on = kNewLoanWindow,
         .balance = 1475000000, .check = oneLoan},
        {.item = {"cancel"}},
        {.setup = [](H& h) { Player(h).balance = -2147483647 + 900000000; },
         .menu = kViewLoans, .item = {"forward"}},  // "->": the loan
        {.item = {"payoff"}, .status = "Balance Limit Exceeded", .shows = {{{"loan id"}, "1"}},
         .balance = -2147483647 + 900000000,
         .check = [&](H& h) { EXPECT_EQ(h.ui().status.countdown, 200); oneLoan(h); }}});
}

TEST_F(FinanceScreens, ASixthLoanIsRefusedAndTheArrowsStepOverFreeSlots) {
  Play({{.menu = kNewLoan, .item = {"ok"}, .times = 6, .status = "Maximum Loans Exceeded",
         .check = [](H& h) { EXPECT_EQ(Player(h).loanCount, 5); }},
        {.setup = [](H& h) { PayOffLoan(Player(h), 2); },
         .menu = kViewLoans, .shows = {{{"loan id"}, "5"}}},  // the last loan taken
        {.item = {"back"}, .times = 2, .shows = {{{"loan id"}, "2"}}},  // 4, then over slot 2
        {.item = {"ok"}},  // "Ok" closes and forgets the selection
        {.menu = kViewLoans, .shows = {{{"loan id"}, "0"}}},
        {.item = {"forward"}, .shows = {{{"loan id"}, "1"}}}});  // "->": the lowest loan
}

}  // namespace
}  // namespace jetvale
