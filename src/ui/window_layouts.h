// The 20 windows of the game, their indexes and the items that handlers and tests address by name.
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
constexpr int kBuiltWindowCount = 20;

// The items that handlers and tests address, by window, in the order the layouts add them (an item's index is
// its place in its window). window_layouts.cpp checks each name against its row.

// The toolbar's four menu buttons and the scroll pad.
constexpr int kToolbarPlanesItem = 0;
constexpr int kToolbarFinanceItem = 1;
constexpr int kToolbarPassengersItem = 2;
constexpr int kToolbarToolsItem = 3;
constexpr int kPadUpItem = 4;
constexpr int kPadLeftItem = 5;
constexpr int kPadRightItem = 6;
constexpr int kPadDownItem = 7;
constexpr int kPadCentreItem = 8;

// The menus: each choice follows its "->" marker, then "Cancel" and "Ok".
constexpr int kToolsSaveGameItem = 1;
constexpr int kToolsNewGameItem = 3;
constexpr int kToolsLoadGameItem = 5;
constexpr int kToolsOptionsItem = 7;
constexpr int kToolsExitGameItem = 9;
constexpr int kToolsCancelItem = 10;
constexpr int kToolsOkItem = 11;
constexpr int kFirstAirlineChoiceItem = 1;  // "New Game Menu": the airlines in the order of their identities
constexpr int kAirlineChoiceStep = 2;
constexpr int kNewGameCancelItem = 8;
constexpr int kNewGameOkItem = 9;
constexpr int kFinanceStatementItem = 1;
constexpr int kFinanceViewLoansItem = 3;
constexpr int kFinanceNewLoanItem = 5;
constexpr int kFinanceCancelItem = 6;
constexpr int kFinanceOkItem = 7;
constexpr int kPlanesListItem = 1;
constexpr int kPlanesBuyItem = 3;
constexpr int kPlanesCancelItem = 4;
constexpr int kPlanesOkItem = 5;
constexpr int kPassengersOverviewItem = 1;
constexpr int kPassengersGatesItem = 3;
constexpr int kPassengersCancelItem = 4;
constexpr int kPassengersOkItem = 5;

// "Save Game", "Load Game" and "Exit Game": the question, "Yes", "No"; "Click to Exit" has only its "Ok".
constexpr int kConfirmYesItem = 1;
constexpr int kConfirmNoItem = 2;
constexpr int kClickToExitOkItem = 1;

// The purchase and fleet lists are built row by row: marker, choice, four values; the buttons follow the rows.
constexpr int kListItemsPerRow = 6;
constexpr int ListChoiceItem(int row) { return kListItemsPerRow * row + 1; }
constexpr int ListRowOfItem(int item) { return (item - 1) / kListItemsPerRow; }

// "Financial Statement": the heading, then each row's title and, in rows with values, three cells (year to
// date, previous year, overall); below them the buttons, the balance and the airline's name.
constexpr int kStatementFirstRowItem = 1;
constexpr int kStatementHeadingRow = 5;  // "Expenses" has no values
// The value in `column` (0 year to date, 1 previous year, 2 overall) of statement row `row` (0 "First" ..
// 12 "Profit", not the heading).
constexpr int StatementValueItem(int row, int column) {
  return kStatementFirstRowItem + 4 * row - (row > kStatementHeadingRow ? 3 : 0) + 1 + column;
}
constexpr int kStatementOkItem = 50;
constexpr int kStatementPreviousItem = 51;
constexpr int kStatementNextItem = 52;
constexpr int kStatementBalanceItem = 54;
constexpr int kStatementAirlineItem = 55;

// "New Loan".
constexpr int kNewLoanLessMoneyItem = 1;
constexpr int kNewLoanAmountItem = 2;
constexpr int kNewLoanMoreMoneyItem = 3;
constexpr int kNewLoanRateItem = 5;
constexpr int kNewLoanFewerMonthsItem = 7;
constexpr int kNewLoanMonthsItem = 8;
constexpr int kNewLoanMoreMonthsItem = 9;
constexpr int kNewLoanPaymentItem = 11;
constexpr int kNewLoanCancelItem = 12;
constexpr int kNewLoanOkItem = 13;

