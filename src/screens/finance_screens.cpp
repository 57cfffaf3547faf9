// Finance handlers. The statement and both loan windows are live views: refilled in every frame they are shown.
#include "screens/finance_screens.h"

#include <array>

#include "finance/ledgers.h"
#include "finance/loan_desk.h"
#include "text/number_text.h"
#include "world/booking.h"
#include "world/identities.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

// The statement's rows with figures, in order, each with its year to date, previous year and whole game.
void ShowStatement(Ui& ui) {
  const Airline& airline = At(ui.game.world.airlines, ui.finance.statementAirline);
  GameWindow& w = ui.windows[kStatementWindow];
  int row = 0;
  for (const StatementRow& ledgerRow : kStatementRows) {
    if (!ledgerRow.HasValues()) continue;
    w.Named("ytd", row).text = FormatMoney(StatementValue(ledgerRow, airline.currentYear));
    w.Named("previous", row).text = FormatMoney(StatementValue(ledgerRow, airline.previousYear));
    w.Named("overall", row).text = FormatMoney(StatementValue(ledgerRow, airline.overall));
    row += 1;
  }
  w.Named("balance").text = FormatMoney(airline.balance);
  if (const int index = IdentityIndex(airline.identity); index >= 0) {
    const AirlineIdentity& identity = At(kAirlineIdentities, index);
    WindowItem& name = w.Named("airline");
    name.text = std::string(identity.name);
    name.background = identity.statementColor;
  }
  ui.Show(kStatementWindow);
}

void StepAirline(Ui& ui, int step) {
  ui.finance.statementAirline = (ui.finance.statementAirline + step + kAirlineCount) % kAirlineCount;
}

int FinanceOk(Ui& ui, int) { return ui.windows[kFinanceMenuWindow].ChosenCommand(kCommandFinanceMenu); }

void ShowNewLoan(Ui& ui) {
  const FinanceScreenState& f = ui.finance;
  GameWindow& w = ui.windows[kNewLoanWindow];
  w.Named("amount").text = IntegerText(f.loanMillions) + "M";
  w.Named("months").text = IntegerText(f.loanMonths);
  w.Named("payment").text = FormatMoney(LoanPayment(f.loanMillions * 1000000.0, f.loanMonths, kLoanRatePercent * 0.01));
  ui.Show(kNewLoanWindow);
}

// The arrows stop at the ends of their ranges.
void StepLoanTerms(Ui& ui, int millions, int months) {
  ui.finance.loanMillions = StepLoanMillions(ui.finance.loanMillions, millions);
  ui.finance.loanMonths = StepLoanMonths(ui.finance.loanMonths, months);
}

// A loan the balance cannot take leaves the dialog open, so that a smaller amount can be chosen.
int TakeTheLoan(Ui& ui, int) {
  const std::string_view message =
      ApproveLoan(ui.game.world.Player(), ui.finance.loanMillions, ui.finance.loanMonths, ui.finance.selectedLoan);
  ui.Say(std::string(message));
  return message == kBalanceLimitExceeded ? kCommandNewLoan : kCommandNone;
}

void ShowViewLoans(Ui& ui) {
  const Airline& player = ui.game.world.Player();
  const int selected = ui.finance.selectedLoan;
  GameWindow& w = ui.windows[kViewLoansWindow];
  WindowItem& payOff = w.Named("payoff");
  if (selected < 0) {
    for (const std::string_view name : {"count", "loan id", "amount", "amount left", "monthly", "months left"}) {
      w.Named(name).text.assign(1, '0');  // assign: GCC 12 warns falsely (-Wrestrict) on = "0" here
    }
    payOff.command = kCommandClose;  // with no loan shown, "Payoff" closes like "Ok"
  } else {
    const Loan& loan = At(player.loans, selected);
    w.Named("count").text = IntegerText(player.loanCount);
    w.Named("loan id").text = IntegerText(selected + 1);
    w.Named("amount").text = FormatMoney(loan.amount);
    w.Named("amount left").text = FormatMoney(loan.amountLeft);
    w.Named("monthly").text = FormatMoney(loan.monthly);
    w.Named("months left").text = IntegerText(loan.monthsLeft);
    payOff.command = kCommandPayOff;
  }
  ui.Show(kViewLoansWindow);
}

void PayOff(Ui& ui, int) {
  const std::string_view message = PayOffSelectedLoan(ui.game.world.Player(), ui.finance.selectedLoan);
  if (!message.empty()) ui.Say(std::string(message));
}

constexpr std::array kRoutes = {
    Screen(kCommandStatement, ShowStatement),
    Action(kCommandPreviousAirline, [](Ui& ui, int) { StepAirline(ui, -1); }, kCommandStatement),
    Action(kCommandNextAirline, [](Ui& ui, int) { StepAirline(ui, +1); }, kCommandStatement),
    Quietly(Choosing(kCommandFinanceOk, FinanceOk)),
    Screen(kCommandNewLoan, ShowNewLoan),
    Action(kCommandLessMoney, [](Ui& ui, int) { StepLoanTerms(ui, -1, 0); }, kCommandNewLoan),
    Action(kCommandMoreMoney, [](Ui& ui, int) { StepLoanTerms(ui, +1, 0); }, kCommandNewLoan),
    Action(kCommandFewerMonths, [](Ui& ui, int) { StepLoanTerms(ui, 0, -1); }, kCommandNewLoan),
    Action(kCommandMoreMonths, [](Ui& ui, int) { StepLoanTerms(ui, 0, +1); }, kCommandNewLoan),
    Choosing(kCommandTakeLoan, TakeTheLoan),
    Screen(kCommandViewLoans, ShowViewLoans),
    Action(kCommandPreviousLoan,
           [](Ui& ui, int) { ui.finance.selectedLoan = PreviousLoanInUse(ui.game.world.Player(), ui.finance.selectedLoan); },
           kCommandViewLoans),
    Action(kCommandNextLoan,
           [](Ui& ui, int) { ui.finance.selectedLoan = NextLoanInUse(ui.game.world.Player(), ui.finance.selectedLoan); },
           kCommandViewLoans),
    Action(kCommandPayOff, PayOff, kCommandViewLoans),
};

}  // namespace

std::span<const CommandRoute> FinanceScreenRoutes() { return kRoutes; }

}  // namespace jetvale
