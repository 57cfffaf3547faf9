// jetvale_monkey: a player with no plan. Taps fall all over the screen, now and then two or three in one frame,
// with scroll keys, the history chart's key and screenshots between them; most taps aim at a button or choice of
// the window on screen, so the games reach buying, routing, loans, gates, saving and loading. Each game is
// recorded, written as a replay anyone can play again (jetvale-sim --replay), and played through the same headless
// player. Frame by frame the balances must follow the books; after the game the fleet order, every leg and the
// books must hold, the replay must end in the same game, and the game must save and load.
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <random>

#include "cli/parse_number.h"
#include "cli/replay_run.h"
#include "cli/simulation_run.h"
#include "gfx/asset_directory.h"
#include "save/save_file.h"
#include "ui/chart_layout.h"
#include "world/trade.h"
#include "support/books.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: jetvale_monkey [--seed N]... [--frames F] [--out DIR]\n"
    "  --seed N    one game per seed (default 1, 3 and 6, which reach every deep screen in 12000 frames)\n"
    "  --frames F  frames a game lasts at most (default 12000); Exit Game ends it sooner\n"
    "  --out DIR   where each game's replay goes, monkey-seed-N.txt, and where it is played, monkey-seed-N/\n"
    "              (kept when the game fails; default: the current folder)\n";

constexpr double kTapChance = 0.25;     // a frame with taps in it
constexpr double kAimedChance = 0.8;    // a tap into a button or choice of the window on screen
constexpr double kCloseChance = 0.15;   // an aimed tap that may close the window
constexpr double kRepeatChance = 0.3;   // an item aimed at is tapped again and again
constexpr int kMostRepeats = 40;
constexpr int kOkWeight = 4;            // "Ok" is aimed at as often as four other items
constexpr double kKeyChance = 0.006;    // a scroll key
constexpr double kShotChance = 0.0015;  // a screenshot
constexpr double kChartKeyChance = 0.0004;  // the history chart's key, opening or closing it
constexpr int kWindowsShown = kHistoryChartWindow + 1;  // the game's 20 windows and the chart
constexpr int kCheckEvery = 500;        // frames between checks of the fleet and the legs

struct Tally {
  std::int64_t frames = 0;
  std::int64_t taps = 0;
  std::int64_t burstTaps = 0;  // taps that shared their frame with another
  std::int64_t keys = 0;
  std::int64_t shots = 0;
  std::int64_t chartKeys = 0;
  bool exited = false;  // the player confirmed Exit Game, which ends the program
  std::bitset<kWindowsShown> windows;
  std::map<std::string, int> messages;  // what the status line said, and how often
};

// The hand: taps, keys and screenshots by chance. Most taps go somewhere inside a button or choice of the window
// the taps are tested against; "Ok" is a favourite, and a player's habit of tapping one arrow many times over
// keeps some taps on the same arrow or sign for a while. The buttons that close a window are mostly passed over,
// so the monkey stays in a dialog long enough to finish what it does there, and the exit confirmation's "Yes" is
// left alone, since the program ends at the next tap.
class Monkey {
 public:
  explicit Monkey(std::uint32_t seed) : random_(seed) {}

  // Before a frame: what the player does in it, added to `taken` as the game's recording will keep it.
  void Act(GameObject& game, Tally& tally, std::vector<ReplayStep>& taken) {
    const std::int64_t next = game.FramesRun() + 1;
    if (Chance() < kShotChance) {
      game.RequestScreenshot();
      if (next > 1) taken.push_back({next - 1, ReplayAction::Screenshot, 0, 0});  // the picture the frame before left
      ++tally.shots;
    }
    if (Chance() < kKeyChance) {
      const int direction = 1 + static_cast<int>(random_() % 4);
      game.ScrollKey(direction);
      taken.push_back({next, ReplayAction::Scroll, direction, 0});
      ++tally.keys;
    }
    if (Chance() < kChartKeyChance) {
      game.ChartKey();
      taken.push_back({next, ReplayAction::ChartKey, 0, 0});
      ++tally.chartKeys;
    }
    if (Chance() >= kTapChance) return;
    const int taps = 1 + (Chance() < 0.25 ? 1 : 0) + (Chance() < 0.1 ? 1 : 0);
    for (int t = 0; t < taps; ++t) {
      if (Chance() < kAimedChance) {
        AimedTap(game, next, taken);
      } else {
        TapAt(game, static_cast<int>(random_() % 320), static_cast<int>(random_() % 240), next, taken);
      }
    }
    tally.taps += taps;
    tally.burstTaps += taps > 1 ? taps : 0;
  }

