// The writer: one record is a key line and a value line, each ended by a line feed.
#include "save/game_writer.h"

#include "save/save_keys.h"
#include "save/value_text.h"
#include "world/money.h"

namespace jetvale {
namespace {

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void Int(int key, int value) {
    Key(key);
    AppendInt(out_, value);
    out_.push_back('\n');
  }
  void Double(int key, double value) {
    Key(key);
    AppendDouble(out_, value);
    out_.push_back('\n');
  }
  void Text(int key, const std::string& value) {
    Key(key);
    out_.append(value);
    out_.push_back('\n');
  }

 private:
  void Key(int key) {
    out_.append(SaveKeyName(key));
    out_.push_back('\n');
  }
  std::string& out_;
};

void WriteAirports(Writer& w, const World& world) {
  for (int id = 1; id <= kAirportCount; ++id) {
    const Airport& airport = world.AirportById(id);
    w.Int(kAirportCity, id);
    for (int column = 0; column < kAirlineCount; ++column) {
      w.Int(kAirportComp, column);
      w.Int(kAirportMarketShare, airport.marketShare[static_cast<std::size_t>(column)]);
    }
    for (const Gate& gate : airport.gates) {
      w.Int(kGateNo, gate.number);
      w.Int(kGateOwner, gate.owner);
    }
  }
}

void WriteClock(Writer& w, const GameClock& clock) {
  w.Int(kGameDay, clock.day);
  w.Int(kGameMonth, clock.month);
  w.Int(kGameYear, clock.year);
  w.Int(kGameDow, clock.dayOfWeek);
  w.Int(kGameTime, clock.ticksToday);
  w.Int(kGameMin, clock.minute);
  w.Int(kGameHour, clock.hour);
}

void WriteLoan(Writer& w, int slot, const Loan& loan) {
  w.Int(kLoanId, slot);
  w.Double(kLoanAmount, loan.amount);
  w.Double(kLoanRate, loan.rate);
  w.Int(kLoanTotalMonths, loan.totalMonths);
  w.Double(kLoanAmountLeft, loan.amountLeft);
  w.Int(kLoanMonthsLeft, loan.monthsLeft);
  w.Double(kLoanMonthly, loan.monthly);
}

void WriteLeg(Writer& w, int index, const Flight& leg) {
  w.Int(kFlightIdent, index);
  const double money[] = {leg.firstFare,   leg.businessFare,   leg.economyFare, leg.firstIncome, leg.businessIncome,
                          leg.economyIncome, leg.wages, leg.fuel, leg.miscellaneous};
  int key = kFlightFclsPrice;
  for (const double value : money) w.Double(key++, value);
  const int counts[] = {leg.origin,        leg.destination,   leg.departure,         leg.arrival,
                        leg.totalFirst,    leg.totalBusiness, leg.totalEconomy,      leg.totalPassengers,
                        leg.miles,         leg.firstPassengers, leg.businessPassengers, leg.economyPassengers};
  for (const int value : counts) w.Int(key++, value);
  // The three totals keep only their whole units in the file.
  w.Int(kFlightRev, TruncateToInt(leg.revenue));
  w.Int(kFlightProfit, TruncateToInt(leg.profit));
  w.Int(kFlightExpenses, TruncateToInt(leg.expenses));
  w.Int(kFlightArrGate, leg.arrivalGate);
  w.Int(kFlightDepGate, leg.departureGate);
  w.Int(kFlightStatus, leg.state);
  w.Int(kFlightTimesFlown, leg.timesFlown);
  w.Double(kFlightFuelBurn, leg.fuelBurn);
}

void WritePlane(Writer& w, int slot, const Plane& plane) {
  w.Int(kPlaneId, slot);
  w.Int(kPlaneAge, plane.age);
  w.Int(kPlaneTypeId, plane.type);
  w.Int(kPlaneValue, plane.value);
  w.Int(kPlaneFrame, plane.frame);
  w.Int(kNumFlights, plane.legCount);
  w.Text(kPlaneTag, plane.tag);
  w.Int(kPlanePctFirstClass, plane.seats.firstPercent);
  w.Int(kPlanePctBusClass, plane.seats.businessPercent);
  w.Int(kPlanePctEcoClass, plane.seats.economyPercent);
  w.Double(kPlaneLocX, plane.locationX);
  w.Double(kPlaneLocY, plane.locationY);
  w.Double(kPlaneOriginX, plane.originX);
  w.Double(kPlaneOriginY, plane.originY);
  w.Double(kPlaneDestX, plane.destinationX);
  w.Double(kPlaneDestY, plane.destinationY);
  for (int leg = 0; leg < plane.legCount && leg < kLegSlots; ++leg) WriteLeg(w, leg, plane.legs[static_cast<std::size_t>(leg)]);
}

template <typename Slots>
int InUse(const Slots& slots) {
  int count = 0;
  for (const auto& slot : slots) count += slot.inUse == 1 ? 1 : 0;
  return count;
}

void WriteAirline(Writer& w, const Airline& airline) {
  w.Int(kCompanyId, airline.index);
  w.Int(kCompColor, airline.identity);
  w.Int(kBalance, airline.balance);
  // The counts are those of the slots listed, which the reader checks against them.
  w.Int(kNumLoans, InUse(airline.loans));
  for (int slot = 0; slot < kLoanSlots; ++slot) {
    const Loan& loan = airline.loans[static_cast<std::size_t>(slot)];
    if (loan.inUse == 1) WriteLoan(w, slot, loan);
  }
  int key = kFirstLedgerKey;
  for (const Ledger* ledger : {&airline.currentYear, &airline.previousYear, &airline.overall}) {
    for (const double value : ledger->values) w.Double(key++, value);
  }
  w.Int(kNumPlanes, InUse(airline.planes));
  for (int slot = 0; slot < kPlaneSlots; ++slot) {
    const Plane& plane = airline.planes[static_cast<std::size_t>(slot)];
    if (plane.inUse == 1) WritePlane(w, slot, plane);
  }
}

}  // namespace

std::string WriteSavedGame(const World& world, const GameClock& clock) {
  std::string out;
  out.reserve(256 * 1024);
  Writer w(out);
  WriteAirports(w, world);
  WriteClock(w, clock);
  for (const Airline& airline : world.airlines) WriteAirline(w, airline);
  return out;
}

}  // namespace jetvale
