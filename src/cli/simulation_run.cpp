// Options, set-up and summary of a headless run.
#include "cli/simulation_run.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

#include "cli/history_output.h"
#include "sim/forecast.h"
#include "cli/output_files.h"
#include "cli/parse_number.h"
#include "engine/replay.h"
#include "save/save_file.h"
#include "sim/fleet_operations.h"
#include "sim/simulate_tick.h"
#include "text/number_text.h"
#include "world/at_index.h"
#include "world/identities.h"

namespace jetvale {
namespace {

constexpr int kMaxDays = 365 * 1000;
constexpr std::size_t kLedgerNameWidth = 28;
constexpr std::size_t kLedgerColumnWidth = 16;
// The sign, the 309 digits of the largest double, the point and the cents.
constexpr std::size_t kLongestCents = 1 + (std::numeric_limits<double>::max_exponent10 + 1) + 3;

// An option of the command line: whether a value follows it, and whether it may be given more than once.
struct OptionRule {
  std::string_view name;
  bool takesValue;
  bool repeats;
};

constexpr std::array<OptionRule, 15> kOptionRules = {{
    {"--help", false, false}, {"-h", false, false}, {"--version", false, false}, {"--no-rivals", false, false},
    {"--forecast", false, false},
    {"--seed", true, false}, {"--days", true, false}, {"--plane", true, true}, {"--load", true, false},
    {"--save", true, false}, {"--history", true, false}, {"--chart", true, false}, {"--replay", true, false},
    {"--shot", true, true}, {"--shots", true, false},
}};

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Money with its cents, right in a column of the summary with a blank before it; std::to_chars so no locale can
// change the text. An amount wider than the column widens its cell, the blank kept.
std::string ColumnCents(double value) {
  char cents[kLongestCents];
  const auto written = std::to_chars(std::begin(cents), std::end(cents), value, std::chars_format::fixed, 2);
  std::string cell = " ";
  return cell.append(PadLeft(std::string(cents, written.ptr), kLedgerColumnWidth - 1));
}

std::string AirlineName(const Airline& airline) { return "airline " + std::to_string(airline.index); }

// Each airline's loans in use and the principal they still owe.
std::string LoanSummary(const GameState& game) {
  std::string header = "\nloans   ";
  std::string count = "in use  ";
  std::string owed = "owed    ";
  for (const Airline& airline : game.world.airlines) {
    header += PadLeft(AirlineName(airline), kLedgerColumnWidth);
    double left = 0;
    for (const Loan& loan : airline.loans) left += loan.inUse ? loan.amountLeft : 0;
    count += PadLeft(std::to_string(airline.loanCount), kLedgerColumnWidth);
    owed += ColumnCents(left);
  }
  return header + "\n" + count + "\n" + owed + "\n";
}

// Takes the value of `option`; false with `error` set when it is refused.
bool TakeValue(const std::string& option, const std::string& value, SimOptions& options, std::string& error) {
  if (option == "--seed" && !ParseNumber(value, options.seed)) {
    error = "--seed takes a whole number from 0 to 4294967295, not '" + value + "'";
    return false;
  }
  if (option == "--days" && (!ParseNumber(value, options.days) || options.days < 0 || options.days > kMaxDays)) {
    error = "--days takes a whole number from 0 to " + std::to_string(kMaxDays) + ", not '" + value + "'";
    return false;
  }
  std::int64_t frame = 0;
  if (option == "--shot" && (!ParseNumber(value, frame) || frame < 1 || frame > kMaxReplayFrames)) {
    error = "--shot takes a frame number from 1 to " + std::to_string(kMaxReplayFrames) + ", not '" + value + "'";
    return false;
  }
  if (value.empty() && (option == "--load" || option == "--replay" || option == "--shots")) {
    error = option + " takes the name of a " + (option == "--shots" ? "folder" : "file") + ", not ''";
    return false;
  }
  if ((option == "--save" || option == "--history" || option == "--chart") && !CanWriteFile(option, value, error)) {
    return false;
  }
  if (option == "--chart" && !value.ends_with(".bmp")) {
    error = "--chart writes a BMP picture, to a file whose name ends in .bmp, not '" + value + "'";
    return false;
  }
  if (option == "--plane") {
    ScriptedPlanes planes;
    if (!ParseScriptedPlanes(value, planes, error)) return false;
    options.fleet.push_back(planes);
  }
  if (option == "--shot") options.shotFrames.push_back(frame);
  for (const auto& [name, field] : {std::pair{"--shots", &options.shotFolder}, {"--replay", &options.replayFile},
                                    {"--load", &options.loadFile}, {"--save", &options.saveFile},
                                    {"--history", &options.historyFile}, {"--chart", &options.chartFile}}) {
    if (option == name) *field = value;
  }
  return true;
}

}  // namespace

const char* const kSimUsage =
    "usage: jetvale-sim [--seed N] [--days D] [--plane ROUTE]... [--no-rivals] [--load FILE] [--save FILE]\n"
    "                   [--history FILE] [--chart FILE.bmp]\n"
    "       jetvale-sim --replay FILE [--shot FRAME]... [--shots FOLDER]\n"
    "       jetvale-sim --help | --version\n"
    "Runs a new game headless, as fast as the machine allows, and prints a summary.\n"
    "  --seed N      seed of the random generator (default 1); the same seed gives the same output\n"
    "  --days D      game days to run (default 30)\n"
    "  --plane ROUTE planes for the player, [N*]TYPE:AAA@HHMM-BBB@HHMM[-CCC@HHMM]: N planes (default 1) of\n"
    "                TYPE (a name such as \"B 717-200\" or an index 0..12) flying from AAA at HHMM to BBB,\n"
    "                leaving BBB at its HHMM, and so on, back to the first stop; default fares.\n"
    "                Example: --plane 2*A320:ATL@0800-ORD@1200\n"
    "  --no-rivals   the three program-run airlines stay idle\n"
    "  --load FILE   start from this saved game instead of a new game (its registrations come from --seed)\n"
    "  --save FILE   save the game to this file when the run ends, in the game's saved-game format, and its\n"
    "                history beside it (FILE with the extension .history)\n"
    "  --history FILE\n"
    "                write the history as CSV when the run ends: a line for every airline (0 is the player's)\n"
    "                of every month kept, up to ten years: month, airline, balance at the month end, and the\n"
    "                month's income, expenses, passengers and trips\n"
    "  --chart FILE.bmp\n"
    "                draw the history chart as F2 shows it in the game, the balances of the last 24 months,\n"
    "                into this BMP picture when the run ends\n"
    "  --forecast    add the next 12 months, as the game will close them if nothing changes, to --history\n"
    "                (their month marked \"forecast\") and to --chart (dotted, as the chart's Forecast shows them)\n"
    "  --replay FILE play a replay the desktop game recorded (F9 writes replay.txt beside the saved game),\n"
    "                frame by frame with the game's bitmaps, and print the summary of the game it ends in; one\n"
    "                whose start game (jetvale --load) cannot be loaded is refused\n"
    "  --shot FRAME  replay: also keep the picture after this frame (the recorded F12 presses are kept anyway)\n"
    "  --shots DIR   replay: the folder for the pictures, frame-NNNNNN.bmp, made when missing before the replay\n"
    "                plays (default: .)\n"
    "  --help        print this help and exit\n"
    "  --version     print the version and exit\n"
    "Each option but --plane and --shot is given at most once. The files of --save (with its history), --history\n"
    "and --chart are checked before the run: their folders must exist and take new files, and no two of them may\n"
    "be one file, nor --load's saved game or its history (but --save may name the game loaded, to go on with it).\n"
    "They are written when the run ends, before the summary. What is refused ends the program with status 2,\n"
    "having changed nothing.\n"
    "The summary goes to standard output; the simulated ticks per second to standard error.\n";

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  std::vector<std::string_view> given;
  bool usesReplay = false;
  bool usesScript = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto rule = std::find_if(kOptionRules.begin(), kOptionRules.end(),
                                   [&option](const OptionRule& known) { return known.name == option; });
    if (rule == kOptionRules.end()) {
      error = "unknown option '" + option + "'";
      return false;
    }
    if (!rule->repeats && std::find(given.begin(), given.end(), rule->name) != given.end()) {
      error = option + " may be given only once";
      return false;
    }
    given.push_back(rule->name);
    if (!rule->takesValue) {
      options.help = options.help || option == "--help" || option == "-h";
      options.version = options.version || option == "--version";
      options.rivals = options.rivals && option != "--no-rivals";
      options.forecast = options.forecast || option == "--forecast";
      continue;
    }
    if (i + 1 == args.size()) {
      error = option + " needs a value";
      return false;
    }
    if (!TakeValue(option, args[++i], options, error)) return false;
    // A replay is the whole game: nothing of a scripted run goes with it, and pictures need a replay.
    const bool replayOption = option == "--replay" || option == "--shot" || option == "--shots";
    (replayOption ? usesReplay : usesScript) = true;
  }
  if (usesReplay && (usesScript || !options.rivals || options.replayFile.empty())) {
    error = "--shot and --shots go with --replay, which takes no other option";
    return false;
  }
  return OutputsStandApart(options, error);
}

