// The year-end roll-over and the statement's rows as data.
#include "finance/ledgers.h"

namespace jetvale {
namespace {

using enum LedgerEntry;

constexpr std::array kFirst = {IncomeFirstClass};
constexpr std::array kBusiness = {IncomeBusinessClass};
constexpr std::array kEconomy = {IncomeEconomyClass};
constexpr std::array kPlanesSold = {IncomeSoldPlanes};
constexpr std::array kGatesSold = {IncomeSoldGates};
constexpr std::array kFuel = {ExpenseFuel};
constexpr std::array kWages = {ExpenseMaintenance, ExpenseGroundCrew, ExpenseAttendants, ExpensePilots};
constexpr std::array kLoans = {ExpenseLoans};
constexpr std::array kPlanesPurchased = {ExpenseNewPlanes};
constexpr std::array kGatesPurchased = {ExpenseNewGates};
constexpr std::array kMisc = {ExpenseInsurance, ExpenseNavigation, ExpenseLandingFees};
// Profit counts purchases, sales and loan repayments, never the money a loan brings in.
constexpr std::array kIncome = {IncomeFirstClass, IncomeBusinessClass, IncomeEconomyClass, IncomeSoldPlanes,
                                IncomeSoldGates};
constexpr std::array kExpenses = {ExpenseFuel,      ExpenseMaintenance, ExpenseGroundCrew, ExpenseAttendants,
                                  ExpensePilots,    ExpenseLoans,       ExpenseNewPlanes,  ExpenseNewGates,
                                  ExpenseInsurance, ExpenseNavigation,  ExpenseLandingFees};

double SumInOrder(std::span<const LedgerEntry> entries, const Ledger& ledger) {
  double sum = 0;
  for (const LedgerEntry entry : entries) sum += ledger[entry];
  return sum;
}

}  // namespace

const std::array<StatementRow, kStatementRowCount> kStatementRows = {{
    {"First", kFirst, {}},
    {"Business", kBusiness, {}},
    {"Economy", kEconomy, {}},
    {"Planes Sold", kPlanesSold, {}},
    {"Gates Sold", kGatesSold, {}},
    {"Expenses", {}, {}},
    {"Fuel", kFuel, {}},
    {"Wages", kWages, {}},
    {"Loans", kLoans, {}},
    {"Planes Purch", kPlanesPurchased, {}},
    {"Gates Purch", kGatesPurchased, {}},
    {"Misc", kMisc, {}},
    {"Profit", kIncome, kExpenses},
}};

double StatementValue(const StatementRow& row, const Ledger& ledger) {
  const double added = SumInOrder(row.added, ledger);
  return row.subtracted.empty() ? added : added - SumInOrder(row.subtracted, ledger);
}

double IncomeSum(const Ledger& ledger) { return SumInOrder(kIncome, ledger); }
double ExpenseSum(const Ledger& ledger) { return SumInOrder(kExpenses, ledger); }

void YearEndRollOver(World& world) {
  for (Airline& airline : world.airlines) {
    airline.previousYear = airline.currentYear;
    airline.previousYear[BalancePreviousYear] = static_cast<double>(airline.balance);
    airline.currentYear = Ledger{};
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    Airport& airport = world.AirportById(id);
    airport.departures.fill(0);
    airport.passengers.fill(0);
    airport.seatsOffered.fill(0);
  }
}

}  // namespace jetvale
