// The records of the simulated world: airlines, planes, legs, loans, airports and gates, all pre-built slots.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

#include "world/airport_table.h"
#include "world/ledger.h"

namespace jetvale {

constexpr int kAirlineCount = 4;        // index 0 is the player's, 1..3 are run by the program
constexpr int kPlaneSlots = 99;         // per airline
constexpr int kLegSlots = 4;            // per plane
constexpr int kLoanSlots = 5;           // per airline
constexpr int kGatesPerAirport = 20;
constexpr int kQuarterSlotsPerDay = 96;  // a gate keeps one occupancy flag for every quarter hour
constexpr int kNoGateOwner = 9;
constexpr std::int32_t kStartingBalance = 500000000;

// Counters that grow while playing (days of age, trips, passengers) stop here instead of running out of int.
constexpr int kCounterCeiling = 1000000000;
constexpr int CountUp(int counter, int amount) {
  const long long sum = static_cast<long long>(counter) + amount;
  return sum > kCounterCeiling ? kCounterCeiling : static_cast<int>(sum);
}

// Airline identities: which named airline an index plays, and so its name and sprite colour.
constexpr int kWesternAirlines = 1000;
constexpr int kSoutheastAir = 1001;
constexpr int kOceanAirways = 1002;
constexpr int kAtlanticAir = 1003;

// Gate slots that a leg reserved by buying the gate, so that rescheduling frees exactly those and no others.
struct GateHold {
  int airport = 0;
  int gate = 0;
  int firstSlot = 0;  // quarter slot, may lie before midnight or past it; wrapped into the day when used
  int slotCount = 0;  // 0 = the leg holds nothing here
  int holder = 0;     // the leg's key, written into the gate's flags
  bool operator==(const GateHold&) const = default;
};

// One leg of a plane's daily round trip, with its cumulative figures. It starts a cache line (64 bytes).
struct alignas(64) Flight {
  // What a tick reads of every leg it steps comes first, so stepping touches one cache line of the leg: the
  // fields up to the fares fill exactly 64 bytes.
  bool active = true;
  bool scheduled = false;  // once the leg has been scheduled at least once
  int state = 0;           // FlightState
  int origin = 0;          // airport id 1..52
  int destination = 0;     // airport id 1..52
  int departure = 0;       // quarter slot; a later leg of the trip may leave after midnight, at 96 or more
  int arrival = 0;         // quarter slot; 96 or more lands after midnight
  int miles = 0;
  int firstPassengers = 0;
  int businessPassengers = 0;
  int economyPassengers = 0;
  double firstFare = 0;
  double businessFare = 0;
  double economyFare = 0;
  int arrivalGate = 0;    // the gate the leg uses at each end
  int departureGate = 0;
  GateHold departureHold;  // what the leg itself reserved; the side file keeps it, the saved game does not
  GateHold arrivalHold;
  bool overnight = false;  // the departure or the arrival lies past slot 96, in the next day
  double firstIncome = 0;
  double businessIncome = 0;
  double economyIncome = 0;
  double wages = 0;
  double fuel = 0;
  double miscellaneous = 0;
  int totalFirst = 0;
  int totalBusiness = 0;
  int totalEconomy = 0;
  int totalPassengers = 0;
  double fuelBurn = 0;  // fuel cost of the last trip
  double revenue = 0;
  double expenses = 0;
  double profit = 0;
  int timesFlown = 0;
  bool operator==(const Flight&) const = default;
};
static_assert(offsetof(Flight, economyFare) + sizeof(double) == 64);

// Percentages of the cabin given to each class.
struct SeatPlan {
  int firstPercent = 5;
  int businessPercent = 10;
  int economyPercent = 85;
  bool operator==(const SeatPlan&) const = default;
};

// A plane slot; like its legs, it starts a cache line.
struct alignas(64) Plane {
  // What a tick reads of every plane it steps comes first, in one cache line with the plane's trip figures.
  bool inUse = false;
  int currentLeg = 0;
  int legCount = 0;
  int type = 0;   // aircraft type index
  int value = 0;  // book value
  SeatPlan seats;
  int revenue = 0;
  int profit = 0;
  int expenses = 0;
  int age = 0;  // days in the fleet
  std::string tag;  // registration
  std::array<Flight, kLegSlots> legs;
  // The sprite's animation state on the world map.
  double locationX = 0;
  double locationY = 0;
  double originX = 45;
  double originY = 200;
  double destinationX = 240;
  double destinationY = 50;
  int frame = 0;
  bool operator==(const Plane&) const = default;
};

struct Loan {
  bool inUse = false;
  double rate = 0;  // yearly, as a fraction
  int totalMonths = 0;
  double amount = 0;
  double amountLeft = 0;
  int monthsLeft = 0;
  double monthly = 0;
};

// How a program-run airline plays: its personality and where it stands in its daily plan.
struct AirlineStrategy {
  int personality = 0;  // 0..9
  int plane = 0;        // slot of the plane being set up
  int state = 0;
  int cursor = 0;  // next index into the airline's decision sequence
  int Class() const { return personality <= 3 ? 0 : personality <= 6 ? 1 : 2; }
};

struct Airline {
  int index = 0;
  std::int32_t balance = kStartingBalance;
  int identity = 0;  // kWesternAirlines .. kAtlanticAir once a game has started
  std::array<Plane, kPlaneSlots> planes;
  Ledger currentYear;
  Ledger previousYear;
  Ledger overall;
  std::array<Loan, kLoanSlots> loans;
  AirlineStrategy strategy;
  int loanCount = 0;
  int planeCount = 0;
  // The slots whose planes are in use, one bit each, so the day's ageing reads only those planes. Worked out
  // again from the planes while fleetChanged is set, as whatever puts a plane into use or out of it sets it:
  // buying, selling, and a world built or read from a file, which starts with it set.
  std::array<std::uint64_t, (kPlaneSlots + 63) / 64> planesInUse{};
  bool fleetChanged = true;
};

// A number for every leg slot of the world, 1 and up, as a gate's flags record who reserved a quarter hour.
constexpr std::uint16_t LegKey(int airline, int plane, int leg) {
  return static_cast<std::uint16_t>(1 + (airline * kPlaneSlots + plane) * kLegSlots + leg);
}

struct Gate {
  int number = 0;
  int owner = kNoGateOwner;
  // One flag per quarter hour: 0 free, else the key of the leg that reserved it (see LegKey), so a leg
  // that is rescheduled frees its own slots and never those of a leg that reserved the gate after it.
  std::array<std::uint16_t, kQuarterSlotsPerDay> reserved{};
};

// Per-airline counters of one airport, and per-airline flags.
using PerAirline = std::array<int, kAirlineCount>;

// One flag per route out of an airport, by destination id and airline; a day sets them all at once.
class RouteFlags {
 public:
  bool Get(int destination, int airline) const { return bits_[Bit(destination, airline)]; }
  void Set(int destination, int airline, bool value) { bits_[Bit(destination, airline)] = value; }
  void SetAll() { bits_.set(); }

