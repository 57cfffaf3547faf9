// The side file's lines. Every line is checked; one wrong line and the whole file is no history, as a history
// that belongs to another saved game (an older save, a file copied in) must not be shown with this one.
#include "save/history_file.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <span>
#include <vector>

#include "finance/month_close.h"
#include "save/line_words.h"
#include "save/side_state.h"
#include "save/value_text.h"
#include "sim/game_clock.h"
#include "world/at_index.h"
#include "world/money.h"

namespace jetvale {
namespace {

constexpr std::string_view kVersionLine = "jetvale history 2";
constexpr std::string_view kFirstVersionLine = "jetvale history 1";  // months only, without the side state
constexpr std::string_view kStateLine = "state";
constexpr std::string_view kHistoryExtension = ".history";
constexpr std::int32_t kLowestBalance = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighestBalance = std::numeric_limits<std::int32_t>::max();

// FNV-1a: enough to tell one saved game's text from another's, not meant to resist forgery.
std::uint64_t Digest(std::string_view text) {
  std::uint64_t hash = 14695981039346656037u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211u;
  }
  return hash;
}

std::string DigestText(std::string_view text) {
  char digits[16];
  const auto written = std::to_chars(std::begin(digits), std::end(digits), Digest(text), 16);
  return std::string(std::begin(digits), written.ptr);
}

void AppendCounts(std::string& out, const MonthCounts& counts) {
  out += ' ';
  AppendDouble(out, counts.income);
  out += ' ';
  AppendDouble(out, counts.expenses);
  out.append(" ").append(std::to_string(counts.passengers)).append(" ").append(std::to_string(counts.trips));
}

// A month's figures: its money within the game's bounds, and counts no higher than the airports' counters hold
// in a year, each stopping at its ceiling; the month's counts are differences of such sums, so none of that
// arithmetic can overflow either.
bool ReadCounts(Words& words, MonthCounts& counts) {
  constexpr std::int64_t kMost = std::int64_t{kAirportCount} * kCounterCeiling;
  return words.Money(counts.income) && words.Money(counts.expenses) &&
         words.Whole(counts.passengers, std::int64_t{0}, kMost) && words.Whole(counts.trips, std::int64_t{0}, kMost);
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return {};  // cut short: the last line has no line end
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

// "so-far A ..." of airline `airline`.
bool ReadSoFar(std::string_view line, int airline, MonthCounts& counts) {
  Words words(line);
  int read = 0;
  return words.Next() == "so-far" && words.Whole(read, 0, kAirlineCount - 1) && read == airline &&
         ReadCounts(words, counts) && words.Done();
}

// "month YEAR MONTH A BALANCE ..." of airline `airline` in the record's month.
bool ReadMonth(std::string_view line, int airline, MonthRecord& record) {
  Words words(line);
  int year = 0;
  int month = 0;
  int read = 0;
  AirlineMonth& figures = At(record.airlines, airline);
  if (words.Next() != "month" || !words.Whole(year, 1, kMaxYear) || !words.Whole(month, 1, 12) ||
      !words.Whole(read, 0, kAirlineCount - 1) || read != airline ||
      !words.Whole(figures.balance, kLowestBalance, kHighestBalance) || !ReadCounts(words, figures.counts) ||
      !words.Done()) {
    return false;
  }
  if (airline == 0) {
    record.year = year;
    record.month = month;
  }
  return record.year == year && record.month == month;
}

}  // namespace

std::string HistoryFilePath(const std::string& savedGamePath) {
  std::filesystem::path path(savedGamePath);
  if (path.extension() == kHistoryExtension) return savedGamePath + std::string(kHistoryExtension);
  return path.replace_extension(kHistoryExtension).string();
}

std::string WriteHistoryText(const GameState& game, std::string_view savedGame) {
  const World& world = game.world;
  std::string out(kVersionLine);
  out.append("\ngame ").append(DigestText(savedGame)).append("\n");
  const AirlineCounts soFar = MonthSoFar(world);
  for (int a = 0; a < kAirlineCount; ++a) {
    out.append("so-far ").append(std::to_string(a));
    AppendCounts(out, At(soFar, a));
    out += '\n';
  }
  for (const MonthRecord& record : world.history.months) {
    for (int a = 0; a < kAirlineCount; ++a) {
      const AirlineMonth& figures = At(record.airlines, a);
      out.append("month ").append(std::to_string(record.year)).append(" ").append(std::to_string(record.month));
      out.append(" ").append(std::to_string(a)).append(" ").append(std::to_string(figures.balance));
      AppendCounts(out, figures.counts);
      out += '\n';
    }
  }
  out.append(kStateLine).append("\n");
  AppendSideState(out, game);
  return out;
}

bool HistoryWrittenWith(std::string_view text, std::string_view savedGame) {
  const std::size_t first = text.find('\n');
  if (first == std::string_view::npos) return false;
  const std::size_t second = text.find('\n', first + 1);
  return second != std::string_view::npos &&
         text.substr(first + 1, second - first - 1) == "game " + DigestText(savedGame);
}

bool ReadHistoryText(std::string_view text, std::string_view savedGame, GameState& game, bool* wholeGame) {
  const std::vector<std::string_view> lines = Lines(text);
  constexpr std::size_t kHead = 2 + kAirlineCount;
  if (lines.size() < kHead || (lines[0] != kVersionLine && lines[0] != kFirstVersionLine) ||
      lines[1] != "game " + DigestText(savedGame)) {
    return false;
  }
  // The first version ends with its months; the present one goes on with the side state.
  const bool withState = lines[0] == kVersionLine;
  std::size_t monthsEnd = kHead;
  while (monthsEnd < lines.size() && lines[monthsEnd].starts_with("month ")) monthsEnd += 1;
  if ((monthsEnd - kHead) % kAirlineCount != 0 || (monthsEnd - kHead) / kAirlineCount > kHistoryMonths ||
      (withState ? monthsEnd == lines.size() || lines[monthsEnd] != kStateLine : monthsEnd != lines.size())) {
    return false;
  }
  AirlineCounts soFar{};
  for (int a = 0; a < kAirlineCount; ++a) {
    if (!ReadSoFar(At(lines, 2 + a), a, At(soFar, a))) return false;
  }
  MonthHistory history;
  for (std::size_t next = kHead; next < monthsEnd;) {
    MonthRecord record;
    for (int a = 0; a < kAirlineCount; ++a) {
      if (!ReadMonth(lines[next++], a, record)) return false;
    }
    history.Add(record);
  }
  // The side state goes into a copy, so a wrong line leaves the game as it was.
  const auto whole = std::make_unique<GameState>(game);
  if (withState && !ReadSideState(std::span(lines).subspan(monthsEnd + 1), *whole)) return false;
  whole->world.history = std::move(history);
  // The month so far counts on from the airports' traffic, which the side state has just put back.
  StartMonthCounts(whole->world, soFar);
  game = std::move(*whole);
  if (wholeGame != nullptr) *wholeGame = withState;
  return true;
}

}  // namespace jetvale
