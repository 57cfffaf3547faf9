// Whole games through jetvale-sim's set-up with the rivals playing: what a seed gives, and a year that adds up.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/simulation_run.h"
#include "world/aircraft_types.h"

namespace jetvale {
namespace {

GameState& Play(GameState& game, std::vector<std::string> args, int days) {
  SimOptions options;
  std::string error;
  EXPECT_TRUE(ParseSimOptions(args, options, error)) << error;
  EXPECT_TRUE(StartSimulation(options, game, error)) << error;
  RunDays(game, days);
  return game;
}

int PlanesInUse(const Airline& airline) {
  int count = 0;
  for (const Plane& plane : airline.planes) count += plane.inUse;
  return count;
}

int LoansInUse(const Airline& airline) {
  int count = 0;
  for (const Loan& loan : airline.loans) count += loan.inUse;
  return count;
}

// Income less expenses, as the ledger's field names tell them apart.
double Net(const Ledger& ledger) {
  double net = 0;
  for (int entry = 1; entry < kLedgerEntryCount; ++entry) {
    const double value = ledger.values[static_cast<std::size_t>(entry)];
    net += kLedgerEntryNames[static_cast<std::size_t>(entry)].starts_with("FIN_INC") ? value : -value;
  }
  return net;
}

TEST(RivalGame, SeedSevenGivesItsRivalsTheirPlanesLoansAndRoutesInSixtyDays) {
  GameState game(7);
  Play(game, {"--seed", "7"}, 60);
  for (int index = 1; index <= 3; ++index) {
    const Airline& rival = game.world.airlines[static_cast<std::size_t>(index)];
    EXPECT_EQ(PlanesInUse(rival), rival.planeCount);
    EXPECT_EQ(LoansInUse(rival), rival.loanCount);
    for (int slot = 0; slot < rival.planeCount; ++slot) {
      const Plane& plane = rival.planes[static_cast<std::size_t>(slot)];
      ASSERT_EQ(plane.legCount, 2);
      const Flight& out = plane.legs[0];
      const Flight& back = plane.legs[1];
      EXPECT_EQ(out.departure, 15);
      EXPECT_EQ(back.departure, out.arrival + index + 8);  // 23 slots after the block time, less 03:45
      EXPECT_EQ(back.origin, out.destination);
      EXPECT_EQ(back.destination, out.origin);
      EXPECT_LE(out.miles, kAircraftTypes[static_cast<std::size_t>(plane.type)].range);
      EXPECT_GT(out.totalPassengers, 0);
    }
  }
  // Worked out by replaying the generator and the strategy by hand: airline 1 (class 0) routed one Fokker 100
  // Beijing-Taipei and fell idle; airline 2 (class 1) bought three B 757-200s; airline 3 (class 2) bought two
  // B 777-300s, then borrowed the price twice, on 8 and 12 January, for two more.
  const auto& [player, first, second, third] = game.world.airlines;
  EXPECT_EQ(player.planeCount, 0);
  EXPECT_EQ(first.planeCount, 1);
  EXPECT_EQ(first.planes[0].type, 6);
  EXPECT_EQ(first.planes[0].legs[0].origin, 4);
  EXPECT_EQ(first.planes[0].legs[0].destination, 47);
  EXPECT_EQ(first.planes[0].legs[0].miles, 926);
  EXPECT_EQ(first.planes[0].legs[1].departure, 34);
  EXPECT_EQ(second.planeCount, 3);
  EXPECT_EQ(second.planes[2].type, 3);
  EXPECT_EQ(second.planes[2].legs[0].origin, 28);  // Melbourne-Singapore, 3270 miles
  EXPECT_EQ(second.planes[2].legs[0].miles, 3270);
  EXPECT_EQ(second.loanCount, 0);
  EXPECT_EQ(third.planeCount, 4);
  EXPECT_EQ(third.planes[2].legs[0].miles, 8593);  // Detroit-Melbourne, back at 03:00 the next day
  EXPECT_EQ(third.planes[2].legs[1].departure, 108);
  ASSERT_EQ(third.loanCount, 2);
  for (const Loan& loan : {third.loans[0], third.loans[1]}) {
    EXPECT_EQ(loan.amount, 190250000);
    EXPECT_EQ(loan.monthsLeft, 148);  // charged on 1 February and 1 March
    EXPECT_NEAR(loan.monthly, 1789069.6123, 1e-4);
    EXPECT_NEAR(loan.amountLeft, 188516255.2596, 1e-3);
  }
  EXPECT_NEAR(third.currentYear[LedgerEntry::ExpenseLoans], 7156278.4491, 1e-3);
}

TEST(RivalGame, WithoutRivalsOnlyThePlayerFliesAndTheSummaryListsEveryAirlinesLoans) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--seed", "7", "--days", "20", "--no-rivals"}, options, error)) << error;
  GameState game(7);
  Play(game, {"--seed", "7", "--no-rivals"}, 20);
  for (const Airline& airline : game.world.airlines) EXPECT_EQ(airline.planeCount, 0);
  GameState rivals(7);
  Play(rivals, {"--seed", "7"}, 20);
  const std::string summary = Summary(rivals, options);
  EXPECT_NE(summary.find("in use                 0               0               0               2\n"), std::string::npos)
      << summary;
  EXPECT_NE(summary.find("owed                0.00            0.00            0.00    "), std::string::npos);
}

TEST(RivalGame, AYearOfAllFourAirlinesAddsUpToTheUnitAndKeepsItsRecordsSound) {
  GameState game(3);
  Play(game, {"--seed", "3", "--plane", "4*B 757-200:ATL@0600-ORD@1000-DFW@1600", "--plane", "3*A320:BOS@1800-JFK@2330"},
       335);
  std::array<int, kAirlineCount> tripsBefore{};
  for (const Airline& airline : game.world.airlines) {
    for (const Plane& plane : airline.planes) {
      for (const Flight& leg : plane.legs) tripsBefore[static_cast<std::size_t>(airline.index)] += leg.timesFlown;
    }
  }
  RunDays(game, 30);
  EXPECT_EQ(game.clock.DateText(), "Jan-1 Year 2 Tue");

  for (const Airline& airline : game.world.airlines) {
    SCOPED_TRACE("airline " + std::to_string(airline.index));
    EXPECT_EQ(PlanesInUse(airline), airline.planeCount);
    EXPECT_EQ(LoansInUse(airline), airline.loanCount);
    int trips = 0;
    long long passengers = 0;
    for (const Plane& plane : airline.planes) {
      if (plane.inUse == 0) {
        EXPECT_EQ(plane.legCount, 0);
      }
      for (const Flight& leg : plane.legs) {
        trips += leg.timesFlown;
        passengers += leg.totalPassengers;
      }
    }
    EXPECT_GT(trips, tripsBefore[static_cast<std::size_t>(airline.index)]);  // still flying in December
    EXPECT_GT(passengers, 0);

    // The balance moves by exactly what the overall ledger books, plus the money borrowed, except for the
    // truncations the bookings allow: a trip pays its three fares and nine costs into the balance each cut
    // to whole units (under 12), a monthly payment pays its whole units (under 1), and a purchase is paid in
    // single precision, where a balance under 2^31 is off by up to 64 and so is the result (under 129).
    // Nothing is sold or paid off here, so every loan ever taken is still in its slot.
    double borrowed = 0;
    int payments = 0;
    for (const Loan& loan : airline.loans) {
      borrowed += loan.amount;
      payments += loan.totalMonths - loan.monthsLeft;
    }
    const double expected = kStartingBalance + borrowed + Net(airline.overall);
    const double bound = 12.0 * trips + payments + 129.0 * airline.planeCount + 1;
    EXPECT_LE(std::abs(airline.balance - expected), bound) << airline.balance << " vs " << expected;
    // The new year's first hour: the closing balance plus what this year booked, within the same bound.
    const double sinceYearEnd = airline.previousYear[LedgerEntry::BalancePreviousYear] + Net(airline.currentYear);
    EXPECT_LE(std::abs(airline.balance - sinceYearEnd), bound);
    EXPECT_NE(airline.previousYear[LedgerEntry::ExpenseLandingFees], 0);
  }

  // Every gate has one owner, and every leg that holds gate slots holds them at a gate of its own airline.
  for (int id = 1; id <= kAirportCount; ++id) {
    for (const Gate& gate : game.world.AirportById(id).gates) {
      EXPECT_TRUE(gate.owner == kNoGateOwner || (gate.owner >= 0 && gate.owner < kAirlineCount));
    }
  }
  for (const Airline& airline : game.world.airlines) {
    for (const Plane& plane : airline.planes) {
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
