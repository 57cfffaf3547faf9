// The game's windows: their indexes, and the builders that lay them out from the one table of window_layouts.cpp.
// Items are found by the names their rows carry (GameWindow::Named).
#pragma once

#include "ui/commands.h"
#include "ui/game_window.h"

namespace jetvale {

// Window indexes.
constexpr int kToolbarWindow = 0;
constexpr int kToolsMenuWindow = 1;
constexpr int kNewGameWindow = 2;
constexpr int kFinanceMenuWindow = 3;
constexpr int kPlanesMenuWindow = 4;
constexpr int kPassengersMenuWindow = 5;
constexpr int kPurchaseListWindow = 6;
constexpr int kSaveGameWindow = 7;
constexpr int kLoadGameWindow = 8;
constexpr int kExitConfirmWindow = 9;
constexpr int kFleetListWindow = 10;
constexpr int kStatementWindow = 11;
constexpr int kNewLoanWindow = 12;
constexpr int kPlaneEditWindow = 13;
constexpr int kPlaneDetailsWindow = 14;
constexpr int kGatesWindow = 15;
constexpr int kViewLoansWindow = 16;
constexpr int kOptionsWindow = 17;
constexpr int kOverviewWindow = 18;
constexpr int kClickToExitWindow = 19;
// The windows beyond the game's own 20, in the spare slots of the table.
constexpr int kHistoryChartWindow = 20;
constexpr int kSavedGamesWindow = 21;
constexpr int kConfirmSavedGameWindow = 22;
constexpr int kBuiltWindowCount = 23;

// Builds every window into an empty table, in index order. The two list windows start empty.
void BuildWindows(WindowTable& table);

// Refills list window `window` (the purchase or the fleet list): `rows` rows of its row template, one under the
// other, then its buttons, "Prev" only with `previousPage` and "Next" only with `nextPage`. Nothing is selected.
void BuildList(GameWindow& list, int window, int rows, bool previousPage, bool nextPage);

}  // namespace jetvale
