// A day of flying worked by hand (every state of a round trip and the money it books; planes changed between
// ticks; a stopped clock), and the index of due planes: which are never due, how they are filed and taken.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "sim/due_legs.h"
#include "sim/flight_cycle.h"
#include "sim/flight_state.h"
#include "sim/schedule.h"
#include "sim/simulate_tick.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1;
constexpr int kCharlotte = 10;
constexpr int kChicago = 11;

struct Trip {
  int departure;
  int origin;
  int destination;
};

// A game whose player flies one B 717-200 on the given legs, each fare 300.25 / 200.125 / 100.25: fractions
// that binary doubles hold exactly, so every cent of the hand-worked sums below is certain.
class Flying : public ::testing::Test {
 protected:
  void Fly(std::initializer_list<Trip> trips) {
    game.clock.Start();
    BuyPlane(Player(), 0, 0);
    for (const Trip& trip : trips) {
      const int leg = Plane0().legCount++;
      ScheduleLeg(game.world, 0, 0, leg, trip.departure, trip.origin, trip.destination);
      Flight& flight = Plane0().legs[static_cast<std::size_t>(leg)];
      flight.firstFare = 300.25;
      flight.businessFare = 200.125;
      flight.economyFare = 100.25;
    }
  }
  // Ticks until the clock shows hh:mm.
  void RunTo(int hour, int minute) {
    do {
      SimulateTick(game);
    } while (!(game.clock.hour == hour && game.clock.minute == minute));
  }
  Airline& Player() { return game.world.airlines[0]; }
  Plane& Plane0() { return Player().planes[0]; }
  Flight& Leg(int index) { return Plane0().legs[static_cast<std::size_t>(index)]; }

  GameState game{11};
};

