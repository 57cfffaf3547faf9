// jetvale-sim's history outputs at the end of a run: every month as CSV and the chart as a picture (the files it
// cannot write are refused with the other options, in simulation_run_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/simulation_run.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

TEST(HistoryOutput, ARunEndsWithEveryMonthAsCsvAndTheChartAsAPicture) {
  const fs::path folder = fs::temp_directory_path() / "jetvale_history_output";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string csv = (folder / "h.csv").string();
  const std::string chart = (folder / "c.bmp").string();
  SimOptions options;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--days", "65", "--no-rivals", "--plane", "A320:ATL@0800-ORD@1200", "--history", csv, "--chart", chart},
                              options, error))
      << error;
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
}

}  // namespace
}  // namespace jetvale
