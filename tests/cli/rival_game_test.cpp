// Whole games through jetvale-sim's set-up with the rivals playing: what a seed gives, and a year that adds up.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/simulation_run.h"
#include "support/books.h"

namespace jetvale {
namespace {

void Play(GameState& game, const std::vector<std::string>& args, int days) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions(args, options, error) && StartSimulation(options, game, error)) << error;
  RunDays(game, days);
}

TEST(RivalGame, SeedSevenGivesItsRivalsTheirPlanesLoansAndRoutesInSixtyDays) {
  GameState game(7);
  Play(game, {"--seed", "7"}, 60);
  // Worked out by replaying the generator and the strategy in a separate script: airline 1 (class 0) routed
  // one Fokker 100 Beijing-Taipei and fell idle; airline 2 (class 1) bought three B 757-200s; airline 3
  // (class 2) bought two B 777-300s, then borrowed the price on 8 and 12 January for two more.
  const auto& [player, first, second, third] = game.world.airlines;
  EXPECT_EQ(player.planeCount + first.planeCount + second.planeCount + third.planeCount, 0 + 1 + 3 + 4);
  EXPECT_EQ(first.planes[0].legs[0].origin, 4);
  EXPECT_EQ(first.planes[0].legs[0].destination, 47);
  EXPECT_EQ(first.planes[0].legs[1].departure, 34);  // 926 miles: 10 slots + 1 + 23
  EXPECT_EQ(second.planes[2].legs[0].miles, 3270);   // Melbourne-Singapore
  EXPECT_EQ(third.planes[2].legs[0].miles, 8593);    // Detroit-Melbourne, back at 03:00 the next day
  EXPECT_EQ(third.planes[2].legs[1].departure, 108);
  EXPECT_GT(third.planes[3].legs[1].totalPassengers, 0);
  ASSERT_EQ(third.loanCount, 2);
  EXPECT_EQ(third.loans[1].monthsLeft, 148);  // charged on 1 February and 1 March
  EXPECT_NEAR(third.loans[1].amountLeft, 188516255.2596, 1e-3);
  EXPECT_NEAR(third.currentYear[LedgerEntry::ExpenseLoans], 7156278.4491, 1e-3);  // 4 x 1789069.61
}

int Trips(const Airline& airline) {
  int trips = 0;
  for (const Plane& plane : airline.planes) {
    for (const Flight& leg : plane.legs) trips += leg.timesFlown;
  }
  return trips;
}

TEST(RivalGame, AYearOfAllFourAirlinesAddsUpAndKeepsItsRecordsSound) {
  GameState game(3);
  Play(game, {"--plane", "4*B 757-200:ATL@0600-ORD@1000-DFW@1600", "--plane", "3*A320:BOS@1800-JFK@2330"}, 335);
  std::array<int, kAirlineCount> december{};
  for (const Airline& airline : game.world.airlines) december[static_cast<std::size_t>(airline.index)] = Trips(airline);
  RunDays(game, 30);
  EXPECT_EQ(game.clock.DateText(), "Jan-1 Year 2 Tue");
  for (const Airline& airline : game.world.airlines) {
    const int trips = Trips(airline);
    EXPECT_GT(trips, december[static_cast<std::size_t>(airline.index)]) << "still flying in December";
    double borrowed = 0;
    int payments = 0;
    int loansInUse = 0;
    for (const Loan& loan : airline.loans) {
      borrowed += loan.amount;
      payments += loan.totalMonths - loan.monthsLeft;
      loansInUse += loan.inUse;
    }
    EXPECT_EQ(loansInUse, airline.loanCount);
    // Nothing is sold or paid off here, so every plane in use is one purchase and every loan is still held.
    const double bound = BooksTolerance(trips, payments, airline.planeCount);
    EXPECT_LE(std::abs(airline.balance - (kStartingBalance + borrowed + Net(airline.overall))), bound);
    EXPECT_LE(std::abs(airline.balance - (airline.previousYear[LedgerEntry::BalancePreviousYear] +
                                          Net(airline.currentYear))),
              bound);
    // Only planes in use fly legs, and every leg that holds gate slots holds them at a gate its airline owns.
    for (const Plane& plane : airline.planes) {
      EXPECT_TRUE(plane.inUse == 1 || plane.legCount == 0);
      for (const Flight& leg : plane.legs) {
        for (const GateHold& hold : {leg.departureHold, leg.arrivalHold}) {
          if (hold.slotCount == 0) continue;
          EXPECT_EQ(game.world.AirportById(hold.airport).gates[static_cast<std::size_t>(hold.gate)].owner,
                    airline.index);
        }
      }
    }
  }
}

}  // namespace
}  // namespace jetvale
