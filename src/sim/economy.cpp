// Passengers and money. The arithmetic follows the game's order of operations exactly, because doubles
// summed in another order give other cents, and truncations give other whole units.
#include "sim/economy.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/booking.h"

namespace jetvale {
namespace {

constexpr double kFuelPrice = 2.06;  // per fuel unit
constexpr int kLandingFee = 1369;
constexpr int kGroundCrew = 1657;
constexpr int kNavigation = 1735;
constexpr int kMaintenancePerMile = 4;  // booked as two amounts per mile
constexpr int kMaintenanceSecondPerMile = 2;
constexpr int kPilotPay = 637;
constexpr double kAttendantPay = 125.3;
constexpr double kInsuranceRate = 0.000002825;
constexpr double kDepreciationRate = 0.000041675;

constexpr double kFirstClassShare = 0.08;      // of the waiting passengers
constexpr double kBusinessClassShare = 0.17;   // of those still waiting
constexpr double kFirstSeatFactor = 0.5;       // a first-class seat takes two economy places
constexpr double kBusinessSeatFactor = 0.6666666666666666;
constexpr double kShareWithoutMarket = 0.05;   // of the daily passengers, for an airline with no share
constexpr double kMarketShareScale = 33.33333333333333;  // the mean of three shares, in percent

// The fare rate per mile by distance band. Exactly 500 miles takes the short-haul rate, so the
// fare keeps growing with distance up to the end of the first band.
constexpr int kShortHaulMiles = 500;
constexpr int kMediumHaulMiles = 1500;
constexpr double kShortHaulRate = 0.2017;
constexpr double kMediumHaulRate = 0.1538;
constexpr double kLongHaulRate = 0.1479;
constexpr std::array<double, 3> kFareClassFactors = {3.25, 1.9, 1.0};
constexpr double kFareBase = 36.88;

// Whole amounts below this, added to an int32 balance, give the exact whole sum as a double.
constexpr double kWholeUnitsExact = 4503599627370496.0;  // 2^52

int& RouteDemand(Airport& origin, int destination, int airline) {
  return At(At(origin.routeDemand, destination), airline);
}

// The passengers waiting today on a route are counted once a day, when its first leg boards.
void RefreshRouteDemand(World& world, Airport& origin, int destinationId, int airline) {
  if (!origin.dailyRefresh.Get(destinationId, airline)) return;
  const int share = At(origin.marketShare, airline);
  const double base = share != 0 ? share * 0.01 * origin.dailyPassengers : origin.dailyPassengers * kShareWithoutMarket;
  const Airport& destination = world.AirportById(destinationId);
  // Every scheduled leg counts itself into its destination, so the count is at least 1 for a leg
  // that boards; a damaged count of 0 must not divide the demand into infinity.
  const int legsInto = std::max(1, At(destination.legsInto, airline));
  RouteDemand(origin, destinationId, airline) = TruncateToInt(destination.trafficWeight * base / legsInto);
  origin.dailyRefresh.Set(destinationId, airline, false);
  At(origin.passengersToday, airline) = 0;
  origin.passengersTodayAll = 0;
}

}  // namespace

void BoardPassengers(World& world, int airline, int planeSlot, int legIndex) {
  Plane& plane = At(At(world.airlines, airline).planes, planeSlot);
  Flight& leg = At(plane.legs, legIndex);
  Airport& origin = world.AirportById(leg.origin);
  RefreshRouteDemand(world, origin, leg.destination, airline);

  const int cabin = AircraftTypeAt(plane.type).passengers;
  const int firstSeats = TruncateToInt(plane.seats.firstPercent * 0.01 * cabin * kFirstSeatFactor);
  const int businessSeats = TruncateToInt(plane.seats.businessPercent * 0.01 * cabin * kBusinessSeatFactor);
  const int economySeats = TruncateToInt(plane.seats.economyPercent * 0.01 * cabin);

  int& waiting = RouteDemand(origin, leg.destination, airline);
  leg.firstPassengers = std::min(TruncateToInt(waiting * kFirstClassShare), firstSeats);
  waiting -= leg.firstPassengers;
  leg.businessPassengers = std::min(TruncateToInt(waiting * kBusinessClassShare), businessSeats);
  waiting -= leg.businessPassengers;
  leg.economyPassengers = std::min(waiting, economySeats);
  waiting -= leg.economyPassengers;  // the rest waits for the airline's later legs on the route today
}

void SettleArrival(World& world, int airlineIndex, int planeSlot, int legIndex) {
  Airline& airline = At(world.airlines, airlineIndex);
  Plane& plane = At(airline.planes, planeSlot);
  Flight& leg = At(plane.legs, legIndex);
  const AircraftType& type = AircraftTypeAt(plane.type);
  const int m = leg.miles;
  const double firstIncome = leg.firstPassengers * leg.firstFare;
  const double businessIncome = leg.businessPassengers * leg.businessFare;
  const double economyIncome = leg.economyPassengers * leg.economyFare;
  const int fuelUnits = TruncateToInt(m / type.milesPerFuelUnit);
  const double fuelCost = fuelUnits * kFuelPrice;
  const double pilots = type.pilots * kPilotPay;
  const double attendants = type.attendants * kAttendantPay;
  const double insurance = plane.value * kInsuranceRate;
  const double maintenance = kMaintenancePerMile * m;
  const double maintenanceSecond = kMaintenanceSecondPerMile * m;
  const double tripCost = kLandingFee + fuelCost + kGroundCrew + maintenance + maintenanceSecond + kNavigation +
                          pilots + attendants + insurance;

  leg.fuelBurn = fuelCost;
  AddMoney(leg.expenses, tripCost);
  AddMoney(leg.revenue, economyIncome + businessIncome + firstIncome);
  leg.profit = leg.revenue - leg.expenses;
  AddMoney(leg.firstIncome, firstIncome);
  AddMoney(leg.businessIncome, businessIncome);
  AddMoney(leg.economyIncome, economyIncome);
  AddMoney(leg.wages, attendants + pilots + kGroundCrew + maintenanceSecond + maintenance);
  AddMoney(leg.fuel, fuelCost);
  AddMoney(leg.miscellaneous, insurance + (kNavigation + kLandingFee));

  plane.revenue = TruncateToInt(plane.revenue + firstIncome);
  plane.revenue = TruncateToInt(plane.revenue + businessIncome);
  plane.revenue = TruncateToInt(plane.revenue + economyIncome);
  plane.expenses = TruncateToInt(plane.expenses + tripCost);
  plane.profit = TruncateToInt(static_cast<double>(plane.revenue) - plane.expenses);

  // The balance takes each amount as far as its range allows (years of profit can reach the top) and the
  // ledgers book what it took, so they agree with it. Each cost leaves the balance as a whole amount, its cents
  // dropped; paid in full, it is booked with them.
  Book(airline, LedgerEntry::IncomeFirstClass, AddToBalance(airline, firstIncome));
  Book(airline, LedgerEntry::IncomeBusinessClass, AddToBalance(airline, businessIncome));
  Book(airline, LedgerEntry::IncomeEconomyClass, AddToBalance(airline, economyIncome));
  const auto pay = [&airline](LedgerEntry entry, double cost) {
    // The common case: a cost of whole units that a double counts exactly, whose conversion drops the cents as
    // trunc does, and which can only lower the balance, so only the bottom of its range can stop it.
    if (cost >= 0 && cost < kWholeUnitsExact) {
      const std::int64_t left = std::int64_t{airline.balance} - static_cast<std::int64_t>(cost);
      if (left >= std::numeric_limits<std::int32_t>::min()) {
        airline.balance = static_cast<std::int32_t>(left);
        Book(airline, entry, cost);
        return;
      }
    }
    const double whole = std::trunc(cost);
    // A whole amount far inside the range where a double counts every unit leaves the balance as the same
    // whole amount in integers; when the balance stays in its range the payment was made in full.
    if (std::fabs(whole) < kWholeUnitsExact) {
      const std::int64_t left = std::int64_t{airline.balance} - static_cast<std::int64_t>(whole);
      if (left >= std::numeric_limits<std::int32_t>::min() && left <= std::numeric_limits<std::int32_t>::max()) {
        airline.balance = static_cast<std::int32_t>(left);
        Book(airline, entry, cost);
        return;
      }
    }
    const double paid = -AddToBalance(airline, -whole);
    Book(airline, entry, paid == whole ? cost : paid);
  };
  pay(LedgerEntry::ExpenseFuel, fuelCost);
  pay(LedgerEntry::ExpenseLandingFees, kLandingFee);
  pay(LedgerEntry::ExpenseGroundCrew, kGroundCrew);
  pay(LedgerEntry::ExpenseMaintenance, maintenance);
  pay(LedgerEntry::ExpenseMaintenance, maintenanceSecond);
  pay(LedgerEntry::ExpenseNavigation, kNavigation);
  pay(LedgerEntry::ExpensePilots, pilots);
  pay(LedgerEntry::ExpenseAttendants, attendants);
  pay(LedgerEntry::ExpenseInsurance, insurance);

  plane.value = TruncateToInt(plane.value - plane.value * kDepreciationRate);

  leg.totalFirst = CountUp(leg.totalFirst, leg.firstPassengers);
  leg.totalBusiness = CountUp(leg.totalBusiness, leg.businessPassengers);
  leg.totalEconomy = CountUp(leg.totalEconomy, leg.economyPassengers);
  leg.timesFlown = CountUp(leg.timesFlown, 1);
  leg.totalPassengers = CountUp(CountUp(leg.totalFirst, leg.totalBusiness), leg.totalEconomy);

  Airport& origin = world.AirportById(leg.origin);
  At(origin.departures, airlineIndex) += 1;
  At(origin.passengers, airlineIndex) += leg.firstPassengers + leg.businessPassengers + leg.economyPassengers;
  At(origin.seatsOffered, airlineIndex) += type.passengers;
}

void MarketShareUpdate(Airport& airport) {
  Airport::SharesWorkedOut& last = airport.sharesWorkedOut;
  int differences = 0;
  for (std::size_t a = 0; a < kAirlineCount; ++a) {
    differences |= (last.seatsOffered[a] ^ airport.seatsOffered[a]) | (last.passengers[a] ^ airport.passengers[a]) |
                   (last.departures[a] ^ airport.departures[a]) | (last.marketShare[a] ^ airport.marketShare[a]);
  }
  if (differences == 0) return;
  int seats = 0;
  int passengers = 0;
  int departures = 0;
  for (std::size_t a = 0; a < kAirlineCount; ++a) {
    seats += airport.seatsOffered[a];
    passengers += airport.passengers[a];
    departures += airport.departures[a];
  }
  // An empty sum counts as 1, so an airport without traffic gives every airline a share of 0.
  const double s = seats == 0 ? 1 : seats;
  const double n = passengers == 0 ? 1 : passengers;
  const double d = departures == 0 ? 1 : departures;
  for (std::size_t a = 0; a < kAirlineCount; ++a) {
    airport.marketShare[a] = TruncateToInt(
        (airport.seatsOffered[a] / s + airport.passengers[a] / n + airport.departures[a] / d) * kMarketShareScale);
  }
  last = {airport.seatsOffered, airport.passengers, airport.departures, airport.marketShare};
}

double DefaultFare(int miles, FareClass fareClass) {
  const double rate = miles <= kShortHaulMiles    ? kShortHaulRate
                      : miles <= kMediumHaulMiles ? kMediumHaulRate
                                                  : kLongHaulRate;
  return rate * At(kFareClassFactors, fareClass) * miles + kFareBase;
}

}  // namespace jetvale
