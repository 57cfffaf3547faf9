// The field table: the fixed keys as data, the 51 ledger keys made of a prefix and the ledger's field names.
#include "save/save_fields.h"

#include <algorithm>
#include <array>
#include <string>

#include "sim/flight_state.h"
#include "sim/game_clock.h"
#include "world/aircraft_types.h"
#include "world/at_index.h"
#include "world/identities.h"
#include "world/money.h"
#include "world/world_map.h"

namespace jetvale {
namespace {

constexpr double kIntMin = -2147483648.0;
constexpr double kIntMax = 2147483647.0;
constexpr double kCounter = kCounterCeiling;
constexpr double kMoney = kMaxMoney;
constexpr double kLoanMoney = kIntMax;  // no loan is larger than the balance that receives it
constexpr int kTagLength = 7;
constexpr int kMaxLoanMonths = 1200;
// A round trip's later legs may leave after midnight, as slots of 96 and more, and land later still.
constexpr int kLastDeparture = 4 * kQuarterSlotsPerDay;
constexpr int kLastArrival = 8 * kQuarterSlotsPerDay;
constexpr int kMaxMiles = 20000;  // half the earth round is 12,450 miles
constexpr int kMaxCabin = 10000;  // passengers of one class on one trip; the largest cabin seats 555

bool IsFlightState(int state) {
  for (const int known : {kWaitingForBoarding, kBoardingOpen, kBoarded, kInTheAir, kApproaching, kLanded}) {
    if (state == known) return true;
  }
  return false;
}

bool IsIdentity(int identity) {
  if (identity == 0) return true;  // a game started without choosing an airline
  return std::any_of(kAirlineIdentities.begin(), kAirlineIdentities.end(),
                     [identity](const AirlineIdentity& known) { return known.code == identity; });
}

bool IsGateOwner(int owner) { return owner == kNoGateOwner || (owner >= 0 && owner < kAirlineCount); }

using enum ValueKind;

constexpr std::array<SaveField, kFirstLedgerKey> kLeadingFields = {{
    {"AIRPORT_CITY", Int, 1, kAirportCount},
    {"AIRPORT_COMP", Int, 0, kAirlineCount - 1},
    {"AIRPORT_MKTSHARE", Int, 0, 100},
    {"GATE_NO", Int, 0, kGatesPerAirport - 1},
    {"GATE_OWNER", Int, 0, kNoGateOwner, IsGateOwner},
    {"GAME_DAY", Int, 1, 31},
    {"GAME_MONTH", Int, 1, 12},
    {"GAME_YEAR", Int, 1, kMaxYear},
    {"GAME_DOW", Int, 0, 6},
    {"GAME_TIME", Int, 0, kTicksPerDay},
    {"GAME_MIN", Int, 0, 55},
    {"GAME_HOUR", Int, 0, 23},
    {"COMPANY_ID", Int, 0, kAirlineCount - 1},
    {"COMP_COLOR", Int, 0, kAtlanticAir, IsIdentity},
    {"BALANCE", Int, kIntMin, kIntMax},
    {"NUM_LOANS", Int, 0, kLoanSlots},
    {"LOAN_ID", Int, 0, kLoanSlots - 1},
    {"LOAN_AMOUNT", Double, 0, kLoanMoney},
    {"LOAN_RATE", Double, 0.0001, 1},  // a rate of 0 would leave the annuity without payments
    {"LOAN_TOTAL_MONTHS", Int, 1, kMaxLoanMonths},
    // What is left may lie a rounding above the amount, or a tiny residue below zero once paid; a month's payment
    // at most adds a month's interest to the amount.
    {"LOAN_AMT_LEFT", Double, -kLoanMoney, 2 * kLoanMoney},
    {"LOAN_MONTHS_LEFT", Int, 0, kMaxLoanMonths},
    {"LOAN_MONTHLY", Double, 0, 2 * kLoanMoney},
}};

constexpr SaveField kLedgerField = {"", Double, -kMoney, kMoney};

constexpr std::array<SaveField, kSaveKeyCount - kNumPlanes> kTrailingFields = {{
    {"NUM_PLANES", Int, 0, kPlaneSlots},
    {"PLANE_ID", Int, 0, kPlaneSlots - 1},
    {"PLANE_AGE", Int, 0, kCounter},
    {"PLANE_TYPE_ID", Int, 0, kAircraftTypeCount - 1},
    {"PLANE_VALUE", Int, 0, kIntMax},
    {"PLANE_FRAME", Int, 0, kCounter},
    {"NUM_FLIGHTS", Int, 0, kLegSlots},
    {"PLANE_TAG", Text, 0, kTagLength},
    {"PLANE_PCT_FIRST_CLASS", Int, 0, 100},
    {"PLANE_PCT_BUS_CLASS", Int, 0, 100},
    {"PLANE_PCT_ECO_CLASS", Int, 0, 100},
    // A sprite on its way may stand a little off the map, beyond its edge on the shorter way round.
    {"PLANE_LOC_X", Double, -kMapWidth, 2 * kMapWidth},
    {"PLANE_LOC_Y", Double, -kMapHeight, 2 * kMapHeight},
    {"PLANE_ORIGIN_X", Pixel, 0, kMapWidth},
    {"PLANE_ORIGIN_Y", Pixel, 0, kMapHeight},
    {"PLANE_DEST_X", Pixel, 0, kMapWidth},
    {"PLANE_DEST_Y", Pixel, 0, kMapHeight},
    {"FLIGHT_IDENT", Int, 0, kLegSlots - 1},
    {"FLIGHT_FCLS_PRICE", Double, -kMaxFare, kMaxFare},
    {"FLIGHT_BCLS_PRICE", Double, -kMaxFare, kMaxFare},
    {"FLIGHT_ECLS_PRICE", Double, -kMaxFare, kMaxFare},
    {"FLIGHT_INC_FCLS", Double, -kMoney, kMoney},
    {"FLIGHT_INC_BCLS", Double, -kMoney, kMoney},
    {"FLIGHT_INC_ECLS", Double, -kMoney, kMoney},
    {"FLIGHT_EXP_WAGES", Double, -kMoney, kMoney},
    {"FLIGHT_EXP_FUEL", Double, -kMoney, kMoney},
    {"FLIGHT_EXP_MISC", Double, -kMoney, kMoney},
    {"FLIGHT_ORIG_ID", Int, 1, kAirportCount},
    {"FLIGHT_DEST_ID", Int, 1, kAirportCount},
    {"FLIGHT_DEP_TIME", Int, 0, kLastDeparture},
    {"FLIGHT_ARR_TIME", Int, 0, kLastArrival},
    {"FLIGHT_TOTAL_FCLS", Int, 0, kCounter},
    {"FLIGHT_TOTAL_BCLS", Int, 0, kCounter},
    {"FLIGHT_TOTAL_ECLS", Int, 0, kCounter},
    {"FLIGHT_TOTAL_PASS", Int, 0, kCounter},
    {"FLIGHT_MILES", Int, 0, kMaxMiles},
    {"FLIGHT_NOFIRSTCLS", Int, 0, kMaxCabin},
    {"FLIGHT_NOBUSCLS", Int, 0, kMaxCabin},
    {"FLIGHT_NOECOCLS", Int, 0, kMaxCabin},
    {"FLIGHT_REV", WholeDouble, -kMoney, kMoney},
    {"FLIGHT_PROFIT", WholeDouble, -kMoney, kMoney},
    {"FLIGHT_EXPENSES", WholeDouble, -kMoney, kMoney},
    {"FLIGHT_ARR_GATE", Int, 0, kGatesPerAirport - 1},
    {"FLIGHT_DEP_GATE", Int, 0, kGatesPerAirport - 1},
    {"FLIGHT_STATUS", Int, kWaitingForBoarding, kLanded, IsFlightState},
    {"FLIGHT_TIMES_FLOWN", Int, 0, kCounter},
    {"FLIGHT_FUEL_BURN", Double, -kMoney, kMoney},
}};

constexpr std::array<std::string_view, 3> kLedgerPrefixes = {"CY_", "PY_", "OV_"};

struct FieldTable {
  std::array<std::string, 3 * kLedgerEntryCount> ledgerKeys;
  std::array<SaveField, kSaveKeyCount> fields{};
  std::array<std::string_view, kSaveKeyCount> sortedKeys{};

  FieldTable() {
    std::size_t key = 0;
    for (const SaveField& field : kLeadingFields) fields[key++] = field;
    std::size_t ledger = 0;
    for (const std::string_view prefix : kLedgerPrefixes) {
      for (const std::string_view name : kLedgerEntryNames) {
        std::string& text = ledgerKeys[ledger++];
        text.assign(prefix).append(name);
        fields[key] = kLedgerField;
        fields[key++].key = text;
      }
    }
    for (const SaveField& field : kTrailingFields) fields[key++] = field;
    for (std::size_t i = 0; i < fields.size(); ++i) sortedKeys[i] = fields[i].key;
    std::sort(sortedKeys.begin(), sortedKeys.end());
  }
};

const FieldTable& Table() {
  static const FieldTable table;
  return table;
}

}  // namespace

const SaveField& SaveFieldOf(int key) { return At(Table().fields, key); }

bool IsSaveKey(std::string_view line) {
  const auto& keys = Table().sortedKeys;
  return std::binary_search(keys.begin(), keys.end(), line);
}

}  // namespace jetvale