 private:
  double Chance() { return std::uniform_real_distribution<double>(0, 1)(random_); }

  // A tap at a landscape point, as the stylus reports it.
  static void TapAt(GameObject& game, int x, int y, std::int64_t frame, std::vector<ReplayStep>& taken) {
    x = std::clamp(x, 0, kScreenWidth - 1);
    y = std::clamp(y, 0, kScreenHeight - 1);
    game.Tap(y, kScreenWidth - x);
    taken.push_back({frame, ReplayAction::Tap, x, y});
  }

  void AimedTap(GameObject& game, std::int64_t frame, std::vector<ReplayStep>& taken) {
    const Ui& ui = game.Interface();
    const GameWindow& w = ui.windows[ui.currentWindow];
    if (repeats_ <= 0 || window_ != ui.currentWindow || item_ >= w.itemCount) {
      const bool mayClose = Chance() < kCloseChance;
      std::vector<int> targets;
      for (int i = 0; i < w.itemCount; ++i) {
        const WindowItem& item = w.Item(i);
        const bool exits = ui.currentWindow == kExitConfirmWindow && item.command != kCommandClose;
        const bool closes = item.command == kCommandClose && !mayClose;
        if ((item.kind == kButton || item.kind == kChoice) && !exits && !closes) {
          targets.insert(targets.end(), item.text == "Ok" ? kOkWeight : 1, i);
        }
      }
      if (targets.empty()) {
        return TapAt(game, static_cast<int>(random_() % 320), static_cast<int>(random_() % 240), frame, taken);
      }
      window_ = ui.currentWindow;
      item_ = targets[random_() % targets.size()];
      const bool arrow = w.Item(item_).text.find_first_not_of("<->+") == std::string::npos;
      repeats_ = arrow && Chance() < kRepeatChance ? 1 + static_cast<int>(random_() % kMostRepeats) : 1;
    }
    repeats_ -= 1;
    const WindowItem& item = w.Item(item_);
    TapAt(game, w.x + item.x + static_cast<int>(random_() % static_cast<unsigned>(item.width + 1)),
          w.y + item.y + static_cast<int>(random_() % static_cast<unsigned>(item.height + 1)), frame, taken);
  }

  std::mt19937 random_;
  int window_ = 0;  // the item aimed at last, and how many more taps it gets
  int item_ = 0;
  int repeats_ = 0;
};

// The fleet list's order holds exactly the player's planes in use, each once.
std::string FleetFault(const Ui& ui) {
  const Airline& player = ui.game.world.Player();
  const PlanesScreenState& s = ui.planes;
  std::bitset<kPlaneSlots> listed;
  for (int i = 0; i < s.fleetCount && i < kPlaneSlots; ++i) {
    const int slot = s.fleetOrder[static_cast<std::size_t>(i)];
    if (slot < 0 || slot >= kPlaneSlots || listed[static_cast<std::size_t>(slot)]) {
      return "the fleet order holds slot " + std::to_string(slot) + " twice or beyond the slots";
    }
    if (player.planes[static_cast<std::size_t>(slot)].inUse != 1) return "the fleet order lists a plane not in use";
    listed.set(static_cast<std::size_t>(slot));
  }
  int inUse = 0;
  for (const Plane& plane : player.planes) inUse += plane.inUse;
  if (s.fleetCount != inUse || player.planeCount != inUse) {
    return "the fleet order has " + std::to_string(s.fleetCount) + " planes, the airline counts " +
           std::to_string(player.planeCount) + " and " + std::to_string(inUse) + " are in use";
  }
  return "";
}

