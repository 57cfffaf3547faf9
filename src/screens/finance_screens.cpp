// Finance handlers. The statement and both loan windows are live views: refilled in every frame they are shown.
#include "screens/finance_screens.h"

#include <array>

#include "finance/ledgers.h"
#include "finance/loan_desk.h"
#include "text/number_text.h"
#include "ui/toolbar.h"
#include "world/booking.h"
#include "world/identities.h"

namespace jetvale {
namespace {

// Statement items.

// New Loan items.

// View Loans items.

void FillStatement(Ui& ui) {
  const Airline& airline = ui.game.world.airlines[static_cast<std::size_t>(ui.finance.statementAirline)];
  GameWindow& w = ui.windows[kStatementWindow];
  int item = kStatementFirstRowItem;
  for (const StatementRow& row : kStatementRows) {
    item += 1;  // the row's title
    if (!row.HasValues()) continue;
    for (const Ledger* ledger : {&airline.currentYear, &airline.previousYear, &airline.overall}) {
      w.Item(item++).text = FormatMoney(StatementValue(row, *ledger));
    }
  }
  w.Item(kStatementBalanceItem).text = FormatMoney(airline.balance);
  if (const int index = IdentityIndex(airline.identity); index >= 0) {
    const AirlineIdentity& identity = kAirlineIdentities[static_cast<std::size_t>(index)];
    w.Item(kStatementAirlineItem).text = std::string(identity.name);
    w.Item(kStatementAirlineItem).background = identity.statementColor;
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
  w.Item(kNewLoanAmountItem).text = IntegerText(f.loanMillions) + "M";
  w.Item(kNewLoanMonthsItem).text = IntegerText(f.loanMonths);
  w.Item(kNewLoanPaymentItem).text = FormatMoney(LoanPayment(f.loanMillions * 1000000.0, f.loanMonths, kLoanRatePercent * 0.01));
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
    for (const int item : {kViewLoansCountItem, kViewLoansIdItem, kViewLoansAmountItem, kViewLoansAmountLeftItem, kViewLoansMonthlyItem, kViewLoansMonthsLeftItem}) {
      w.Item(item).text.assign(1, '0');  // assign: GCC 12 warns falsely (-Wrestrict) on = "0" here
    }
    w.Item(kViewLoansPayOffItem).command = kCommandClose;  // with no loan shown, "Payoff" closes like "Ok"
  } else {
    const Loan& loan = player.loans[static_cast<std::size_t>(selected)];
    w.Item(kViewLoansCountItem).text = IntegerText(player.loanCount);
    w.Item(kViewLoansIdItem).text = IntegerText(selected + 1);
    w.Item(kViewLoansAmountItem).text = FormatMoney(loan.amount);
    w.Item(kViewLoansAmountLeftItem).text = FormatMoney(loan.amountLeft);
    w.Item(kViewLoansMonthlyItem).text = FormatMoney(loan.monthly);
    w.Item(kViewLoansMonthsLeftItem).text = IntegerText(loan.monthsLeft);
    w.Item(kViewLoansPayOffItem).command = kCommandPayOff;
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