// "Plane Edit": two headings; three class rows ("<-", percent, "->", name, then per leg "-", fare, "+"); three
// city rows (name, "<<-", "<-", city, "->", "->>", miles); the final city row; three leg rows ("Dept Time",
// origin, "<-", departure, "->", "Arrival Time", destination, arrival); the plane's limits; "Cancel", "Ok".
constexpr int kEditFareHeaderItem = 1;
constexpr int kEditFirstClassRowItem = 2;
constexpr int kEditClassRowItems = 13;
constexpr int kEditPercentOffset = 1;
constexpr int kEditFareOffset = 5;
constexpr int kEditFirstCityRowItem = kEditFirstClassRowItem + 3 * kEditClassRowItems;
constexpr int kEditCityRowItems = 7;
constexpr int kEditCityOffset = 3;
constexpr int kEditMilesOffset = 6;
constexpr int kEditFinalCityItem = kEditFirstCityRowItem + 3 * kEditCityRowItems + 1;
constexpr int kEditFinalMilesItem = kEditFinalCityItem + 1;
constexpr int kEditFirstTimeRowItem = kEditFinalMilesItem + 1;
constexpr int kEditTimeRowItems = 8;
constexpr int kEditMaxPassItem = kEditFirstTimeRowItem + 3 * kEditTimeRowItems + 1;
constexpr int kEditMaxRangeItem = kEditMaxPassItem + 2;
constexpr int kEditCancelItem = kEditMaxRangeItem + 1;
constexpr int kEditOkItem = kEditCancelItem + 1;
// The controls within the rows.
constexpr int kEditPercentDownOffset = 0;
constexpr int kEditPercentUpOffset = 2;
constexpr int EditFareDownOffset(int leg) { return kEditFareOffset - 1 + 3 * leg; }
constexpr int EditFareUpOffset(int leg) { return kEditFareOffset + 1 + 3 * leg; }
constexpr int kEditCityFiveBackOffset = 1;
constexpr int kEditCityBackOffset = 2;
constexpr int kEditCityForwardOffset = 4;
constexpr int kEditCityFiveOnOffset = 5;
constexpr int kEditLegOriginOffset = 1;
constexpr int kEditEarlierOffset = 2;
constexpr int kEditDepartureOffset = 3;
constexpr int kEditLaterOffset = 4;
constexpr int kEditLegDestinationOffset = 6;
constexpr int kEditArrivalOffset = 7;
constexpr int EditClassItem(int cls, int offset) { return kEditFirstClassRowItem + cls * kEditClassRowItems + offset; }
constexpr int EditCityItem(int row, int offset) { return kEditFirstCityRowItem + row * kEditCityRowItems + offset; }
constexpr int EditTimeItem(int leg, int offset) { return kEditFirstTimeRowItem + leg * kEditTimeRowItems + offset; }
// Leg k's miles stand in the row of the city it flies to.
constexpr int EditLegMilesItem(int leg) {
  return leg < 2 ? kEditFirstCityRowItem + (leg + 1) * kEditCityRowItems + kEditMilesOffset : kEditFinalMilesItem;
}

// "Plane Details": four blocks, each a heading and three rows of a title and three values; then "Ok".
constexpr int kDetailsBlockItems = 13;
constexpr int kDetailsOkItem = 4 * kDetailsBlockItems;
constexpr int DetailsHeadingItem(int block) { return block * kDetailsBlockItems; }
constexpr int DetailsTitleItem(int block, int row) { return DetailsHeadingItem(block) + 1 + 4 * row; }
constexpr int DetailsValueItem(int block, int row, int column) { return DetailsTitleItem(block, row) + 1 + column; }

// "Buy / Sell Gates" and "Overview" begin with the same airport rows.
constexpr int kAirportFiveBackItem = 1;
constexpr int kAirportBackItem = 2;
constexpr int kAirportCodeItem = 3;
constexpr int kAirportForwardItem = 4;
constexpr int kAirportFiveOnItem = 5;
constexpr int kAirportLocationItem = 7;
constexpr int kGatesPreviousItem = 9;
constexpr int kGatesNumberItem = 10;
constexpr int kGatesNextItem = 11;
constexpr int kGatesOwnerItem = 13;
constexpr int kGatesBuyItem = 14;
constexpr int kGatesSellItem = 15;
constexpr int kGatesOkItem = 16;
constexpr int kOverviewFirstShareItem = 9;  // one row an airline, in airline order
constexpr int kOverviewShareStep = 2;
constexpr int kOverviewGatesOwnedItem = 17;
constexpr int kOverviewTrafficItem = 19;
constexpr int kOverviewOkItem = 20;

// "View Loans".
constexpr int kViewLoansCountItem = 1;
constexpr int kViewLoansPreviousItem = 3;
constexpr int kViewLoansIdItem = 4;
constexpr int kViewLoansNextItem = 5;
constexpr int kViewLoansAmountItem = 7;
constexpr int kViewLoansAmountLeftItem = 9;
constexpr int kViewLoansMonthlyItem = 11;
constexpr int kViewLoansMonthsLeftItem = 13;
constexpr int kViewLoansPayOffItem = 14;
constexpr int kViewLoansOkItem = 15;

// "Options".
constexpr int kOptionsSlowerItem = 2;
constexpr int kOptionsSpeedItem = 3;
constexpr int kOptionsFasterItem = 4;
constexpr int kOptionsCancelItem = 5;
constexpr int kOptionsOkItem = 6;

// Builds windows 0..19 into an empty table, in index order.
void BuildWindows(WindowTable& table);

}  // namespace jetvale
