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
}

TEST(Simulation, TheSameSeedGivesTheSameSummaryAndScriptedPlanesFly) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--seed", "9", "--days", "3", "--plane", "2*B 717-200:ATL@0800-CLT@1000-MIA@1400"},
                              options, error));
  auto run = [&] {
    GameState game(options.seed);
    EXPECT_TRUE(StartSimulation(options, game, error)) << error;
    RunDays(game, options.days);
    EXPECT_EQ(game.clock.DateText(), "Jan-4 Year 1 Thu");
    EXPECT_EQ(game.world.airlines[0].planes[1].legs[2].timesFlown, 3);
    EXPECT_GT(game.world.airlines[0].planes[1].legs[2].economyFare, 0);
    return Summary(game, options);
  };
  const std::string first = run();
  EXPECT_EQ(run(), first);
  EXPECT_NE(first.find("0 Western Airlines"), std::string::npos);
  EXPECT_NE(first.find("FIN_EXP_NEW_PLANES"), std::string::npos);
}

}  // namespace
}  // namespace jetvale
