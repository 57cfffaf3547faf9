// The 121 keys of the saved game, in the order the file lists them, and the lookup of a key line.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "world/ledger.h"

namespace jetvale {

// Each group of keys fills one kind of record; the reader marks which keys of a record it has seen.
enum SaveKey : int {
  // An airport's market shares and gate owners.
  kAirportCity, kAirportComp, kAirportMarketShare, kGateNo, kGateOwner,
  // The clock.
  kGameDay, kGameMonth, kGameYear, kGameDow, kGameTime, kGameMin, kGameHour,
  // An airline; its three ledgers follow its loans.
  kCompanyId, kCompColor, kBalance, kNumLoans,
  kLoanId, kLoanAmount, kLoanRate, kLoanTotalMonths, kLoanAmountLeft, kLoanMonthsLeft, kLoanMonthly,
  kFirstLedgerKey,  // CY_, PY_ and OV_ ledgers, 17 fields each
  kNumPlanes = kFirstLedgerKey + 3 * kLedgerEntryCount,
  // A plane.
  kPlaneId, kPlaneAge, kPlaneTypeId, kPlaneValue, kPlaneFrame, kNumFlights, kPlaneTag,
  kPlanePctFirstClass, kPlanePctBusClass, kPlanePctEcoClass,
  kPlaneLocX, kPlaneLocY, kPlaneOriginX, kPlaneOriginY, kPlaneDestX, kPlaneDestY,
  // A leg.
  kFlightIdent, kFlightFclsPrice, kFlightBclsPrice, kFlightEclsPrice, kFlightIncFcls, kFlightIncBcls,
  kFlightIncEcls, kFlightExpWages, kFlightExpFuel, kFlightExpMisc,
  kFlightOrigId, kFlightDestId, kFlightDepTime, kFlightArrTime, kFlightTotalFcls, kFlightTotalBcls,
  kFlightTotalEcls, kFlightTotalPass, kFlightMiles, kFlightNoFirstCls, kFlightNoBusCls, kFlightNoEcoCls,
  kFlightRev, kFlightProfit, kFlightExpenses,
  kFlightArrGate, kFlightDepGate, kFlightStatus, kFlightTimesFlown, kFlightFuelBurn,
  kSaveKeyCount
};
static_assert(kSaveKeyCount == 121);

constexpr int kNoSaveKey = -1;
constexpr std::size_t kMaxSaveLine = 49;  // characters of a line, without its line end

// The key's text as the file writes it.
std::string_view SaveKeyName(int key);
// The key whose characters begin `line`, or kNoSaveKey. No key is a prefix of another, so at most one does.
int MatchSaveKey(std::string_view line);

}  // namespace jetvale
