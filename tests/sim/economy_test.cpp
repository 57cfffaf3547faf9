// The economy at its edges: an all-economy cabin, the fares' distance bands, and a trip at the balance's limits
// (the whole-game figures are the simulator's fingerprints).
#include <gtest/gtest.h>

#include <tuple>

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

TEST_F(Economy, AnAllEconomyCabinLeavesTheFirstAndBusinessShareWaiting) {
  Flight& leg = PlaneOnRoute(0, 5);  // B 777-300, 550 seats
  world.airlines[0].planes[0].seats = SeatPlan{0, 0, 100};
  BoardPassengers(world, 0, 0, 0);
  // The whole pool fits in economy.
  EXPECT_EQ(std::tuple(leg.firstPassengers, leg.businessPassengers, leg.economyPassengers), std::tuple(0, 0, 153));
  EXPECT_EQ(Atlanta().routeDemand[kCharlotte][0], 0);
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
