// The side file's lines. Every line is checked; one wrong line and the whole file is no history, as a history
// that belongs to another saved game (an older save, a file copied in) must not be shown with this one.
#include "save/history_file.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <vector>

#include "finance/month_close.h"
#include "save/value_text.h"
#include "sim/game_clock.h"
#include "world/money.h"

namespace jetvale {
namespace {

constexpr std::string_view kVersionLine = "jetvale history 1";
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

// The words of one line, taken from the front one by one.
class Words {
 public:
  explicit Words(std::string_view line) : line_(line) {}
  std::string_view Next() {
    const std::size_t end = line_.find(' ');
    const std::string_view word = line_.substr(0, end);
    line_ = end == std::string_view::npos ? std::string_view{} : line_.substr(end + 1);
    return word;
  }
  bool Done() const { return line_.empty(); }

  template <typename Number>
  bool Whole(Number& value, Number low, Number high) {
    const std::string_view word = Next();
    const char* end = word.data() + word.size();
    const auto [ptr, error] = std::from_chars(word.data(), end, value);
    return !word.empty() && error == std::errc{} && ptr == end && value >= low && value <= high;
  }
  bool Money(double& value) { return ParseDouble(Next(), value) && value >= -kMaxMoney && value <= kMaxMoney; }
  bool Counts(MonthCounts& counts) {
    constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
    return Money(counts.income) && Money(counts.expenses) && Whole(counts.passengers, std::int64_t{0}, kMost) &&
           Whole(counts.trips, std::int64_t{0}, kMost);
  }

 private:
  std::string_view line_;
};

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
         words.Counts(counts) && words.Done();
}

// "month YEAR MONTH A BALANCE ..." of airline `airline` in the record's month.
bool ReadMonth(std::string_view line, int airline, MonthRecord& record) {
  Words words(line);
  int year = 0;
  int month = 0;
  int read = 0;
  AirlineMonth& figures = record.airlines[static_cast<std::size_t>(airline)];
  if (words.Next() != "month" || !words.Whole(year, 1, kMaxYear) || !words.Whole(month, 1, 12) ||
      !words.Whole(read, 0, kAirlineCount - 1) || read != airline ||
      !words.Whole(figures.balance, kLowestBalance, kHighestBalance) || !words.Counts(figures.counts) ||
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

std::string WriteHistoryText(const World& world, std::string_view savedGame) {
  std::string out(kVersionLine);
  out.append("\ngame ").append(DigestText(savedGame)).append("\n");
  const AirlineCounts soFar = MonthSoFar(world);
  for (int a = 0; a < kAirlineCount; ++a) {
    out.append("so-far ").append(std::to_string(a));
    AppendCounts(out, soFar[static_cast<std::size_t>(a)]);
    out += '\n';
  }
  for (const MonthRecord& record : world.history.months) {
    for (int a = 0; a < kAirlineCount; ++a) {
      const AirlineMonth& figures = record.airlines[static_cast<std::size_t>(a)];
      out.append("month ").append(std::to_string(record.year)).append(" ").append(std::to_string(record.month));
      out.append(" ").append(std::to_string(a)).append(" ").append(std::to_string(figures.balance));
      AppendCounts(out, figures.counts);
      out += '\n';
    }
  }
  return out;
}

bool ReadHistoryText(std::string_view text, std::string_view savedGame, World& world) {
  const std::vector<std::string_view> lines = Lines(text);
  constexpr std::size_t kHead = 2 + kAirlineCount;
  if (lines.size() < kHead || (lines.size() - kHead) % kAirlineCount != 0 ||
      (lines.size() - kHead) / kAirlineCount > kHistoryMonths || lines[0] != kVersionLine ||
      lines[1] != "game " + DigestText(savedGame)) {
    return false;
  }
  AirlineCounts soFar{};
  for (int a = 0; a < kAirlineCount; ++a) {
    if (!ReadSoFar(lines[2 + static_cast<std::size_t>(a)], a, soFar[static_cast<std::size_t>(a)])) return false;
  }
  MonthHistory history;
  for (std::size_t first = kHead; first < lines.size(); first += kAirlineCount) {
    MonthRecord record;
    for (int a = 0; a < kAirlineCount; ++a) {
      if (!ReadMonth(lines[first + static_cast<std::size_t>(a)], a, record)) return false;
    }
    history.Add(record);
  }
  world.history = std::move(history);
  StartMonthCounts(world, soFar);
  return true;
}

}  // namespace jetvale