// Every leg of a plane in use: airports 1..52, a departure within two days and a flight within one, gates 0..19.
std::string LegFault(const World& world) {
  const auto gate = [](int number) { return number >= 0 && number < kGatesPerAirport; };
  for (const Airline& airline : world.airlines) {
    for (const Plane& plane : airline.planes) {
      if (plane.inUse != 1) continue;
      if (plane.legCount < 0 || plane.legCount > 3 || plane.currentLeg < 0 || plane.currentLeg >= kLegSlots) {
        return "airline " + std::to_string(airline.index) + "'s plane " + plane.tag + " has " +
               std::to_string(plane.legCount) + " legs and is on leg " + std::to_string(plane.currentLeg);
      }
      for (int k = 0; k < plane.legCount; ++k) {
        const Flight& leg = plane.legs[static_cast<std::size_t>(k)];
        const bool holds = (leg.departureHold.slotCount == 0 || (IsValidAirportId(leg.departureHold.airport) &&
                                                                 gate(leg.departureHold.gate))) &&
                           (leg.arrivalHold.slotCount == 0 ||
                            (IsValidAirportId(leg.arrivalHold.airport) && gate(leg.arrivalHold.gate)));
        if (!IsValidAirportId(leg.origin) || !IsValidAirportId(leg.destination) || leg.departure < 0 ||
            leg.departure >= 2 * kQuarterSlotsPerDay || leg.arrival <= leg.departure ||
            leg.arrival > leg.departure + kQuarterSlotsPerDay || !gate(leg.departureGate) ||
            !gate(leg.arrivalGate) || !holds) {
          return "airline " + std::to_string(airline.index) + "'s plane " + plane.tag + " leg " + std::to_string(k) +
                 ": airports " + std::to_string(leg.origin) + "-" + std::to_string(leg.destination) + ", slots " +
                 std::to_string(leg.departure) + "-" + std::to_string(leg.arrival) + ", gates " +
                 std::to_string(leg.departureGate) + "/" + std::to_string(leg.arrivalGate);
        }
      }
    }
  }
  return "";
}

// Follows every airline from frame to frame: its balance moves by what its overall ledger booked plus what it
// borrowed, within the truncations of the frame's trips, payments and purchases. Frames that replace the world
// (a new game, a load) and balances at the ends of their range are not compared.
class BooksWatch {
 public:
  std::string Check(const Ui& ui) {
    const World& world = ui.game.world;
    const bool loaded = ui.status.text == "Game Loaded" && ui.status.countdown == kMessageFrames;
    std::string fault;
    for (const Airline& airline : world.airlines) {
      Seen& before = seen_[static_cast<std::size_t>(airline.index)];
      const Seen now = Look(airline);
      if (watching_ && !loaded && !Pristine(world) && fault.empty() && !Saturated(before.balance) &&
          !Saturated(now.balance)) {
        fault = Compare(airline.index, before, now);
      }
      before = now;
    }
    watching_ = true;
    return fault;
  }

 private:
  struct Seen {
    std::int32_t balance = 0;
    double net = 0;
    std::int64_t trips = 0;
    std::array<Loan, kLoanSlots> loans{};
    std::bitset<kPlaneSlots> inUse;
  };

