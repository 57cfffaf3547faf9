// The headless simulator's own part: its options and what it refuses, the fleet it scripts, and the summary's
// layout (the day it flies is worked by hand in the flight-cycle test), and the history it writes at the end of
// a run: every month as CSV and the chart as a picture.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/simulation_run.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

TEST(SimOptions, BadOptionsAreRefusedWithAReason) {
  const fs::path folder = fs::temp_directory_path() / "jetvale_sim_options";
  fs::create_directories(folder);
  const std::string missing = (folder / "gone" / "h.csv").string();
  const std::string save = (folder / "a.txt").string();
  const std::string sideFile = (folder / "." / "a.history").string();  // the same file by another name
  const std::string alone = "--shot and --shots go with --replay, which takes no other option";
  using Case = std::pair<std::vector<std::string>, std::string>;
  for (const auto& [args, reason] : std::vector<Case>{
           {{"--speed", "3"}, "unknown option '--speed'"}, {{"--days"}, "--days needs a value"},
           {{"--days", "-1"}, "--days takes a whole number from 0 to 365000, not '-1'"},
           {{"--days", "365001"}, "--days takes a whole number from 0 to 365000, not '365001'"},
           {{"--seed", "12x"}, "--seed takes a whole number from 0 to 4294967295, not '12x'"},
           {{"--plane", "A320:ATL@0800"}, "a round trip has two or three stops, 'A320:ATL@0800' has 1"},
           {{"--plane", "A999:ATL@0800-ORD@1200"}, "no aircraft type is called 'A999'"},
           {{"--plane", "A320:ATL@0810-ORD@1200"}, "departure time in 'ATL@0810' is not a quarter hour of the day"},
           {{"--plane", "A320:XXX@0800-ORD@1200"}, "no airport has the code 'XXX'"},
           {{"--plane", "0*A320:ATL@0800-ORD@1200"},
            "plane count in '0*A320:ATL@0800-ORD@1200' is not a positive number"},
           {{"--replay", "r.txt", "--shot", "0"}, "--shot takes a frame number from 1 to 18144000, not '0'"},
           {{"--replay", "r.txt", "--shot", "18144001"},
            "--shot takes a frame number from 1 to 18144000, not '18144001'"},
           {{"--shots", "pictures"}, alone}, {{"--no-rivals", "--replay", "r.txt"}, alone},
           {{"--history", missing}, "--history: there is no folder '" + (folder / "gone").string() + "' for '" +
                                        missing + "'"},
           {{"--chart", folder.string()}, "--chart takes the name of a file, not '" + folder.string() + "'"},
           {{"--chart", "c.png"}, "--chart writes a BMP picture, to a file whose name ends in .bmp, not 'c.png'"},
           {{"--save", ""}, "--save takes the name of a file, not ''"},
           {{"--load", ""}, "--load takes the name of a file, not ''"},
           {{"--replay", ""}, "--replay takes the name of a file, not ''"},
           {{"--replay", "r.txt", "--shots", ""}, "--shots takes the name of a folder, not ''"},
           {{"--seed", "1", "--seed", "2"}, "--seed may be given only once"},
           {{"--no-rivals", "--no-rivals"}, "--no-rivals may be given only once"},
           {{"--save", missing},
            "--save: there is no folder '" + (folder / "gone").string() + "' for '" + missing + "'"},
           {{"--save", save, "--history", sideFile},
            "--save's history side file and --history name the same file, '" + sideFile + "'"},
           {{"--load", save, "--history", save}, "--load and --history name the same file, '" + save + "'"},
       }) {
    SimOptions options;
    std::string error;
    EXPECT_FALSE(ParseSimOptions(args, options, error)) << args[0];
    EXPECT_EQ(error, reason);
  }
  // Saving over the game loaded goes on with it; planes and pictures are asked for one by one.
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--load", save, "--save", save}, {"--plane", "A320:ATL@0800-ORD@1200", "--plane", "A320:ATL@0900-ORD@1300"},
           {"--replay", "r.txt", "--shot", "1", "--shot", "2"}}) {
    SimOptions options;
    std::string error;
    EXPECT_TRUE(ParseSimOptions(args, options, error)) << args[0] << ": " << error;
  }
}

