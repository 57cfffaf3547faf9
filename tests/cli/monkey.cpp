// jetvale_monkey: a player with no plan. Taps fall all over the screen, now and then two or three in one frame,
// with scroll keys, the keys of the history chart, the saved games and fast-forward, and screenshots between them;
// most taps aim at a button or choice of the window on screen, so the games reach buying, routing, loans, gates,
// saving and loading. Each game is recorded, written as a replay and played again (a seed that crashes crashes
// again). Frame by frame the balances must follow the books; the fleet order and every leg must hold; the replay
// must end in the same game; and the game, saved and loaded at frames drawn at random and after the game, must come
// back as the same game, which after the game plays on for 60 days as the game itself does.
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <random>

#include "cli/parse_number.h"
#include "cli/replay_run.h"
#include "cli/simulation_run.h"
#include "gfx/asset_directory.h"
#include "save/save_file.h"
#include "support/books.h"
#include "save/history_file.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

// One game a seed (default 1, 3 and 6, which reach the deep screens in 12000 frames), of F frames at most (Exit
// Game ends it sooner); its replay goes to DIR/monkey-seed-N.txt, and it is played in DIR/monkey-seed-N/, which
// is kept when the game fails.
constexpr const char* kUsage = "usage: jetvale_monkey [--seed N]... [--frames F (12000)] [--out DIR (.)]\n";
constexpr int kCheckEvery = 500;  // frames between checks of the fleet and the legs, and on average between saves
constexpr int kDaysPlayedOn = 60;  // after the game, by the game and by the game saved and loaded

// The hand. "Ok" is aimed at as often as four other items; an arrow or sign aimed at may be tapped up to 40 times
// over; the buttons that close a window are mostly passed over, so the monkey finishes what it does in a dialog,
// and the exit confirmation's "Yes" is left alone (the program ends at the next tap).
class Monkey {
 public:
  explicit Monkey(std::uint32_t seed) : random_(seed) {}

  // Before a frame: what the player does in it.
  void Act(GameObject& game) {
    if (Chance() < 0.0015) game.RequestScreenshot();
    if (Chance() < 0.006) game.ScrollKey(1 + static_cast<int>(random_() % 4));
    if (Chance() < 0.0004) game.ChartKey();
    if (Chance() < 0.0004) game.SavedGamesKey();
    if (Chance() < 0.0004) game.FastForwardKey();
    if (Chance() >= 0.25) return;
    const int taps = 1 + (Chance() < 0.25 ? 1 : 0) + (Chance() < 0.1 ? 1 : 0);
    for (int t = 0; t < taps; ++t) Chance() < 0.8 ? AimedTap(game) : AnyTap(game);
  }

 private:
  double Chance() { return std::uniform_real_distribution<double>(0, 1)(random_); }

  static void TapAt(GameObject& game, int x, int y) {
    game.Tap(std::clamp(y, 0, kScreenHeight - 1), kScreenWidth - std::clamp(x, 0, kScreenWidth - 1));  // as the stylus
  }
  void AnyTap(GameObject& game) { TapAt(game, static_cast<int>(random_() % 320), static_cast<int>(random_() % 240)); }

  void AimedTap(GameObject& game) {
    const Ui& ui = game.Interface();
    const GameWindow& w = ui.windows[ui.currentWindow];
    if (repeats_ <= 0 || window_ != ui.currentWindow || item_ >= w.itemCount) {
      const bool mayClose = Chance() < 0.15;
      std::vector<int> targets;
      for (int i = 0; i < w.itemCount; ++i) {
        const WindowItem& item = w.Item(i);
        const bool exits = ui.currentWindow == kExitConfirmWindow && item.command != kCommandClose;
        const bool closes = item.command == kCommandClose && !mayClose;
        if ((item.kind == kButton || item.kind == kChoice) && !exits && !closes) {
          targets.insert(targets.end(), item.text == "Ok" ? 4 : 1, i);
        }
      }
      if (targets.empty()) return AnyTap(game);
      window_ = ui.currentWindow;
      item_ = targets[random_() % targets.size()];
      const bool arrow = w.Item(item_).text.find_first_not_of("<->+") == std::string::npos;
      repeats_ = arrow && Chance() < 0.3 ? 1 + static_cast<int>(random_() % 40) : 1;
    }
    repeats_ -= 1;
    const WindowItem& item = w.Item(item_);
    TapAt(game, w.x + item.x + static_cast<int>(random_() % static_cast<unsigned>(item.width + 1)),
          w.y + item.y + static_cast<int>(random_() % static_cast<unsigned>(item.height + 1)));
  }

