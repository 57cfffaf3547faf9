// The 121 fields of the saved game, in the order the file lists them: each with its key, how its value is
// written, and the values a sound game holds. The writer and the reader both go by this one table.
#pragma once

#include <cstddef>
#include <string_view>

#include "world/ledger.h"

namespace jetvale {

// Each group of keys fills one kind of record.
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

// How a value is written, and so how it is read back.
enum class ValueKind {
  Int,          // a whole number in decimal
  Double,       // a double in general notation that reads back to the same double
  WholeDouble,  // a double written as its whole units (truncated toward zero); read back as a double
  Pixel,        // a double holding a whole map pixel: written as a double, read back by its whole part
  Text,         // the characters as stored; `high` is the longest text
};

struct SaveField {
  std::string_view key;
  ValueKind kind;
  // The values a sound game holds, with room to grow for as long as anyone plays: a value outside them was
  // not written by the game, and one inside them keeps every sum and product of play finite and in range.
  double low;
  double high;
  // A further rule for the whole numbers in the range, where only some of them mean anything.
  bool (*accepts)(int value) = nullptr;

  // Whether a sound game holds `value` here.
  bool Takes(double value) const {
    return value >= low && value <= high && (accepts == nullptr || accepts(static_cast<int>(value)));
  }
};

constexpr std::size_t kMaxSaveLine = 49;  // characters of a line the writer makes, without its line end

const SaveField& SaveFieldOf(int key);
// Whether `line` is one of the 121 keys.
bool IsSaveKey(std::string_view line);

}  // namespace jetvale
