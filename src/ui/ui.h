// The user interface's state between frames: windows, the current command, the map view and the screen cursors.
// Only the game thread reads and writes it; the window thread reaches the game through the game object's inputs.
#pragma once

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "finance/loan_desk.h"
#include "gfx/gapi_surface.h"
#include "gfx/host.h"
#include "save/saved_games.h"
#include "sim/game_state.h"
#include "ui/game_window.h"
#include "ui/map_view.h"
#include "ui/status_message.h"
#include "ui/window_layouts.h"
#include "world/aircraft_types.h"

namespace jetvale {

// Game speeds: frames per clock tick.
constexpr int kSpeedFast = 1;
constexpr int kSpeedMedium = 6;
constexpr int kSpeedSlow = 12;
constexpr bool IsGameSpeed(int framesPerTick) {
  return framesPerTick == kSpeedFast || framesPerTick == kSpeedMedium || framesPerTick == kSpeedSlow;
}

constexpr int kMessageFrames = 200;  // how long the game's own messages stay on the status line

// The purchase list and the fleet list: their page starts, the plane being edited, and the fleet's display order.
struct PlanesScreenState {
  int purchaseListStart = 0;  // type index in the first row; a multiple of 8
  int fleetListStart = 0;     // index into the fleet order of the first row; a multiple of 8
  int editedPlane = 0;        // slot of the plane in the route editor
  // The player's planes in the order they joined the fleet: exactly the slots in use, each once.
  std::array<int, kPlaneSlots> fleetOrder{};
  int fleetCount = 0;
};

// The route editor's working copy. The trip, its fares and times are edited here and written to the plane by
// "Ok"; the seat split is the plane's own at every step, so "Cancel" keeps it.
struct ScheduleDraft {
  std::array<int, 3> percent{};                 // first, business, economy
  std::array<std::array<double, 3>, 3> fare{};  // by class, then leg
  int freePoints = 0;                           // what the plane's split leaves of 100, to give to a class
  std::array<int, 3> city{};                    // airport ids; 0 = empty
  int lastLeg = 0;                              // 0: no trip; 1: out and back; 2: three legs
  std::array<int, 3> departure{};               // quarter slots
  std::array<int, 3> arrival{};
};

// The statement's airline, the New Loan dialog's values and the loan shown in View Loans.
struct FinanceScreenState {
  int statementAirline = 0;
  int loanMillions = kLoanMillionsDefault;
  int loanMonths = kLoanMonthsDefault;
  int selectedLoan = kNoLoanSelected;
};

// The airport and gate shown on the gates screen and the airport of the overview.
struct AirportScreenState {
  int gateAirport = 1;
  int gate = 0;  // 0..19, shown as 1..20
  int overviewAirport = 1;
};

// The saved games as the list read them when it opened or last changed, and the operation waiting for "Yes".
struct SavedGamesScreenState {
  enum class Operation { Save, Load, Delete };
  std::array<SavedGameSummary, kSavedGamePlaces.size()> summaries;
  Operation operation = Operation::Load;
  std::size_t place = 0;  // of the operation, in kSavedGamePlaces
};

// The history chart's forecast: shown or not, and the months ahead as computed after the player's last action and
// the last month end.
struct ChartScreenState {
  bool forecast = false;
  std::vector<MonthRecord> ahead;
  std::uint64_t computedAfter = 0;  // the actions run when it was computed
  std::size_t monthsKnown = 0;      // the history's months then
};

// How much of the screens' state goes back to its start, from the least to the most.
enum class UiReset {
  Cursors,     // a window closed: the cursors and the editor's cities
  NewGame,     // and the lists, the working copy and the finance screens' values
  LoadedGame,  // and the map view; the fleet in slot order, the first loan selected, "Game Loaded" said
};

struct Ui {
  Ui(GameState& state, CGapiSurface& backBuffer);

  // Draws the window over this frame's picture and makes it the one the stylus is tested against.
  void Show(int window);
  // A status message of the game's own, replacing the last one.
  void Say(std::string text) { status.Set(std::move(text), kMessageFrames); }
  // The one place the screens' state goes back to its start.
  void Reset(UiReset what);

  GameState& game;
  CGapiSurface& screen;
  Host* host = nullptr;    // the machine; its tick count seeds a new game, and a load without its side state
  std::string saveFolder;  // where the saved game lies; the shell chooses it
  WindowTable windows;
  StatusMessage status;
  int command = kCommandToolsMenu;  // the program starts with the Tools menu open
  int currentWindow = kToolsMenuWindow;
  MapView map;
  int gameSpeed = kSpeedFast;
  int pendingGameSpeed = kSpeedFast;  // what "Options" shows until its "Ok"
  std::atomic<bool> exitRequested{false};  // read by the window thread: the next tap closes the program
  PlanesScreenState planes;
  ScheduleDraft draft;
  FinanceScreenState finance;
  AirportScreenState airports;
  SavedGamesScreenState savedGames;
  ChartScreenState chart;
  std::uint64_t actionsRun = 0;  // every action the dispatch has run: what the player may have changed
};

}  // namespace jetvale