bool StartSimulation(const SimOptions& options, GameState& game, std::string& error) {
  if (options.loadFile.empty()) {
    AssignIdentities(game.world, kWesternAirlines);
  } else if (std::string problem; !LoadGameFrom(options.loadFile, game, &problem)) {
    error = "cannot load the saved game '" + options.loadFile + "': " + problem;
    return false;
  }
  game.rivalsPlay = options.rivals;
  game.clock.Start();
  for (const ScriptedPlanes& planes : options.fleet) {
    if (!AddScriptedPlanes(game, 0, planes, kPlayerFleetLimit, error)) return false;
  }
  return true;
}

void RunDays(GameState& game, int days) {
  for (long long tick = 0; tick < static_cast<long long>(days) * kTicksPerDay; ++tick) SimulateTick(game);
}

bool FinishSimulation(const SimOptions& options, GameState& game, std::string& error) {
  if (!options.saveFile.empty() && !SaveGameTo(options.saveFile, game)) {
    error = "cannot save the game to '" + options.saveFile + "'";
    return false;
  }
  const bool forecastLines = options.forecast && !options.historyFile.empty();
  const std::vector<MonthRecord> ahead = forecastLines ? ForecastMonths(game) : std::vector<MonthRecord>{};
  if (!options.historyFile.empty() && !WriteFileSafely(options.historyFile, HistoryCsv(game.world, ahead))) {
    error = "cannot write the history to '" + options.historyFile + "'";
    return false;
  }
  return options.chartFile.empty() || WriteChartPicture(game, options.forecast, options.chartFile, error);
}