 private:
  static std::size_t Bit(int destination, int airline) {
    return static_cast<std::size_t>(destination * kAirlineCount + airline);
  }
  std::bitset<(kAirportCount + 1) * kAirlineCount> bits_;
};

struct Airport {
  const AirportInfo* info = nullptr;  // the constants; null only for the unused slot 0
  int dailyPassengers = 0;
  double trafficWeight = 0;  // share of all traffic, to nine decimals
  PerAirline marketShare{};
  PerAirline departures{};      // traffic statistics, cleared every new year
  PerAirline passengers{};
  PerAirline seatsOffered{};
  PerAirline legsInto{};        // legs scheduled into this airport; never lowered
  // The traffic statistics the market shares were last worked out from, and the shares they gave: while the
  // airport still holds both, working them out again would change nothing. Zero traffic gives zero shares. Kept
  // beside the statistics, so comparing the two reads neighbouring memory.
  struct SharesWorkedOut {
    PerAirline seatsOffered{};
    PerAirline passengers{};
    PerAirline departures{};
    PerAirline marketShare{};
  } sharesWorkedOut;
  PerAirline passengersToday{};
  int passengersTodayAll = 0;
  std::array<PerAirline, kAirportCount + 1> routeDemand{};   // waiting passengers by destination id
  RouteFlags dailyRefresh;  // the route's demand of the day is still to be counted
};

// An airport's gates, numbered 0..19. The world keeps them apart from the airports' traffic figures, which every
// trip reads, so those lie close together in memory.
using AirportGates = std::array<Gate, kGatesPerAirport>;

}  // namespace jetvale
