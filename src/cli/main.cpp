// jetvale-sim: runs a game without drawing, as fast as the machine allows, and prints what came of it.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/replay_run.h"
#include "cli/simulation_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  jetvale::SimOptions options;
  std::string error;
  if (!jetvale::ParseSimOptions(args, options, error)) {
    std::fprintf(stderr, "jetvale-sim: %s (see --help)\n", error.c_str());
    return jetvale::kExitRefused;
  }
  if (options.version) {
    std::puts("jetvale-sim " JETVALE_VERSION);
    return 0;
  }
  if (options.help) {
    std::fputs(jetvale::kSimUsage, stdout);
    return 0;
  }
  if (!options.replayFile.empty()) {
    std::string report;
    const int status = jetvale::PlayReplayFile(options, report, error);
    if (status != jetvale::kExitRefused) std::fputs(report.c_str(), stdout);
    if (status != 0) std::fprintf(stderr, "jetvale-sim: %s\n", error.c_str());
    return status;
  }
  jetvale::GameState game(options.seed);
  if (!jetvale::StartSimulation(options, game, error)) {
    std::fprintf(stderr, "jetvale-sim: %s\n", error.c_str());
    return jetvale::kExitRefused;
  }
  const auto start = std::chrono::steady_clock::now();
  jetvale::RunDays(game, options.days);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  // The game played is kept before anything else is said of it.
  const bool kept = jetvale::FinishSimulation(options, game, error);
  std::fputs(jetvale::Summary(game, options).c_str(), stdout);
  std::fflush(stdout);
  if (!kept) {
    std::fprintf(stderr, "jetvale-sim: %s\n", error.c_str());
    return jetvale::kExitFailed;
  }
  const double ticks = static_cast<double>(options.days) * jetvale::kTicksPerDay;
  std::fprintf(stderr, "%.0f ticks in %.3f s: %.0f ticks per second\n", ticks, seconds.count(),
               seconds.count() > 0 ? ticks / seconds.count() : 0.0);
  return 0;
}
