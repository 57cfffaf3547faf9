// The 20 windows of the game, their indexes and the items that handlers address by name.
#pragma once

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
constexpr int kBuiltWindowCount = 20;

// Toolbar hotspots.
constexpr int kPadUpItem = 4;
constexpr int kPadLeftItem = 5;
constexpr int kPadRightItem = 6;
constexpr int kPadDownItem = 7;
constexpr int kPadCentreItem = 8;

// The "New Game Menu" choices, in the order of the airline identities.
constexpr int kFirstAirlineChoiceItem = 1;
constexpr int kAirlineChoiceStep = 2;

// The speed text of "Options".
constexpr int kSpeedTextItem = 3;

// Builds windows 0..19 into an empty table, in index order.
void BuildWindows(WindowTable& table);

}  // namespace jetvale
