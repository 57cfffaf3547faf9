// The reader: key lines pick the record through a cursor, value lines fill it; nothing is stored unchecked.
// Which keys of each record were seen is kept, so a cut or shuffled file is told from a whole one.
#include "save/game_reader.h"

#include <array>
#include <cstdint>

#include "save/save_keys.h"
#include "save/value_text.h"
#include "sim/flight_state.h"
#include "sim/schedule.h"
#include "ui/map_view.h"
#include "world/aircraft_types.h"
#include "world/identities.h"

namespace jetvale {
namespace {

constexpr int kMaxCounter = 1000000000;  // counters that grow while playing keep room to grow
constexpr int kMaxYear = 1000000;
// A round trip's later legs may leave and land after midnight, as slots of 96 and more.
constexpr int kLastSlot = 4 * kQuarterSlotsPerDay;
constexpr int kPercent = 100;
constexpr std::size_t kTagLength = 7;

constexpr int kAirlineKeys = kNumPlanes - kCompanyId + 1 - (kFirstLedgerKey - kLoanId);  // without the loans
constexpr std::uint64_t kAllAirlineKeys = (std::uint64_t{1} << kAirlineKeys) - 1;
constexpr std::uint32_t kAllLoanKeys = (1u << (kFirstLedgerKey - kLoanId)) - 1;
constexpr std::uint32_t kAllPlaneKeys = (1u << (kFlightIdent - kPlaneId)) - 1;
constexpr std::uint32_t kAllLegKeys = (1u << (kSaveKeyCount - kFlightIdent)) - 1;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

bool ValidState(int state) {
  for (const int known : {kWaitingForBoarding, kBoardingOpen, kBoarded, kInTheAir, kApproaching, kLanded}) {
    if (state == known) return true;
  }
  return false;
}

bool ValidIdentity(int identity) {
  if (identity == 0) return true;  // a game started without choosing an airline
  for (const AirlineIdentity& known : kAirlineIdentities) {
    if (identity == known.code) return true;
  }
  return false;
}

bool ValidTag(std::string_view tag) {
  if (tag.size() > kTagLength) return false;
  for (const char c : tag) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

// The leg's double field of that key, or null for an int field.
double* LegMoney(Flight& leg, int key) {
  switch (key) {
    case kFlightFclsPrice: return &leg.firstFare;
    case kFlightBclsPrice: return &leg.businessFare;
    case kFlightEclsPrice: return &leg.economyFare;
    case kFlightIncFcls: return &leg.firstIncome;
    case kFlightIncBcls: return &leg.businessIncome;
    case kFlightIncEcls: return &leg.economyIncome;
    case kFlightExpWages: return &leg.wages;
    case kFlightExpFuel: return &leg.fuel;
    case kFlightExpMisc: return &leg.miscellaneous;
    case kFlightRev: return &leg.revenue;
    case kFlightProfit: return &leg.profit;
    case kFlightExpenses: return &leg.expenses;
    case kFlightFuelBurn: return &leg.fuelBurn;
    default: return nullptr;
  }
}

// The records of one airline that the file named, key by key.
struct SeenKeys {
  std::uint64_t airline = 0;
  std::array<std::uint32_t, kLoanSlots> loans{};
  std::array<std::uint32_t, kPlaneSlots> planes{};
  std::array<std::array<std::uint32_t, kLegSlots>, kPlaneSlots> legs{};
};

class Reader {
 public:
  Reader(World& world, GameClock& clock) : world_(world), clock_(clock) {}

  // One record; false when its value does not fit where the cursor points.
  bool Apply(int key, std::string_view value);
  // After the last record: every airline there, every listed slot whole, the counts agreeing with the slots.
  bool Finish();

 private:
  Airline& CurrentAirline() { return world_.airlines[static_cast<std::size_t>(airline_)]; }
  Plane& CurrentPlane() { return CurrentAirline().planes[static_cast<std::size_t>(plane_)]; }
  Flight& CurrentLeg() { return CurrentPlane().legs[static_cast<std::size_t>(leg_)]; }
  Loan& CurrentLoan() { return CurrentAirline().loans[static_cast<std::size_t>(loan_)]; }
  SeenKeys& Seen() { return seen_[static_cast<std::size_t>(airline_)]; }
  std::uint32_t& SeenLeg() {
    return Seen().legs[static_cast<std::size_t>(plane_)][static_cast<std::size_t>(leg_)];
  }

  bool ApplyAirport(int key, int value);
  bool ApplyClock(int key, int value);
  bool ApplyAirline(int key, std::string_view text);
  bool ApplyLoan(int key, std::string_view text);
  bool ApplyPlane(int key, std::string_view text);
  bool ApplyLeg(int key, std::string_view text);
  bool CheckAirline(const Airline& airline, const SeenKeys& seen) const;

  World& world_;
  GameClock& clock_;
  // The cursor: which airline, plane, leg, loan, airport, market column and gate the next records fill.
  int airline_ = 0;
  int plane_ = 0;
  int leg_ = 0;
  int loan_ = 0;
  int airport_ = 0;  // no airport 0: shares and gates before the first AIRPORT_CITY are refused
  int column_ = 0;
  int gate_ = 0;
  std::array<SeenKeys, kAirlineCount> seen_{};
};

bool Reader::Apply(int key, std::string_view value) {
  if (key <= kGateOwner) {
    int number = 0;
    return ParseInt(value, number) && ApplyAirport(key, number);
  }
  if (key <= kGameHour) {
    int number = 0;
    return ParseInt(value, number) && ApplyClock(key, number);
  }
  if (key >= kLoanId && key <= kLoanMonthly) return ApplyLoan(key, value);
  if (key < kPlaneId) return ApplyAirline(key, value);
  if (key < kFlightIdent) return ApplyPlane(key, value);
  return ApplyLeg(key, value);
}

bool Reader::ApplyAirport(int key, int value) {
  switch (key) {
    case kAirportCity:
      airport_ = value;
      return Within(value, 1, kAirportCount);
    case kAirportComp:
      column_ = value;
      return Within(value, 0, kAirlineCount - 1);
    case kGateNo:
      gate_ = value;
      return Within(value, 0, kGatesPerAirport - 1);
    default: break;
  }
  if (airport_ == 0) return false;
  Airport& airport = world_.AirportById(airport_);
  if (key == kAirportMarketShare) {
    airport.marketShare[static_cast<std::size_t>(column_)] = value;
    return Within(value, 0, kPercent);
  }
  airport.gates[static_cast<std::size_t>(gate_)].owner = value;
  return Within(value, 0, kAirlineCount - 1) || value == kNoGateOwner;
}

bool Reader::ApplyClock(int key, int value) {
  switch (key) {
    case kGameDay: clock_.day = value; return Within(value, 1, 31);
    case kGameMonth: clock_.month = value; return Within(value, 1, 12);
    case kGameYear: clock_.year = value; return Within(value, 1, kMaxYear);
    case kGameDow: clock_.dayOfWeek = value; return Within(value, 0, 6);
    case kGameTime: clock_.ticksToday = value; return Within(value, 0, kTicksPerDay);
    case kGameMin: clock_.minute = value; return Within(value, 0, 59);
    default: clock_.hour = value; return Within(value, 0, 23);
  }
}

bool Reader::ApplyAirline(int key, std::string_view text) {
  if (key >= kFirstLedgerKey && key < kNumPlanes) {
    const int index = key - kFirstLedgerKey;
    Airline& airline = CurrentAirline();
    Ledger* const ledgers[] = {&airline.currentYear, &airline.previousYear, &airline.overall};
    Seen().airline |= std::uint64_t{1} << (index + kNumLoans - kCompanyId + 1);
    return ParseDouble(text, ledgers[index / kLedgerEntryCount]->values[static_cast<std::size_t>(
                                 index % kLedgerEntryCount)]);
  }
  int value = 0;
  if (!ParseInt(text, value)) return false;
  if (key == kCompanyId) {
    if (!Within(value, 0, kAirlineCount - 1)) return false;
    airline_ = value;
    plane_ = 0;
    leg_ = 0;
  }
  Seen().airline |= std::uint64_t{1} << (key == kNumPlanes ? kAirlineKeys - 1 : key - kCompanyId);
  Airline& airline = CurrentAirline();
  switch (key) {
    case kCompColor: airline.identity = value; return ValidIdentity(value);
    case kBalance: airline.balance = value; return true;
    case kNumLoans: airline.loanCount = value; return Within(value, 0, kLoanSlots);
    case kNumPlanes: airline.planeCount = value; return Within(value, 0, kPlaneSlots);
    default: return true;
  }
}

bool Reader::ApplyLoan(int key, std::string_view text) {
  if (key == kLoanId) {
    if (!ParseInt(text, loan_) || !Within(loan_, 0, kLoanSlots - 1)) return false;
    Seen().loans[static_cast<std::size_t>(loan_)] |= 1u;
    return true;
  }
  Seen().loans[static_cast<std::size_t>(loan_)] |= 1u << (key - kLoanId);
  Loan& loan = CurrentLoan();
  switch (key) {
    case kLoanAmount: return ParseDouble(text, loan.amount);
    case kLoanRate: return ParseDouble(text, loan.rate);
    case kLoanAmountLeft: return ParseDouble(text, loan.amountLeft);
    case kLoanMonthly: return ParseDouble(text, loan.monthly);
    case kLoanTotalMonths: return ParseInt(text, loan.totalMonths) && loan.totalMonths >= 0;
    default: return ParseInt(text, loan.monthsLeft) && loan.monthsLeft >= 0;
  }
}

bool Reader::ApplyPlane(int key, std::string_view text) {
  if (key == kPlaneId) {
    if (!ParseInt(text, plane_) || !Within(plane_, 0, kPlaneSlots - 1)) return false;
    Seen().planes[static_cast<std::size_t>(plane_)] |= 1u;
    return true;
  }
  Seen().planes[static_cast<std::size_t>(plane_)] |= 1u << (key - kPlaneId);
  Plane& plane = CurrentPlane();
  if (key == kPlaneTag) {
    plane.tag.assign(text);
    return ValidTag(text);
  }
  if (key == kPlaneLocX) return ParseDouble(text, plane.locationX);
  if (key == kPlaneLocY) return ParseDouble(text, plane.locationY);
  int value = 0;
  if (!ParseInt(text, value)) return false;
  switch (key) {
    case kPlaneAge: plane.age = value; return Within(value, 0, kMaxCounter);
    case kPlaneTypeId: plane.type = value; return Within(value, 0, kAircraftTypeCount - 1);
    case kPlaneValue: plane.value = value; return Within(value, -kMaxCounter, kMaxCounter);
    case kPlaneFrame: plane.frame = value; return Within(value, 0, kMaxCounter);
    case kNumFlights: plane.legCount = value; return Within(value, 0, kLegSlots);
    case kPlanePctFirstClass: plane.seats.firstPercent = value; return Within(value, 0, kPercent);
    case kPlanePctBusClass: plane.seats.businessPercent = value; return Within(value, 0, kPercent);
    case kPlanePctEcoClass: plane.seats.economyPercent = value; return Within(value, 0, kPercent);
    // Airport pixels on the map, whole numbers.
    case kPlaneOriginX: plane.originX = value; return Within(value, 0, kMapWidth);
    case kPlaneOriginY: plane.originY = value; return Within(value, 0, kMapHeight);
    case kPlaneDestX: plane.destinationX = value; return Within(value, 0, kMapWidth);
    default: plane.destinationY = value; return Within(value, 0, kMapHeight);
  }
}

bool Reader::ApplyLeg(int key, std::string_view text) {
  if (key == kFlightIdent) {
    if (!ParseInt(text, leg_) || !Within(leg_, 0, kLegSlots - 1)) return false;
    SeenLeg() |= 1u;
    return true;
  }
  std::uint32_t& seen = SeenLeg();
  seen |= 1u << (key - kFlightIdent);
  Flight& leg = CurrentLeg();
  if (double* const money = LegMoney(leg, key)) {
    if (key == kFlightFuelBurn) leg.active = 1;
    return ParseDouble(text, *money);
  }
  int value = 0;
  if (!ParseInt(text, value)) return false;
  switch (key) {
    case kFlightOrigId: leg.origin = value; return Within(value, 1, kAirportCount);
    case kFlightDestId: leg.destination = value; return Within(value, 1, kAirportCount);
    case kFlightDepTime: leg.departure = value; return Within(value, 0, kLastSlot);
    case kFlightArrTime: leg.arrival = value; return Within(value, 0, kLastSlot);
    case kFlightTotalFcls: leg.totalFirst = value; break;
    case kFlightTotalBcls: leg.totalBusiness = value; break;
    case kFlightTotalEcls: leg.totalEconomy = value; break;
    case kFlightTotalPass: leg.totalPassengers = value; break;
    case kFlightMiles: leg.miles = value; break;
    case kFlightNoFirstCls: leg.firstPassengers = value; break;
    case kFlightNoBusCls: leg.businessPassengers = value; break;
    case kFlightNoEcoCls: leg.economyPassengers = value; break;
    case kFlightTimesFlown: leg.timesFlown = value; break;
    case kFlightArrGate: leg.arrivalGate = value; return Within(value, 0, kGatesPerAirport - 1);
    case kFlightDepGate: leg.departureGate = value; return Within(value, 0, kGatesPerAirport - 1);
    default: {
      // The state, then the leg scheduled again with the airports and departure just read: that needs them
      // read already, and the gate owners of the airport section before.
      const std::uint32_t needed = (1u << (kFlightOrigId - kFlightIdent)) | (1u << (kFlightDestId - kFlightIdent)) |
                                   (1u << (kFlightDepTime - kFlightIdent));
      if ((seen & needed) != needed || !ValidState(value)) return false;
      leg.state = value;
      const int departureGate = leg.departureGate;
      const int arrivalGate = leg.arrivalGate;
      ScheduleLeg(world_, airline_, plane_, leg_, leg.departure, leg.origin, leg.destination);
      RestoreLegGates(world_, airline_, plane_, leg_, departureGate, arrivalGate);
      leg.scheduled = 1;
      return true;
    }
  }
  return Within(value, 0, kMaxCounter);
}

bool Reader::CheckAirline(const Airline& airline, const SeenKeys& seen) const {
  if (seen.airline != kAllAirlineKeys) return false;
  int loans = 0;
  for (const std::uint32_t keys : seen.loans) {
    if (keys != 0 && keys != kAllLoanKeys) return false;
    loans += keys == kAllLoanKeys ? 1 : 0;
  }
  int planes = 0;
  for (int slot = 0; slot < kPlaneSlots; ++slot) {
    const std::uint32_t keys = seen.planes[static_cast<std::size_t>(slot)];
    if (keys != 0 && keys != kAllPlaneKeys) return false;
    const int legCount = keys == 0 ? 0 : airline.planes[static_cast<std::size_t>(slot)].legCount;
    for (int leg = 0; leg < kLegSlots; ++leg) {
      const std::uint32_t legKeys = seen.legs[static_cast<std::size_t>(slot)][static_cast<std::size_t>(leg)];
      if (legKeys != (leg < legCount ? kAllLegKeys : 0)) return false;
    }
    planes += keys == 0 ? 0 : 1;
  }
  return loans == airline.loanCount && planes == airline.planeCount;
}

bool Reader::Finish() {
  for (int index = 0; index < kAirlineCount; ++index) {
    Airline& airline = world_.airlines[static_cast<std::size_t>(index)];
    const SeenKeys& seen = seen_[static_cast<std::size_t>(index)];
    if (!CheckAirline(airline, seen)) return false;
    for (int slot = 0; slot < kLoanSlots; ++slot) {
      if (seen.loans[static_cast<std::size_t>(slot)] != 0) airline.loans[static_cast<std::size_t>(slot)].inUse = 1;
    }
    for (int slot = 0; slot < kPlaneSlots; ++slot) {
      if (seen.planes[static_cast<std::size_t>(slot)] != 0) airline.planes[static_cast<std::size_t>(slot)].inUse = 1;
    }
  }
  return true;
}

// The next line without its line end (a line feed, or a carriage return and a line feed); false at the end
// of the text, and for a last line that has no line end or any line longer than the writer makes.
bool NextLine(std::string_view& rest, std::string_view& line) {
  const std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) return false;
  line = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line.size() <= kMaxSaveLine;
}

}  // namespace

bool ReadSavedGame(std::string_view text, World& world, GameClock& clock) {
  Reader reader(world, clock);
  std::string_view rest = text;
  while (!rest.empty()) {
    std::string_view keyLine;
    std::string_view valueLine;
    if (!NextLine(rest, keyLine) || !NextLine(rest, valueLine)) return false;
    const int key = MatchSaveKey(keyLine);
    if (key == kNoSaveKey || !reader.Apply(key, valueLine)) return false;
  }
  return reader.Finish();
}

}  // namespace jetvale
