// The economy's rules one by one: route demand, seats by class, market shares and default fares.
#include <gtest/gtest.h>

#include "sim/economy.h"
#include "sim/schedule.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1;
constexpr int kCharlotte = 10;

class Economy : public ::testing::Test {
 protected:
  Economy() : world(random) {}
  // A plane of `type` in `slot` of the player with one leg from Atlanta to Charlotte.
  Flight& PlaneOnRoute(int slot, int type) {
    BuyPlane(world.airlines[0], slot, type);
    Plane& plane = world.airlines[0].planes[static_cast<std::size_t>(slot)];
    plane.legCount = 1;
    ScheduleLeg(world, 0, slot, 0, 40, kAtlanta, kCharlotte);
    return plane.legs[0];
  }
  Airport& Atlanta() { return world.AirportById(kAtlanta); }

  Random random{2};
  World world;
};

TEST_F(Economy, TwoLegsOnOneRouteShareTheDaysPoolTheFirstTakingMore) {
  Atlanta().marketShare[0] = 40;  // 40 % of 191589 = 76635.6, times 0.016057347 over two legs: 615
  Atlanta().passengersToday[0] = 5;  // yesterday's count, cleared when the day's demand is counted
  Atlanta().passengersTodayAll = 9;
  Flight& first = PlaneOnRoute(0, 0);
  Flight& second = PlaneOnRoute(1, 0);
  BoardPassengers(world, 0, 0, 0);
  EXPECT_EQ(Atlanta().passengersToday[0], 0);
  EXPECT_EQ(Atlanta().passengersTodayAll, 0);
  EXPECT_EQ(first.economyPassengers, 90);
  EXPECT_EQ(Atlanta().routeDemand[kCharlotte][0], 615 - 2 - 7 - 90);
  BoardPassengers(world, 0, 1, 0);  // the pool is not counted again the same day
  EXPECT_EQ(second.economyPassengers, 90);
  EXPECT_EQ(Atlanta().routeDemand[kCharlotte][0], 615 - 2 * 99);
  EXPECT_EQ(Atlanta().dailyRefresh[kCharlotte][0], 0);
}

TEST_F(Economy, AnAllEconomyCabinLeavesTheFirstAndBusinessShareWaiting) {
  Flight& leg = PlaneOnRoute(0, 5);  // B 777-300, 550 seats
  world.airlines[0].planes[0].seats = SeatPlan{0, 0, 100};
  BoardPassengers(world, 0, 0, 0);
  EXPECT_EQ(leg.firstPassengers, 0);
  EXPECT_EQ(leg.businessPassengers, 0);
  EXPECT_EQ(leg.economyPassengers, 153);  // the whole pool fits
  EXPECT_EQ(Atlanta().routeDemand[kCharlotte][0], 0);
}

TEST_F(Economy, APlaneWorthNothingPaysNoInsuranceAndLosesNoValue) {
  Flight& leg = PlaneOnRoute(0, 0);
  world.airlines[0].planes[0].value = 0;
  SettleArrival(world, 0, 0, 0);
  EXPECT_EQ(world.airlines[0].planes[0].value, 0);
  EXPECT_EQ(world.airlines[0].overall[LedgerEntry::ExpenseInsurance], 0);
  EXPECT_DOUBLE_EQ(leg.miscellaneous, 3104);
}

// A trip worth 7991.87 and costing 8405.43 settled at the ends of the balance's range: the balance stops at the
// limit and the ledgers book only what it received or paid, so the books and the balance still agree.
TEST_F(Economy, ATripAtTheLimitsOfTheBalanceBooksOnlyWhatMoved) {
  const auto sum = [](const Ledger& ledger, LedgerEntry from, int count) {
    double total = 0;
    for (int e = static_cast<int>(from); e < static_cast<int>(from) + count; ++e) {
      total += ledger.values[static_cast<std::size_t>(e)];
    }
    return total;
  };
  Flight& leg = PlaneOnRoute(0, 0);
  leg.firstFare = DefaultFare(leg.miles, kFirstClass);
  leg.businessFare = DefaultFare(leg.miles, kBusinessClass);
  leg.economyFare = DefaultFare(leg.miles, kEconomyClass);
  BoardPassengers(world, 0, 0, 0);
  Airline& airline = world.airlines[0];
  const struct {
    std::int32_t start;
    double received;
  } limits[] = {{2147483647 - 100, 100}, {-2147483647 - 1 + 100, 7991.86536}};
  for (const auto& limit : limits) {
    airline.balance = limit.start;
    airline.currentYear = Ledger{};
    SettleArrival(world, 0, 0, 0);
    const double income = sum(airline.currentYear, LedgerEntry::IncomeFirstClass, 3);
    const double expenses = sum(airline.currentYear, LedgerEntry::ExpensePilots, 11);
    EXPECT_NEAR(income, limit.received, 1e-6) << limit.start;
    EXPECT_NEAR(static_cast<double>(airline.balance) - limit.start, income - expenses, 12) << limit.start;
  }
}

TEST_F(Economy, MarketSharesAverageThreeSharesAndAnEmptyAirportGivesNothing) {
  MarketShareUpdate(Atlanta());
  for (int share : Atlanta().marketShare) EXPECT_EQ(share, 0);
  Atlanta().seatsOffered = {300, 100, 0, 0};
  Atlanta().passengers = {50, 150, 0, 0};
  Atlanta().departures = {1, 3, 0, 0};
  MarketShareUpdate(Atlanta());
  // (0.75 + 0.25 + 0.25) x 33.33 = 41.67 and (0.25 + 0.75 + 0.75) x 33.33 = 58.33
  EXPECT_EQ(Atlanta().marketShare[0], 41);
  EXPECT_EQ(Atlanta().marketShare[1], 58);
  EXPECT_EQ(Atlanta().marketShare[2], 0);
}

TEST_F(Economy, DefaultFaresFallIntoThreeDistanceBands) {
  EXPECT_NEAR(DefaultFare(1000, kEconomyClass), 190.68, 1e-9);
  EXPECT_NEAR(DefaultFare(1000, kBusinessClass), 329.10, 1e-9);
  EXPECT_NEAR(DefaultFare(1000, kFirstClass), 536.73, 1e-9);
  EXPECT_NEAR(DefaultFare(499, kEconomyClass), 137.5283, 1e-9);  // 0.2017 a mile plus 36.88
  EXPECT_NEAR(DefaultFare(500, kEconomyClass), 137.73, 1e-9);  // exactly 500 miles: the short-haul rate
  EXPECT_NEAR(DefaultFare(501, kEconomyClass), 113.9338, 1e-9);
  EXPECT_NEAR(DefaultFare(1500, kEconomyClass), 267.58, 1e-9);
  EXPECT_NEAR(DefaultFare(1501, kEconomyClass), 258.8779, 1e-9);
}

}  // namespace
}  // namespace jetvale
