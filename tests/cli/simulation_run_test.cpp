// The headless simulator: its options, its scripted fleet, and a summary that replays byte for byte.
#include <gtest/gtest.h>

#include "cli/simulation_run.h"

namespace jetvale {
namespace {

std::string Refusal(const std::vector<std::string>& args) {
  SimOptions options;
  std::string error;
  EXPECT_FALSE(ParseSimOptions(args, options, error));
  return error;
}

std::string SummaryOf(const GameState& game, const SimOptions& options) {
  std::string text;
  std::string error;
  EXPECT_TRUE(Summary(game, options, text, error)) << error;
  return text;
}

TEST(SimOptions, BadOptionsAreRefusedWithAReason) {
  EXPECT_EQ(Refusal({"--speed", "3"}), "unknown option '--speed'");
  EXPECT_EQ(Refusal({"--days"}), "--days needs a value");
  EXPECT_EQ(Refusal({"--days", "-1"}), "--days takes a whole number from 0 to 365000, not '-1'");
  EXPECT_EQ(Refusal({"--seed", "12x"}), "--seed takes a whole number from 0 to 4294967295, not '12x'");
  EXPECT_EQ(Refusal({"--plane", "A320:ATL@0800"}), "a round trip has two or three stops, 'A320:ATL@0800' has 1");
  EXPECT_EQ(Refusal({"--plane", "A999:ATL@0800-ORD@1200"}), "no aircraft type is called 'A999'");
  EXPECT_EQ(Refusal({"--plane", "A320:ATL@0810-ORD@1200"}),
            "departure time in 'ATL@0810' is not a quarter hour of the day");
  EXPECT_EQ(Refusal({"--plane", "A320:XXX@0800-ORD@1200"}), "no airport has the code 'XXX'");
  EXPECT_EQ(Refusal({"--plane", "0*A320:ATL@0800-ORD@1200"}),
            "plane count in '0*A320:ATL@0800-ORD@1200' is not a positive number");
  EXPECT_EQ(Refusal({"--replay", "r.txt", "--shot", "0"}), "--shot takes a frame number from 1 to 18144000, not '0'");
  EXPECT_EQ(Refusal({"--replay", "r.txt", "--shot", "18144001"}),
            "--shot takes a frame number from 1 to 18144000, not '18144001'");
  const std::string alone = "--shot and --shots go with --replay, which takes no other option";
  EXPECT_EQ(Refusal({"--shots", "pictures"}), alone);
  EXPECT_EQ(Refusal({"--replay", "r.txt", "--days", "3"}), alone);
  EXPECT_EQ(Refusal({"--no-rivals", "--replay", "r.txt"}), alone);
}

TEST(SimOptions, AFleetBeyondItsRangeOrItsSizeIsRefused) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--plane", "Fokker 70:ATL@0800-SFO@1600"}, options, error));
  GameState game(1);
  EXPECT_FALSE(StartSimulation(options, game, error));
  EXPECT_EQ(error, "ATL-SFO (1853 miles) cannot be flown by a Fokker 70 (range 1085 miles)");
  ASSERT_TRUE(ParseSimOptions({"--plane", "21*ERJ145:ATL@0800-CLT@1200"}, options = {}, error));
  GameState full(1);
  EXPECT_FALSE(StartSimulation(options, full, error));
  EXPECT_EQ(error, "the fleet is full: 20 planes at most");
  // Ten A380s take the balance from 500 million to -2012.5 million; the eleventh would carry it past its limit.
  ASSERT_TRUE(ParseSimOptions({"--plane", "11*A380:ATL@0800-ORD@1200"}, options = {}, error));
  GameState poor(1);
  EXPECT_FALSE(StartSimulation(options, poor, error));
  EXPECT_EQ(error, "the balance would leave its range with plane 11");
  EXPECT_EQ(poor.world.Player().planeCount, 10);
}

// One B 717-200 flies Atlanta-Charlotte (196 miles) at 10:00 and back at 15:00 for one day, default fares.
// Both ways 153 passengers wait (5 % of the origin's daily passengers times the other's weight): 2 first,
// 7 business, 90 economy board. Fares at 0.2017 per mile: 165.3629, 111.99308 and 76.4132; each trip brings
// 330 + 783 + 6877 = 7990 whole units and costs 8404 (see the flight test), so the balance is
// 500000000 - 39500000 - 2 gates x 425000 - 2 x 414 = 459649172.
TEST(Simulation, ADayOfOneRoundTripPrintsTheseFigures) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--seed", "3", "--days", "1", "--no-rivals", "--plane", "B 717-200:ATL@1000-CLT@1500"},
                              options, error));
  GameState game(options.seed);
  ASSERT_TRUE(StartSimulation(options, game, error)) << error;
  RunDays(game, options.days);
  const std::string summary = SummaryOf(game, options);
  for (const char* line : {
           "Jetvale simulation, seed 3, 1 days\nJan-2 Year 1 Tue, 01:00\n\n",
           "\nairline                balance  planes   trips  passengers\n"
           "0 Western Airlines   459649172       1       2         198\n"
           "1 Southeast Air      500000000       0       0           0\n",
           "\ncurrent-year ledger                airline 0       airline 1       airline 2       airline 3\n",
           "\nFIN_INC_FST_CLS                       661.45            0.00",  // 2 x 2 x 165.3629
           "\nFIN_INC_BUS_CLS                      1567.90            0.00",  // 2 x 7 x 111.99308
           "\nFIN_INC_ECO_CLS                     13754.38            0.00",  // 2 x 90 x 76.4132
           "\nFIN_EXP_FUEL                         1664.48            0.00",  // 2 x 404 units x 2.06
           // 39500000 x 0.000002825, then the same of 39498353 after a trip's depreciation
           "\nFIN_EXP_INSURANCE                     223.17            0.00",
       }) {
    EXPECT_NE(summary.find(line), std::string::npos) << line << "\nin\n" << summary;
  }
  // The loans end the summary, and a blank line after them.
  const std::string loans = "\nowed                0.00            0.00            0.00            0.00\n\n";
  EXPECT_EQ(summary.substr(summary.size() - loans.size()), loans);

  // Passenger totals beyond the range of an int still add up.
  Plane& plane = game.world.airlines[0].planes[0];
  plane.legs[0].totalPassengers = 2000000000;
  plane.legs[1].totalPassengers = 2000000000;
  EXPECT_NE(SummaryOf(game, options).find("       2  4000000000\n"), std::string::npos);
}

// A column holds 15 characters of money and the blank before it; a loaded game may hold more.
TEST(Simulation, MoneyTooLargeForItsColumnIsRefusedByName) {
  GameState game(1);
  std::string text;
  std::string error;
  for (const auto& [fuel, fits] : {std::pair{999999999999.99, true}, {-99999999999.99, true},
                                   {-999999999999.99, false}, {1e308, false}}) {
    game.world.airlines[2].currentYear[LedgerEntry::ExpenseFuel] = fuel;
    EXPECT_EQ(GameSummary(game, text, error), fits) << fuel;
  }
  EXPECT_EQ(error, "airline 2's FIN_EXP_FUEL (1e+308) is too large for the summary's column of 15 characters");
  game.world.airlines[2].currentYear = {};
  game.world.airlines[1].loans[3].inUse = 1;
  game.world.airlines[1].loans[3].amountLeft = 1e15;
  EXPECT_FALSE(GameSummary(game, text, error));
  EXPECT_EQ(error, "what airline 1 owes (1e+15) is too large for the summary's column of 15 characters");
}

}  // namespace
}  // namespace jetvale