std::string Summary(const GameState& game, const SimOptions& options) {
  return "Jetvale simulation, seed " + std::to_string(options.seed) + ", " + std::to_string(options.days) +
         " days\n" + GameSummary(game);
}

std::string GameSummary(const GameState& game) {
  const GameClock& clock = game.clock;
  std::string out = clock.DateText() + ", " + TwoDigits(clock.hour) + ":" + TwoDigits(clock.minute) + "\n\n";
  out += "airline                balance  planes   trips  passengers\n";
  for (const Airline& airline : game.world.airlines) {
    // 64 bits: a long run of a full fleet carries more passengers than an int holds.
    std::int64_t trips = 0;
    std::int64_t passengers = 0;
    for (const Plane& plane : airline.planes) {
      if (!plane.inUse) continue;
      for (int leg = 0; leg < plane.legCount; ++leg) {
        trips += At(plane.legs, leg).timesFlown;
        passengers += At(plane.legs, leg).totalPassengers;
      }
    }
    std::string name = "(none)";
    for (const AirlineIdentity& identity : kAirlineIdentities) {
      if (identity.code == airline.identity) name = identity.name;
    }
    name.resize(16, ' ');
    out += std::to_string(airline.index) + " " + name + PadLeft(std::to_string(airline.balance), 12) + PadLeft(std::to_string(airline.planeCount), 8) +
           PadLeft(std::to_string(trips), 8) + PadLeft(std::to_string(passengers), 12) + "\n";
  }
  std::string header = "current-year ledger";
  header.resize(kLedgerNameWidth, ' ');
  for (const Airline& airline : game.world.airlines) header += PadLeft(AirlineName(airline), kLedgerColumnWidth);
  out += "\n" + header + "\n";
  for (std::size_t entry = 0; entry < kLedgerEntryNames.size(); ++entry) {
    std::string row(kLedgerEntryNames[entry]);
    row.resize(kLedgerNameWidth, ' ');
    for (const Airline& airline : game.world.airlines) {
      row += ColumnCents(airline.currentYear.values[entry]);
    }
    out += row + "\n";
  }
  return out + LoanSummary(game) + "\n";  // a blank last line keeps the summary apart from what follows
}

}  // namespace jetvale