  static Seen Look(const Airline& airline) {
    Seen seen{airline.balance, Net(airline.overall), 0, airline.loans, {}};
    for (std::size_t slot = 0; slot < airline.planes.size(); ++slot) {
      seen.inUse[slot] = airline.planes[slot].inUse == 1;
      for (const Flight& leg : airline.planes[slot].legs) seen.trips += leg.timesFlown;
    }
    return seen;
  }
  // As a new game leaves it: nobody has bought, borrowed or booked anything yet.
  static bool Pristine(const World& world) {
    for (const Airline& airline : world.airlines) {
      if (airline.balance != kStartingBalance || airline.planeCount != 0 || airline.loanCount != 0) return false;
      for (const double value : airline.overall.values) {
        if (value != 0) return false;
      }
    }
    return true;
  }
  static bool Saturated(std::int32_t balance) {
    return balance == std::numeric_limits<std::int32_t>::max() || balance == std::numeric_limits<std::int32_t>::min();
  }
  static std::string Compare(int airline, const Seen& before, const Seen& now) {
    double borrowed = 0;
    int payments = 0;
    for (std::size_t slot = 0; slot < now.loans.size(); ++slot) {
      const Loan& was = before.loans[slot];
      const Loan& is = now.loans[slot];
      const bool taken = is.inUse == 1 && (was.inUse != 1 || was.amount != is.amount || is.monthsLeft > was.monthsLeft);
      borrowed += taken ? is.amount : 0;
      payments += was.inUse == 1 && (is.inUse != 1 || is.monthsLeft < was.monthsLeft) ? 1 : 0;
    }
    const double purchases = static_cast<double>((now.inUse & ~before.inUse).count());
    const double trips = static_cast<double>(std::max<std::int64_t>(0, now.trips - before.trips));
    const double moved = static_cast<double>(now.balance) - before.balance;
    const double booked = now.net - before.net + borrowed;
    if (std::abs(moved - booked) <= BooksTolerance(trips, payments, purchases)) return "";
    char text[160];
    std::snprintf(text, sizeof text, "airline %d's balance moved by %.0f, its books and loans by %.2f", airline, moved,
                  booked);
    return text;
  }

  std::array<Seen, kAirlineCount> seen_{};
  bool watching_ = false;
};

// Saves `game` and loads what it saved into `loaded`.
std::string RoundTripFault(const GameState& game, const std::string& path, GameState& loaded) {
  if (!SaveGameTo(path, game)) return "the game does not save";
  if (!LoadGameFrom(path, loaded)) return "the game it saved does not load";
  return "";
}

std::string SummaryFault(const GameState& expected, const GameState& got, const char* what) {
  std::string want;
  std::string back;
  std::string error;
  if (!GameSummary(expected, want, error) || !GameSummary(got, back, error)) return error;
  return want == back ? "" : std::string(what) + ":\n" + want + "---\n" + back;
}

// The game saves, and what it saved loads into the same game. Loading schedules every leg again, so a leg
// whose airline sold the gate it flies from buys a free gate there, as scheduling would: the loaded game is
// the saved one with those gates bought. What the load gives then saves and loads unchanged.
std::string SaveLoadFault(const GameState& game, const fs::path& folder) {
  const std::string path = (folder / "check.txt").string();
  GameState once(game.seed);
  GameState twice(game.seed);
  for (const std::string& fault : {RoundTripFault(game, path, once), RoundTripFault(once, path, twice)}) {
    if (!fault.empty()) return fault;
  }
  GameState expected = game;
  for (int id = 1; id <= kAirportCount; ++id) {
    for (int number = 0; number < kGatesPerAirport; ++number) {
      Gate& gate = expected.world.AirportById(id).gates[static_cast<std::size_t>(number)];
      const int owner = once.world.AirportById(id).gates[static_cast<std::size_t>(number)].owner;
      if (gate.owner == kNoGateOwner && owner != kNoGateOwner) {
        BuyGate(gate, expected.world.airlines[static_cast<std::size_t>(owner)]);
      }
    }
  }
  for (const std::string& fault : {SummaryFault(expected, once, "the loaded game differs from the saved one"),
                                   SummaryFault(once, twice, "a loaded game saved and loaded again differs")}) {
    if (!fault.empty()) return fault;
  }
  return "";
}

std::string GameFault(GameObject& game, const fs::path& folder) {
  for (const std::string& fault :
       {FleetFault(game.Interface()), LegFault(game.Game().world), SaveLoadFault(game.Game(), folder)}) {
    if (!fault.empty()) return fault;
  }
  return "";
}

fs::path FreshFolder(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder / "shots");
  return folder;
}