// Atlanta has no market share yet: 5 % of its 191589 daily passengers, times Charlotte's weight 0.016057347 over
// one leg into it: 153 waiting. Seats of 106: first 2.65 -> 2, business 7.07 -> 7, economy 90.1 -> 90. First
// min(12, 2), business min(25, 7), economy min(144, 90); 54 keep waiting.
// Revenue 2 x 300.25 + 7 x 200.125 + 90 x 100.25 = 600.5 + 1400.875 + 9022.5 = 11023.875; the plane and the
// balance drop the cents of each class on its own: 11022. Costs: 404 fuel units (196 / (1430 / 2949)) x 2.06 =
// 832.24, landing 1369, ground 1657, maintenance 784 + 392, navigation 1735, pilots 1274, attendants 250.6,
// insurance 39500000 x 0.000002825 = 111.5875; 8405.4275 in all. The balance loses each cost without its cents.
TEST_F(Flying, ARoundTripGoesThroughEveryStateAndBooksItsFirstTripToTheCent) {
  Fly({{40, kAtlanta, kCharlotte}, {60, kCharlotte, kAtlanta}});  // 10:00 out, 15:00 back; 196 miles, 30 minutes
  Airport& charlotte = game.world.AirportById(kCharlotte);
  charlotte.departures[1] = 1;  // a departure of airline 1 that no share reflects yet
  const struct { int hour, minute, state, economy, currentLeg; std::int32_t balance; } steps[] = {
      {9, 25, kWaitingForBoarding, 0, 0, 459650000},  // 460500000 after the plane, two gates of 425000
      {9, 30, kBoardingOpen, 0, 0, 459650000},        {9, 35, kBoarded, 90, 0, 459650000},
      {10, 0, kInTheAir, 90, 0, 459650000},           {10, 15, kApproaching, 90, 0, 459650000},
      {10, 30, kLanded, 90, 0, 459650000},            {10, 45, kWaitingForBoarding, 90, 1, 459650000 + 11022 - 8404},
  };
  for (const auto& step : steps) {
    RunTo(step.hour, step.minute);
    EXPECT_EQ(Leg(0).state, step.state) << step.hour << ":" << step.minute;
    EXPECT_EQ(Leg(0).economyPassengers, step.economy) << step.hour << ":" << step.minute;
    EXPECT_EQ(Plane0().currentLeg, step.currentLeg) << step.hour << ":" << step.minute;
    EXPECT_EQ(Player().balance, step.balance) << step.hour << ":" << step.minute;
    EXPECT_FALSE(game.clock.newDay);  // the first pass of the day is over
  }
  EXPECT_EQ(game.clock.ticksToday, 117);  // 01:00 to 10:45, five minutes a tick: the saved game's GAME_TIME
  EXPECT_EQ(Leg(0).firstPassengers, 2);
  EXPECT_EQ(Leg(0).businessPassengers, 7);
  EXPECT_EQ(game.world.AirportById(kAtlanta).routeDemand[kCharlotte][0], 54);
  const Flight& leg = Leg(0);
  const double figures[] = {leg.revenue, leg.expenses, leg.profit, leg.firstIncome, leg.businessIncome,
                            leg.economyIncome, leg.wages, leg.miscellaneous, leg.fuelBurn, leg.fuel};
  const double workedOut[] = {11023.875, 8405.4275, 11023.875 - 8405.4275, 600.5, 1400.875, 9022.5,
                              250.6 + 1274 + 1657 + 392 + 784, 111.5875 + 3104, 832.24, 832.24};
  for (std::size_t i = 0; i < std::size(workedOut); ++i) EXPECT_DOUBLE_EQ(figures[i], workedOut[i]) << i;
  EXPECT_EQ(std::tuple(Plane0().revenue, Plane0().expenses, Plane0().profit), std::tuple(11022, 8405, 2617));
  EXPECT_EQ(Plane0().value, 39498353);  // 39500000 less 0.0041675 %
  const std::pair<LedgerEntry, double> booked[] = {
      {LedgerEntry::ExpenseFuel, 832.24},       {LedgerEntry::ExpenseLandingFees, 1369},
      {LedgerEntry::ExpenseGroundCrew, 1657},   {LedgerEntry::ExpenseNavigation, 1735},
      {LedgerEntry::ExpensePilots, 1274},       {LedgerEntry::ExpenseMaintenance, 1176},
      {LedgerEntry::ExpenseAttendants, 250.6},  {LedgerEntry::ExpenseInsurance, 111.5875},
      {LedgerEntry::IncomeFirstClass, 600.5},   {LedgerEntry::IncomeBusinessClass, 1400.875},
      {LedgerEntry::IncomeEconomyClass, 9022.5}};
  for (const auto& [entry, amount] : booked) {
    EXPECT_DOUBLE_EQ(Player().currentYear[entry], amount) << static_cast<int>(entry);
    EXPECT_DOUBLE_EQ(Player().overall[entry], amount) << static_cast<int>(entry);
  }
  EXPECT_EQ(Player().previousYear[LedgerEntry::IncomeEconomyClass], 0);
  EXPECT_EQ(Leg(0).totalPassengers, 99);
  EXPECT_EQ(Leg(0).timesFlown, 1);
  const Airport& atlanta = game.world.AirportById(kAtlanta);
  const std::vector<int> traffic = {atlanta.departures[0], atlanta.passengers[0], atlanta.seatsOffered[0],
                                    atlanta.passengersToday[0], atlanta.passengersTodayAll};
  EXPECT_EQ(traffic, (std::vector<int>{1, 99, 106, 99, 99}));
  EXPECT_EQ(atlanta.marketShare[0], 99);  // (1 + 1 + 1) x 33.33333333333333 = 99.99999999999999
  EXPECT_EQ(atlanta.marketShare[1], 0);
  EXPECT_EQ(charlotte.marketShare[1], 33);  // the destination's shares are recounted too: 1 / 1 x 33.33

  // The return leg flies in the afternoon and hands back to the first leg.
  RunTo(15, 45);
  EXPECT_EQ(Leg(1).timesFlown, 1);
  EXPECT_EQ(Plane0().currentLeg, 0);
}

TEST_F(Flying, PlanesRescheduledSoldOrRestartedBetweenTicksFlyByTheirNewState) {
  Fly({{40, kAtlanta, kCharlotte}});
  RunTo(9, 0);
  ScheduleLeg(game.world, 0, 0, 0, 38, kAtlanta, kCharlotte);  // now 09:30: boarding opens at 09:00
  RunTo(9, 10);
  EXPECT_EQ(Leg(0).state, kBoarded);
  RunTo(9, 30);
  EXPECT_EQ(Leg(0).state, kInTheAir);
  SellPlane(Player(), 0);  // in the air: a sold plane steps no more, nor does a new one with no legs yet
  BuyPlane(Player(), 0, 0);
  RunTo(11, 0);
  EXPECT_EQ(Leg(0).state, kInTheAir);
  EXPECT_EQ(Leg(0).timesFlown, 0);

  game.Restart(game.seed);  // a new world, and with it new planes to fly
  Fly({{44, kAtlanta, kChicago}});  // 11:00: boarding at 10:30 and 10:35
  RunTo(10, 35);
  EXPECT_EQ(Leg(0).state, kBoarded);
}

TEST_F(Flying, AStoppedClockMovesNothing) {
  Fly({{40, kAtlanta, kChicago}});
  Plane0().legCount = 1;
  game.clock.running = false;
  game.clock.hour = 9;
  game.clock.minute = 30;
  RunFlightCycle(game);
  EXPECT_EQ(Leg(0).state, kWaitingForBoarding);
  EXPECT_EQ(game.clock.ticksToday, 0);
}

