// jetvale-sim's history outputs: refused where they enter when they cannot be written, then the CSV and the chart.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/simulation_run.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

TEST(HistoryOutput, FilesThatCannotBeWrittenAreRefusedBeforeTheRun) {
  const fs::path folder = fs::temp_directory_path() / "jetvale_history_refused";
  fs::create_directories(folder);
  const std::string missing = (folder / "gone" / "h.csv").string();
  using Case = std::pair<std::vector<std::string>, std::string>;
  for (const auto& [args, reason] : std::vector<Case>{
           {{"--history", missing}, "--history: there is no folder '" + (folder / "gone").string() + "' for '" +
                                        missing + "'"},
           {{"--chart", folder.string()}, "--chart takes the name of a file, not '" + folder.string() + "'"},
           {{"--chart", "c.png"}, "--chart writes a BMP picture, to a file whose name ends in .bmp, not 'c.png'"},
           {{"--history"}, "--history needs a value"},
           {{"--replay", "r.txt", "--history", "h.csv"},
            "--shot and --shots go with --replay, which takes no other option"},
       }) {
    SimOptions options;
    std::string error;
    EXPECT_FALSE(ParseSimOptions(args, options, error));
    EXPECT_EQ(error, reason);
  }
}

TEST(HistoryOutput, ARunEndsWithEveryMonthAsCsvAndTheChartAsAPicture) {
  const fs::path folder = fs::temp_directory_path() / "jetvale_history_output";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string csv = (folder / "h.csv").string();
  const std::string chart = (folder / "c.bmp").string();
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--days", "65", "--plane", "A320:ATL@0800-ORD@1200", "--history", csv, "--chart", chart},
                              options, error))
      << error;
  GameState game(options.seed);
  ASSERT_TRUE(StartSimulation(options, game, error)) << error;
  RunDays(game, options.days);
  ASSERT_TRUE(FinishSimulation(options, game, error)) << error;

  std::string text;
  ASSERT_TRUE(ReadWholeFile(csv, text));
  const AirlineMonth& january = game.world.history.months.at(0).airlines[0];
  EXPECT_EQ(text.rfind("month,airline,balance,income,expenses,passengers,trips\nJan Year 1,0," +
                           std::to_string(january.balance) + ",",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("\nFeb Year 1,3,"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 2 * kAirlineCount);
  EXPECT_EQ(fs::file_size(chart), 54u + 320 * 240 * 3);
}

}  // namespace
}  // namespace jetvale
