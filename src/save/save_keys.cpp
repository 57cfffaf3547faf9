// Key names: the fixed ones as data, the ledger keys made of a prefix and the ledger's field names.
#include "save/save_keys.h"

#include <algorithm>
#include <numeric>

namespace jetvale {
namespace {

constexpr std::array<std::string_view, kFirstLedgerKey> kLeadingKeys = {
    "AIRPORT_CITY", "AIRPORT_COMP", "AIRPORT_MKTSHARE", "GATE_NO", "GATE_OWNER",
    "GAME_DAY", "GAME_MONTH", "GAME_YEAR", "GAME_DOW", "GAME_TIME", "GAME_MIN", "GAME_HOUR",
    "COMPANY_ID", "COMP_COLOR", "BALANCE", "NUM_LOANS",
    "LOAN_ID", "LOAN_AMOUNT", "LOAN_RATE", "LOAN_TOTAL_MONTHS", "LOAN_AMT_LEFT", "LOAN_MONTHS_LEFT", "LOAN_MONTHLY"};

constexpr std::array<std::string_view, kSaveKeyCount - kNumPlanes> kTrailingKeys = {
    "NUM_PLANES",
    "PLANE_ID", "PLANE_AGE", "PLANE_TYPE_ID", "PLANE_VALUE", "PLANE_FRAME", "NUM_FLIGHTS", "PLANE_TAG",
    "PLANE_PCT_FIRST_CLASS", "PLANE_PCT_BUS_CLASS", "PLANE_PCT_ECO_CLASS",
    "PLANE_LOC_X", "PLANE_LOC_Y", "PLANE_ORIGIN_X", "PLANE_ORIGIN_Y", "PLANE_DEST_X", "PLANE_DEST_Y",
    "FLIGHT_IDENT", "FLIGHT_FCLS_PRICE", "FLIGHT_BCLS_PRICE", "FLIGHT_ECLS_PRICE", "FLIGHT_INC_FCLS",
    "FLIGHT_INC_BCLS", "FLIGHT_INC_ECLS", "FLIGHT_EXP_WAGES", "FLIGHT_EXP_FUEL", "FLIGHT_EXP_MISC",
    "FLIGHT_ORIG_ID", "FLIGHT_DEST_ID", "FLIGHT_DEP_TIME", "FLIGHT_ARR_TIME", "FLIGHT_TOTAL_FCLS",
    "FLIGHT_TOTAL_BCLS", "FLIGHT_TOTAL_ECLS", "FLIGHT_TOTAL_PASS", "FLIGHT_MILES", "FLIGHT_NOFIRSTCLS",
    "FLIGHT_NOBUSCLS", "FLIGHT_NOECOCLS", "FLIGHT_REV", "FLIGHT_PROFIT", "FLIGHT_EXPENSES",
    "FLIGHT_ARR_GATE", "FLIGHT_DEP_GATE", "FLIGHT_STATUS", "FLIGHT_TIMES_FLOWN", "FLIGHT_FUEL_BURN"};

constexpr std::array<std::string_view, 3> kLedgerPrefixes = {"CY_", "PY_", "OV_"};

struct KeyTable {
  std::array<std::string, kSaveKeyCount> names;
  std::array<int, kSaveKeyCount> sorted{};  // keys in the order of their names, for the lookup

  KeyTable() {
    int key = 0;
    for (const std::string_view name : kLeadingKeys) names[static_cast<std::size_t>(key++)] = name;
    for (const std::string_view prefix : kLedgerPrefixes) {
      for (const std::string_view field : kLedgerEntryNames) {
        std::string& name = names[static_cast<std::size_t>(key++)];
        name.assign(prefix);
        name.append(field);
      }
    }
    for (const std::string_view name : kTrailingKeys) names[static_cast<std::size_t>(key++)] = name;
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(), [this](int a, int b) {
      return names[static_cast<std::size_t>(a)] < names[static_cast<std::size_t>(b)];
    });
  }
};

const KeyTable& Keys() {
  static const KeyTable table;
  return table;
}

}  // namespace

std::string_view SaveKeyName(int key) { return Keys().names[static_cast<std::size_t>(key)]; }

// A key that begins the line sorts at or before it, and no other key can sort between the two (it would have
// that key as its prefix); so the only candidate is the last key not after the line.
int MatchSaveKey(std::string_view line) {
  const KeyTable& table = Keys();
  const auto after = std::upper_bound(table.sorted.begin(), table.sorted.end(), line, [&table](std::string_view text, int key) {
    return text < std::string_view(table.names[static_cast<std::size_t>(key)]);
  });
  if (after == table.sorted.begin()) return kNoSaveKey;
  const int key = *(after - 1);
  return line.starts_with(table.names[static_cast<std::size_t>(key)]) ? key : kNoSaveKey;
}

}  // namespace jetvale