TEST(SimOptions, AGameThatCannotStartIsRefusedWithAReason) {
  const fs::path folder = fs::temp_directory_path() / "jetvale_sim_start";
  fs::create_directories(folder);
  const std::string damaged = (folder / "damaged.txt").string();
  ASSERT_TRUE(WriteFileSafely(damaged, "AIRPORT_CITY\n0\n"));
  const std::string missing = (folder / "missing.txt").string();
  // Ten A380s take the balance from 500 million to -2012.5 million; the eleventh would carry it past its limit.
  for (const auto& [args, reason, bought] : {
           std::tuple<std::vector<std::string>, std::string, int>{
               {"--plane", "Fokker 70:ATL@0800-SFO@1600"},
               "ATL-SFO (1853 miles) cannot be flown by a Fokker 70 (range 1085 miles)", 0},
           {{"--plane", "21*ERJ145:ATL@0800-CLT@1200"}, "the fleet is full: 20 planes at most", 20},
           {{"--plane", "11*A380:ATL@0800-ORD@1200"}, "the balance would leave its range with plane 11", 10},
           {{"--load", missing}, "cannot load the saved game '" + missing + "': the file cannot be read", 0},
           {{"--load", damaged},
            "cannot load the saved game '" + damaged + "': line 2: AIRPORT_CITY '0' is no value of the game", 0},
       }) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions(args, options, error)) << error;
    GameState game(1);
    EXPECT_FALSE(StartSimulation(options, game, error));
    EXPECT_EQ(error, reason);
    EXPECT_EQ(game.world.Player().planeCount, bought);
  }
}

// The summary of a game set by hand (the fingerprints pin the rest of its layout): a negative balance in its
// column, and the player's trips and passengers added over all legs in 64 bits.
TEST(Simulation, TheSummaryAddsEveryLegsPassengersWithoutOverflow) {
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--seed", "3", "--days", "1", "--plane", "B 717-200:ATL@1000-CLT@1500"}, options, error));
  GameState game(options.seed);
  ASSERT_TRUE(StartSimulation(options, game, error)) << error;
  Airline& player = game.world.airlines[0];
  player.balance = -1234;
  player.planes[0].legs[0].timesFlown = 1;
  player.planes[0].legs[1].timesFlown = 2;
  player.planes[0].legs[0].totalPassengers = 2000000000;
  player.planes[0].legs[1].totalPassengers = 2000000000;
  const std::string summary = Summary(game, options);
  EXPECT_NE(summary.find("\n0 Western Airlines       -1234       1       3  4000000000\n"), std::string::npos) << summary;
}

// A column holds 15 characters of money and the blank before it; a loaded game may hold more, up to 1e24, and the
// cell widens for it, keeping the blank.
TEST(Simulation, MoneyWiderThanItsColumnWidensItsCell) {
  GameState game(1);
  for (const auto& [fuel, cell] : {std::pair{999999999999.99, " 999999999999.99"},
                                   {-999999999999.99, " -999999999999.99"},
                                   {-1e24, " -999999999999999983222784.00"}}) {  // the double nearest
    game.world.airlines[2].currentYear[LedgerEntry::ExpenseFuel] = fuel;
    const std::string text = GameSummary(game);
    EXPECT_NE(text.find("0.00" + std::string(cell) + "            0.00\n"), std::string::npos) << fuel << "\n" << text;
  }
  game.world.airlines[1].loans[3].inUse = true;
  game.world.airlines[1].loans[3].amountLeft = 1e15;
  const std::string text = GameSummary(game);
  EXPECT_NE(text.find("\nowed                0.00 1000000000000000.00            0.00"), std::string::npos) << text;
}

TEST(HistoryOutput, ARunEndsWithEveryMonthAsCsvAndTheChartAsAPicture) {
  const fs::path folder = fs::temp_directory_path() / "jetvale_history_output";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string csv = (folder / "h.csv").string();
  const std::string chart = (folder / "c.bmp").string();
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--days", "65", "--no-rivals", "--plane", "A320:ATL@0800-ORD@1200", "--history", csv,
                               "--chart", chart}, options, error)) << error;
  GameState game(options.seed);
  ASSERT_TRUE(StartSimulation(options, game, error)) << error;
  RunDays(game, options.days);
  ASSERT_TRUE(FinishSimulation(options, game, error)) << error;

  // 65 days keep January and February: a header and a line for each of the four airlines in each month.
  std::string text;
  ASSERT_TRUE(ReadWholeFile(csv, text));
  EXPECT_TRUE(text.starts_with("month,airline,balance,income,expenses,passengers,trips\nJan Year 1,0," +
                               std::to_string(game.world.history.months.at(0).airlines[0].balance) + ","))
      << text;
  EXPECT_NE(text.find("\nJan Year 1,1,500000000,0.00,0.00,0,0\n"), std::string::npos) << "an idle rival";
  EXPECT_NE(text.find("\nFeb Year 1,3,"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 2 * 4);
  EXPECT_EQ(fs::file_size(chart), 54u + 320 * 240 * 3);  // a 24-bit BMP of the screen

  // With --forecast the next twelve months follow, marked, from March on.
  options.forecast = true;
  ASSERT_TRUE(FinishSimulation(options, game, error)) << error;
  ASSERT_TRUE(ReadWholeFile(csv, text));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 14 * 4);
  EXPECT_NE(text.find("\nFeb Year 1,3,"), std::string::npos);
  EXPECT_NE(text.find("\nMar Year 1 forecast,0,"), std::string::npos) << text;
  EXPECT_NE(text.find("\nFeb Year 2 forecast,3,"), std::string::npos);
}

}  // namespace
}  // namespace jetvale
