// Finance handlers. The statement and both loan windows are live views: refilled in every frame they are shown.
#include "finance/finance_screens.h"

#include <array>

#include "finance/ledgers.h"
#include "finance/loans.h"
#include "screens/number_text.h"
#include "ui/toolbar.h"
#include "world/booking.h"
#include "world/identities.h"

namespace jetvale {
namespace {

constexpr int kCommandStatement = 305;
constexpr int kCommandPreviousAirline = 307;
constexpr int kCommandNextAirline = 308;
constexpr int kCommandFinanceOk = 310;
constexpr int kCommandNewLoan = 315;
constexpr int kCommandTakeLoan = 335;
constexpr int kCommandLessMoney = 350;
constexpr int kCommandMoreMoney = 355;
constexpr int kCommandFewerMonths = 360;
constexpr int kCommandMoreMonths = 365;
constexpr int kCommandViewLoans = 370;
constexpr int kCommandPreviousLoan = 375;
constexpr int kCommandNextLoan = 380;
constexpr int kCommandPayOff = 385;

// Statement items.
constexpr int kFirstRowItem = 1;
constexpr int kBalanceItem = 54;
constexpr int kAirlineNameItem = 55;

// New Loan items.
constexpr int kAmountItem = 2;
constexpr int kMonthsItem = 8;
constexpr int kPaymentItem = 11;

// View Loans items.
constexpr int kLoanCountItem = 1;
constexpr int kLoanIdItem = 4;
constexpr int kLoanAmountItem = 7;
constexpr int kAmountLeftItem = 9;
constexpr int kMonthlyItem = 11;
constexpr int kMonthsLeftItem = 13;
constexpr int kPayOffItem = 14;

// The statement's name cell in each airline's colour.
struct AirlineBadge {
  int identity;
  Color background;
};
constexpr std::array<AirlineBadge, 4> kBadges = {{
    {kWesternAirlines, kBlue}, {kSoutheastAir, kYellow}, {kOceanAirways, kRed}, {kAtlanticAir, kOrange}}};

void FillStatement(Ui& ui) {
  const Airline& airline = ui.game.world.airlines[static_cast<std::size_t>(ui.finance.statementAirline)];
  GameWindow& w = ui.windows[kStatementWindow];
  int item = kFirstRowItem;
  for (const StatementRow& row : kStatementRows) {
    item += 1;  // the row's title
    if (!row.HasValues()) continue;
    for (const Ledger* ledger : {&airline.currentYear, &airline.previousYear, &airline.overall}) {
      w.Item(item++).text = FormatMoney(StatementValue(row, *ledger));
    }
  }
  w.Item(kBalanceItem).text = FormatMoney(airline.balance);
  for (std::size_t i = 0; i < kBadges.size(); ++i) {
    if (kBadges[i].identity != airline.identity) continue;
    w.Item(kAirlineNameItem).text = std::string(kAirlineIdentities[i].name);
    w.Item(kAirlineNameItem).background = kBadges[i].background;
  }
  ui.Show(kStatementWindow);
}

void StepAirline(Ui& ui, int step) {
  ui.finance.statementAirline = (ui.finance.statementAirline + step + kAirlineCount) % kAirlineCount;
  ui.command = kCommandStatement;
  FillStatement(ui);
}

void FinanceOk(Ui& ui) { ui.TakeMenuChoice(kFinanceMenuWindow, kCommandFinanceMenu); }

void FillNewLoan(Ui& ui) {
  const FinanceScreenState& f = ui.finance;
  GameWindow& w = ui.windows[kNewLoanWindow];
  w.Item(kAmountItem).text = IntegerText(f.loanMillions) + "M";
  w.Item(kMonthsItem).text = IntegerText(f.loanMonths);
  w.Item(kPaymentItem).text = FormatMoney(LoanPayment(f.loanMillions * 1000000.0, f.loanMonths, kLoanRatePercent * 0.01));
  ui.command = kCommandNewLoan;
  ui.Show(kNewLoanWindow);
}

// The arrows stop at the ends of their ranges.
void StepLoanTerms(Ui& ui, int millions, int months) {
  ui.finance.loanMillions = StepLoanMillions(ui.finance.loanMillions, millions);
  ui.finance.loanMonths = StepLoanMonths(ui.finance.loanMonths, months);
  FillNewLoan(ui);
}

// A loan the balance cannot take leaves the dialog open, so that a smaller amount can be chosen.
void TakeTheLoan(Ui& ui) {
  const std::string_view message =
      ApproveLoan(ui.game.world.Player(), ui.finance.loanMillions, ui.finance.loanMonths, ui.finance.selectedLoan);
  ui.Say(std::string(message));
  if (message == kBalanceLimitExceeded) {
    FillNewLoan(ui);
  } else {
    ui.ShowMap();
  }
}

void FillViewLoans(Ui& ui) {
  const Airline& player = ui.game.world.Player();
  const int selected = ui.finance.selectedLoan;
  GameWindow& w = ui.windows[kViewLoansWindow];
  if (selected < 0) {
    for (const int item : {kLoanCountItem, kLoanIdItem, kLoanAmountItem, kAmountLeftItem, kMonthlyItem, kMonthsLeftItem}) {
      w.Item(item).text.assign(1, '0');  // assign: GCC 12 warns falsely (-Wrestrict) on = "0" here
    }
    w.Item(kPayOffItem).command = kCommandClose;  // with no loan shown, "Payoff" closes like "Ok"
  } else {
    const Loan& loan = player.loans[static_cast<std::size_t>(selected)];
    w.Item(kLoanCountItem).text = IntegerText(player.loanCount);
    w.Item(kLoanIdItem).text = IntegerText(selected + 1);
    w.Item(kLoanAmountItem).text = FormatMoney(loan.amount);
    w.Item(kAmountLeftItem).text = FormatMoney(loan.amountLeft);
    w.Item(kMonthlyItem).text = FormatMoney(loan.monthly);
    w.Item(kMonthsLeftItem).text = IntegerText(loan.monthsLeft);
    w.Item(kPayOffItem).command = kCommandPayOff;
  }
  ui.command = kCommandViewLoans;
  ui.Show(kViewLoansWindow);
}

void PreviousLoan(Ui& ui) {
  ui.finance.selectedLoan = PreviousLoanInUse(ui.game.world.Player(), ui.finance.selectedLoan);
  FillViewLoans(ui);
}
void NextLoan(Ui& ui) {
  ui.finance.selectedLoan = NextLoanInUse(ui.game.world.Player(), ui.finance.selectedLoan);
  FillViewLoans(ui);
}
void PayOff(Ui& ui) {
  const std::string_view message = PayOffSelectedLoan(ui.game.world.Player(), ui.finance.selectedLoan);
  if (!message.empty()) ui.Say(std::string(message));
  FillViewLoans(ui);
}

constexpr std::array<CommandRoute, 14> kRoutes = {{
    {kCommandStatement, FillStatement},
    {kCommandPreviousAirline, [](Ui& ui) { StepAirline(ui, -1); }},
    {kCommandNextAirline, [](Ui& ui) { StepAirline(ui, +1); }},
    {kCommandFinanceOk, FinanceOk},
    {kCommandNewLoan, FillNewLoan},
    {kCommandLessMoney, [](Ui& ui) { StepLoanTerms(ui, -1, 0); }},
    {kCommandMoreMoney, [](Ui& ui) { StepLoanTerms(ui, +1, 0); }},
    {kCommandFewerMonths, [](Ui& ui) { StepLoanTerms(ui, 0, -1); }},
    {kCommandMoreMonths, [](Ui& ui) { StepLoanTerms(ui, 0, +1); }},
    {kCommandTakeLoan, TakeTheLoan},
    {kCommandViewLoans, FillViewLoans},
    {kCommandPreviousLoan, PreviousLoan},
    {kCommandNextLoan, NextLoan},
    {kCommandPayOff, PayOff},
}};

}  // namespace

std::span<const CommandRoute> FinanceScreenRoutes() { return kRoutes; }

}  // namespace jetvale