  std::mt19937 random_;
  int window_ = 0;  // the item aimed at last, and how many more taps it gets
  int item_ = 0;
  int repeats_ = 0;
};

// The fleet list's order holds exactly the player's planes in use, each once; every leg of a plane in use arrives
// after it leaves, within a day, and any gate it holds is one of the 20 of an airport. (The saved game checks the
// rest of a leg when the game is saved and loaded.)
std::string FleetAndLegFault(const Ui& ui) {
  const Airline& player = ui.game.world.Player();
  std::bitset<kPlaneSlots> listed;
  for (int i = 0; i < std::min(ui.planes.fleetCount, kPlaneSlots); ++i) {
    const int slot = ui.planes.fleetOrder[static_cast<std::size_t>(i)];
    if (slot < 0 || slot >= kPlaneSlots || listed[static_cast<std::size_t>(slot)] ||
        !player.planes[static_cast<std::size_t>(slot)].inUse) {
      return "the fleet order lists slot " + std::to_string(slot) + " twice, beyond the slots or not in use";
    }
    listed.set(static_cast<std::size_t>(slot));
  }
  const auto inUse =
      std::count_if(player.planes.begin(), player.planes.end(), [](const Plane& p) { return p.inUse; });
  if (ui.planes.fleetCount != inUse || player.planeCount != inUse) {
    return "the fleet order has " + std::to_string(ui.planes.fleetCount) + " planes, the airline counts " +
           std::to_string(player.planeCount);
  }
  const auto hold = [](const GateHold& h) {
    return h.slotCount == 0 || (IsValidAirportId(h.airport) && h.gate >= 0 && h.gate < kGatesPerAirport);
  };
  for (const Airline& airline : ui.game.world.airlines) {
    for (const Plane& plane : airline.planes) {
      for (int k = 0; plane.inUse && k < std::min(plane.legCount, kLegSlots); ++k) {
        const Flight& leg = plane.legs[static_cast<std::size_t>(k)];
        if (leg.arrival <= leg.departure || leg.arrival > leg.departure + kQuarterSlotsPerDay ||
            !hold(leg.departureHold) || !hold(leg.arrivalHold)) {
          return "airline " + std::to_string(airline.index) + "'s plane " + plane.tag + " leg " + std::to_string(k) +
                 ": slots " + std::to_string(leg.departure) + "-" + std::to_string(leg.arrival);
        }
      }
    }
  }
  return "";
}