// The saved game that lies on disk when the monkey starts, so "Load Game" brings planes that are routed and
// flying, whose trips "Route" and "Ok" can schedule again.
bool SaveFlyingGame(std::uint32_t seed, const std::string& path, std::string& error) {
  SimOptions options;
  GameState game(seed);
  if (!ParseSimOptions({"--plane", "3*B 757-200:ATL@0600-ORD@1000-DFW@1600", "--plane", "2*A320:BOS@1800-JFK@2330"},
                       options, error) ||
      !StartSimulation(options, game, error)) {
    return false;
  }
  RunDays(game, 3);
  if (SaveGameTo(path, game)) return true;
  error = "cannot save the starting game to " + path;
  return false;
}

// The replay of a game as it goes: the game's recording at the start for `frames` frames (the tick count stays
// the same all game, so it is known in advance), then each frame's steps as the monkey takes them, flushed before
// the frame runs. A game that crashes the program leaves a replay that crashes it again.
class ReplayAsItGoes {
 public:
  ReplayAsItGoes(const std::string& path, const GameObject& game, std::int64_t frames)
      : file_(std::fopen(path.c_str(), "wb")) {
    Replay start = game.Recording();
    start.frames = frames;
    Write(FormatReplay(start));
  }
  ~ReplayAsItGoes() {
    if (file_ != nullptr) std::fclose(file_);
  }
  ReplayAsItGoes(const ReplayAsItGoes&) = delete;
  ReplayAsItGoes& operator=(const ReplayAsItGoes&) = delete;

  bool Open() const { return file_ != nullptr; }
  void Add(const std::vector<ReplayStep>& taken, std::size_t from) {
    Replay steps;
    steps.steps.assign(taken.begin() + static_cast<std::ptrdiff_t>(from), taken.end());
    const std::string text = FormatReplay(steps);
    Write(text.substr(text.find("\nsteps\n") + 7));
  }

 private:
  void Write(const std::string& text) {
    std::fputs(text.c_str(), file_);
    std::fflush(file_);
  }
  std::FILE* file_;
};

// One game of `seed`, played in `folder` (its saves, screenshots and replayed saves) and recorded, its replay
// written to `replayPath` and played again. Empty, or what went wrong; the folder is removed when all is well.
std::string PlayGame(std::uint32_t seed, std::int64_t frames, const fs::path& folderPath, const std::string& replayPath,
                     Tally& tally) {
  const std::string assets = FindAssetDirectory();
  const fs::path folder = FreshFolder(folderPath);
  fs::current_path(folder);  // where the screenshots go
  if (std::string error; !SaveFlyingGame(seed, SaveFilePath((folder / "saves").string()), error)) return error;
  VirtualHost machine(seed);
  HeadlessSink sink;
  GameObject game(machine, assets, (folder / "saves").string());
  if (!game.OpenDisplay(sink)) return game.StartupError();
  Monkey monkey(seed);
  BooksWatch books;
  std::vector<ReplayStep> taken;
  std::string fault;
  {
    ReplayAsItGoes replay(replayPath, game, frames);
    if (!replay.Open()) return "cannot write " + replayPath;
    while (game.FramesRun() < frames && game.ExitRequested() == 0 && fault.empty()) {
      const std::size_t before = taken.size();
      monkey.Act(game, tally, taken);
      replay.Add(taken, before);
      game.RunFrame();
      const Ui& ui = game.Interface();
      tally.windows.set(static_cast<std::size_t>(ui.currentWindow));
      if (ui.status.countdown == kMessageFrames) tally.messages[ui.status.text] += 1;
      fault = books.Check(ui);
      if (fault.empty() && game.FramesRun() % kCheckEvery == 0) fault = FleetFault(ui) + LegFault(ui.game.world);
    }
  }
  tally.frames += game.FramesRun();
  tally.exited = game.ExitRequested() == 1;
  // The replay as the game recorded it, which ends where the game ended.
  Replay replay = game.Recording();
  replay.frames = game.FramesRun();
  if (!WriteFileSafely(replayPath, FormatReplay(replay))) return "cannot write " + replayPath;
  if (!fault.empty()) return "frame " + std::to_string(game.FramesRun()) + ": " + fault;
  Replay monkeys;
  monkeys.steps = taken;
  Replay games;
  games.steps = replay.steps;
  if (FormatReplay(monkeys) != FormatReplay(games)) return "the game recorded other steps than the monkey took";
  if (fault = GameFault(game, folder); !fault.empty()) return "after the game: " + fault;

  ReplayRun run(replay, assets, (folder / "replayed").string());
  std::vector<std::string> pictures;
  std::string error;
  if (!run.Play({}, (folder / "shots").string(), pictures, error)) return "the replay does not play: " + error;
  std::string played;
  std::string replayed;
  if (!GameSummary(game.Game(), played, error) || !GameSummary(run.Game().Game(), replayed, error)) return error;
  if (played != replayed) return "the replay ends in another game:\n" + replayed + "--- played ---\n" + played;
  if (fault = GameFault(run.Game(), folder); !fault.empty()) return "after the replay: " + fault;
  fs::current_path(folder.parent_path());
  fs::remove_all(folder);
  return "";
}