class DuePlanes : public ::testing::Test {
 protected:
  DuePlanes() {
    for (int slot : {0, 64}) {
      BuyPlane(Player(), slot, 0);  // B 717-200; Atlanta to Charlotte is 196 miles, two quarter hours
      ScheduleLeg(game.world, 0, slot, 0, 40, kAtlanta, kCharlotte);
      Plane(slot).legCount = 1;
    }
  }
  Airline& Player() { return game.world.airlines[0]; }
  jetvale::Plane& Plane(int slot) { return Player().planes[static_cast<std::size_t>(slot)]; }
  Flight& Leg0() { return Plane(0).legs[0]; }

  GameState game{3};
};

TEST_F(DuePlanes, APlaneThatCannotStepIsNeverDue) {
  const std::function<void(jetvale::Plane&)> stuck[] = {
      [](jetvale::Plane& p) { p.legs[0].state = 5; },  // not a state of the leg step
      [](jetvale::Plane& p) { p.legs[0].active = false; },
      [](jetvale::Plane& p) { p.currentLeg = 1; },  // past its single leg
      [](jetvale::Plane& p) { p.currentLeg = -1; },
      [](jetvale::Plane& p) { p.legCount = 0; },
      [](jetvale::Plane& p) { p.inUse = false; },
  };
  for (const auto& damage : stuck) {
    jetvale::Plane plane = Plane(0);
    plane.legs[0].state = kBoarded;
    EXPECT_EQ(NextTimeTest(plane), 40);
    damage(plane);
    EXPECT_EQ(NextTimeTest(plane), kNeverDue) << &damage - stuck;
  }
}

TEST_F(DuePlanes, PlanesAreFiledInSlotOrderOnceAndTakenOut) {
  DueLegs due;
  const auto take = [&due](int slot) {
    std::vector<PlaneKey> keys;
    due.TakeEach(slot, [&keys](PlaneKey key) { keys.push_back(key); });
    return keys;
  };
  due.Rebuild(game.world);
  const std::vector<PlaneKey> both = {{0, 0}, {0, 64}};
  const std::vector<PlaneKey> firstOnly = {{0, 0}};
  const std::vector<PlaneKey> secondOnly = {{0, 64}};
  EXPECT_EQ(due.At(38), both);
  EXPECT_TRUE(due.At(40).empty());
  due.File(Plane(64), {0, 64});  // already there: not twice
  due.File(Plane(0), {0, 0});
  EXPECT_EQ(due.At(38), both);
  EXPECT_EQ(take(38), both);
  EXPECT_TRUE(due.At(38).empty());
  EXPECT_TRUE(take(96).empty());
  EXPECT_TRUE(take(-1).empty());
  Plane(64).legs[0].state = kBoarded;
  due.File(Plane(64), {0, 64});
  due.File(Plane(0), {0, 0});  // filed after a plane with a higher slot, listed before it
  EXPECT_EQ(due.At(40), secondOnly);
  EXPECT_EQ(due.At(38), firstOnly);
  SellPlane(Player(), 0);
  Plane(64).legs[0].state = kWaitingForBoarding;
  ScheduleLeg(game.world, 0, 64, 0, 2, kAtlanta, kCharlotte);  // leaves at 00:30, boards at midnight
  due.Rebuild(game.world);
  EXPECT_TRUE(due.At(38).empty());
  EXPECT_TRUE(due.At(40).empty());
  EXPECT_EQ(due.At(0), secondOnly);
  EXPECT_TRUE(due.At(-1).empty());
  EXPECT_TRUE(due.At(96).empty());
  BuyPlane(Player(), 1, 0);  // filed after the rebuild where the sold plane was: it is there alone
  ScheduleLeg(game.world, 0, 1, 0, 40, kAtlanta, kCharlotte);
  Plane(1).legCount = 1;
  due.File(Plane(1), {0, 1});
  EXPECT_EQ(due.At(38), (std::vector<PlaneKey>{{0, 1}}));
  BuyPlane(game.world.airlines[3], 98, 0);  // the last plane slot of the world
  ScheduleLeg(game.world, 3, 98, 0, 2, kAtlanta, kCharlotte);
  game.world.airlines[3].planes[98].legCount = 1;
  due.Rebuild(game.world);
  const std::vector<PlaneKey> withTheLast = {{0, 64}, {3, 98}};
  EXPECT_EQ(due.At(0), withTheLast);
}

}  // namespace
}  // namespace jetvale