// Follows every airline from frame to frame: its balance moves by what its overall ledger booked plus what it
// borrowed, within the truncations of the frame's trips, payments and purchases. A frame that loads a game, a
// world as a new game leaves it and balances at the ends of their range are not compared.
class BooksWatch {
 public:
  std::string Check(const Ui& ui) {
    const World& world = ui.game.world;
    const bool loaded = ui.status.text == "Game Loaded" && ui.status.countdown == kMessageFrames;
    const bool pristine = std::all_of(world.airlines.begin(), world.airlines.end(), [](const Airline& a) {
      return a.balance == kStartingBalance && a.planeCount == 0 && a.loanCount == 0 &&
             std::all_of(a.overall.values.begin(), a.overall.values.end(), [](double v) { return v == 0; });
    });
    const auto saturated = [](std::int32_t balance) {
      return balance == std::numeric_limits<std::int32_t>::max() || balance == std::numeric_limits<std::int32_t>::min();
    };
    std::string fault;
    for (const Airline& airline : world.airlines) {
      Seen& was = seen_[static_cast<std::size_t>(airline.index)];
      Seen now{airline.balance, Net(airline.overall), 0, airline.loans, {}};
      for (std::size_t slot = 0; slot < airline.planes.size(); ++slot) {
        now.inUse[slot] = airline.planes[slot].inUse;
        for (const Flight& leg : airline.planes[slot].legs) now.trips += leg.timesFlown;
      }
      double borrowed = 0;
      int payments = 0;
      for (std::size_t slot = 0; slot < now.loans.size(); ++slot) {
        const Loan& before = was.loans[slot];
        const Loan& is = now.loans[slot];
        const bool taken = is.inUse && (!before.inUse || before.amount != is.amount || is.monthsLeft > before.monthsLeft);
        borrowed += taken ? is.amount : 0;
        payments += before.inUse && (!is.inUse || is.monthsLeft < before.monthsLeft) ? 1 : 0;
      }
      const double moved = static_cast<double>(now.balance) - was.balance;
      const double booked = now.net - was.net + borrowed;
      const double bound = BooksTolerance(static_cast<double>(std::max<std::int64_t>(0, now.trips - was.trips)),
                                          payments, static_cast<double>((now.inUse & ~was.inUse).count()));
      if (watching_ && !loaded && !pristine && fault.empty() && !saturated(was.balance) &&
          !saturated(now.balance) && std::abs(moved - booked) > bound) {
        char text[160];
        std::snprintf(text, sizeof text, "airline %d's balance moved by %.0f, its books and loans by %.2f",
                      airline.index, moved, booked);
        fault = text;
      }
      was = now;
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
  std::array<Seen, kAirlineCount> seen_{};
  bool watching_ = false;
};

// Empty when both games print the same summary, else `what` and the two.
std::string Differ(const GameState& expected, const GameState& got, const std::string& what) {
  const std::string want = GameSummary(expected);
  const std::string back = GameSummary(got);
  return want == back ? "" : what + ":\n" + want + "---\n" + back;
}

// The game saves and loads into the same game, which saves the same two files again and, played on for `daysOn`
// days beside the game itself, still does.
std::string SaveLoadFault(const GameState& game, const fs::path& folder, int daysOn) {
  const std::string path = (folder / "check.txt").string();
  const std::string again = (folder / "again.txt").string();
  const auto files = [](const std::string& at) {
    std::string text;
    std::string history;
    ReadWholeFile(at, text);
    ReadWholeFile(HistoryFilePath(at), history, kMaxHistoryFileBytes);
    return text + history;
  };
  GameState straight = game;
  GameState loaded(game.seed + 1);  // another run's seed: the side file names the one the world was drawn from
  if (!SaveGameTo(path, straight) || !LoadGameFrom(path, loaded) || !SaveGameTo(again, loaded)) {
    return "the game does not save and load";
  }
  if (files(again) != files(path)) return Differ(straight, loaded, "the loaded game saves another game");
  loaded.clock.running = straight.clock.running;
  RunDays(straight, daysOn);
  RunDays(loaded, daysOn);
  if (!SaveGameTo(path, straight) || !SaveGameTo(again, loaded)) return "the games played on do not save";
  return files(again) == files(path) ? "" : Differ(straight, loaded, "the loaded game plays on as another game");
}

std::string GameFault(GameObject& played, const fs::path& folder) {
  if (std::string fault = FleetAndLegFault(played.Interface()); !fault.empty()) return fault;
  return SaveLoadFault(played.Game(), folder, kDaysPlayedOn);
}

// The saved game that lies on disk when the monkey starts, so "Load Game" brings planes routed and flying.
std::string SaveFlyingGame(std::uint32_t seed, const std::string& path) {
  SimOptions options;
  GameState game(seed);
  std::string error;
  if (!ParseSimOptions({"--plane", "3*B 757-200:ATL@0600-ORD@1000-DFW@1600", "--plane", "2*A320:BOS@1800-JFK@2330"},
                       options, error) ||
      !StartSimulation(options, game, error)) {
    return error;
  }
  RunDays(game, 3);
  return SaveGameTo(path, game) ? "" : "cannot save the starting game to " + path;
}

// One game of `seed`, played in `folder` (its saves, screenshots and replayed saves) and recorded, its replay
// written to `replayPath` and played again. Empty, or what went wrong; the folder is removed when all is well.
std::string PlayGame(std::uint32_t seed, std::int64_t frames, const fs::path& folder, const std::string& replayPath) {
  const std::string assets = FindAssetDirectory();
  fs::remove_all(folder);
  for (const char* made : {"shots", "saves", "replayed"}) fs::create_directories(folder / made);  // saves make none
  fs::current_path(folder);  // where the screenshots go
  if (std::string error = SaveFlyingGame(seed, SaveFilePath((folder / "saves").string())); !error.empty()) {
    return error;
  }
  VirtualHost machine(seed);
  HeadlessSink sink;
  GameObject game(machine, assets, (folder / "saves").string());
  if (!game.OpenDisplay(sink)) return game.StartupError();
  Monkey monkey(seed);
  BooksWatch books;
  std::string fault;
  std::bitset<kBuiltWindowCount> windows;
  // Saves and loads at frames drawn apart from the hand's, so at any tick of any day.
  std::mt19937 saves(seed);
  std::int64_t nextSave = saves() % kCheckEvery;
  while (game.FramesRun() < frames && !game.ExitRequested() && fault.empty()) {
    monkey.Act(game);
    game.RunFrame();
    windows.set(static_cast<std::size_t>(game.Interface().currentWindow));
    fault = books.Check(game.Interface());
    if (fault.empty() && game.FramesRun() % kCheckEvery == 0) fault = FleetAndLegFault(game.Interface());
    if (fault.empty() && game.FramesRun() == nextSave) {
      fault = SaveLoadFault(game.Game(), folder, 0);
      nextSave += 1 + saves() % (2 * kCheckEvery);
    }
  }
  // The replay as the game recorded it, which ends where the game ended.
  Replay replay = game.Recording();
  replay.frames = game.FramesRun();
  std::printf("seed %u: %lld frames%s, %zu steps, %zu of %d windows shown\n", seed,
              static_cast<long long>(replay.frames), game.ExitRequested() ? " (then Exit Game)" : "",
              replay.steps.size(), windows.count(), kBuiltWindowCount);
  if (!WriteFileSafely(replayPath, FormatReplay(replay))) return "cannot write " + replayPath;
  if (!fault.empty()) return "frame " + std::to_string(game.FramesRun()) + ": " + fault;
  if (fault = GameFault(game, folder); !fault.empty()) return "after the game: " + fault;

  ReplayRun run(replay, assets, (folder / "replayed").string());
  std::vector<std::string> pictures;
  std::string error;
  if (!run.Play({}, (folder / "shots").string(), pictures, error)) return "the replay does not play: " + error;
  if (fault = Differ(game.Game(), run.Game().Game(), "the replay ends in another game"); !fault.empty()) return fault;
  if (fault = GameFault(run.Game(), folder); !fault.empty()) return "after the replay: " + fault;
  fs::current_path(folder.parent_path());
  fs::remove_all(folder);
  return "";
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
  for (const std::uint32_t seed : seeds) {
    const fs::path game = out / ("monkey-seed-" + std::to_string(seed));
    const std::string replay = game.string() + ".txt";
    const std::string fault = jetvale::PlayGame(seed, frames, game, replay);
    if (!fault.empty()) {
      std::printf("seed %u FAILED: %s\n  again: jetvale-sim --replay %s\n", seed, fault.c_str(), replay.c_str());
      ++faults;
    }
    std::fflush(stdout);
  }
  std::printf("%zu games: %s\n", seeds.size(), faults == 0 ? "all sound" : "FAULTS FOUND");
  return faults == 0 ? 0 : 1;
}