void Report(std::uint32_t seed, const Tally& tally) {
  std::printf("seed %u: %lld frames%s, %lld taps (%lld in bursts of two or three), %lld scroll keys, %lld shots, "
              "%lld chart keys, %zu of %d windows shown",
              seed, static_cast<long long>(tally.frames), tally.exited ? " (then Exit Game)" : "",
              static_cast<long long>(tally.taps),
              static_cast<long long>(tally.burstTaps), static_cast<long long>(tally.keys),
              static_cast<long long>(tally.shots), static_cast<long long>(tally.chartKeys), tally.windows.count(),
              kWindowsShown);
  for (int w = 0; w < kWindowsShown; ++w) {
    if (!tally.windows[static_cast<std::size_t>(w)]) std::printf(", not window %d", w);
  }
  std::printf("\n ");
  for (const auto& [message, count] : tally.messages) std::printf(" \"%s\" %d,", message.c_str(), count);
  std::printf("\n");
  std::fflush(stdout);
}

}  // namespace
}  // namespace jetvale

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<std::uint32_t> seeds;
  std::int64_t frames = 12000;
  fs::path out = fs::current_path();
  for (int i = 1; i < argc; i += 2) {
    const std::string_view option = argv[i];
    const bool known = option == "--seed" || option == "--frames" || option == "--out";
    std::uint32_t seed = 0;
    if (!known || i + 1 == argc || (option == "--seed" && !jetvale::ParseNumber(argv[i + 1], seed)) ||
        (option == "--frames" && (!jetvale::ParseNumber(argv[i + 1], frames) || frames < 1))) {
      std::fputs(jetvale::kUsage, stderr);
      return 2;
    }
    if (option == "--seed") seeds.push_back(seed);
    if (option == "--out") out = fs::absolute(argv[i + 1]);
  }
  if (seeds.empty()) seeds = {1, 3, 6};
  fs::create_directories(out);
  int faults = 0;
  jetvale::Tally total;
  for (const std::uint32_t seed : seeds) {
    const fs::path game = out / ("monkey-seed-" + std::to_string(seed));
    const std::string replay = game.string() + ".txt";
    std::printf("seed %u: playing %lld frames; the replay goes to %s\n", seed, static_cast<long long>(frames),
                replay.c_str());
    std::fflush(stdout);
    jetvale::Tally tally;
    const std::string fault = jetvale::PlayGame(seed, frames, game, replay, tally);
    jetvale::Report(seed, tally);
    if (!fault.empty()) {
      std::printf("seed %u FAILED: %s\n  again: jetvale-sim --replay %s\n", seed, fault.c_str(), replay.c_str());
      ++faults;
    }
    total.frames += tally.frames;
    total.taps += tally.taps;
  }
  std::printf("%zu games, %lld frames, %lld taps: %s\n", seeds.size(), static_cast<long long>(total.frames),
              static_cast<long long>(total.taps), faults == 0 ? "all sound" : "FAULTS FOUND");
  return faults == 0 ? 0 : 1;
}
