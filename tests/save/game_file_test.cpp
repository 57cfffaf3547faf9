// The saved game's text: its layout, a played game written and read back, and the files the reader refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "save/game_reader.h"
#include "save/game_writer.h"
#include "finance/loans.h"
#include "save/save_fields.h"
#include "text/double_text.h"
#include "save/played_game.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1;
constexpr int kChicago = 11;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Reads the text into a world as built from the seed; the world is null when the reader refuses the text.
struct Loaded {
  std::unique_ptr<World> world;
  GameClock clock;
};
Loaded Read(const std::string& text, std::uint32_t seed = 1) {
  Random random(seed);
  Loaded loaded{std::make_unique<World>(random), GameClock{}};
  std::string problem;
  if (!ReadSavedGame(text, *loaded.world, loaded.clock, &problem)) {
    ADD_FAILURE() << problem;
    loaded.world.reset();
  }
  return loaded;
}

TEST(SavedGameText, AFreshGameIs2779RecordsOfShortLines) {
  GameState game(1);
  const std::vector<std::string> lines = Lines(WriteSavedGame(game.world, game.clock));
  ASSERT_EQ(lines.size(), 5558u);  // 52 x 49 airport records, 7 clock records, 4 x 56 airline records
  for (const std::string& line : lines) EXPECT_LE(line.size(), 49u) << line;
  const std::vector<std::string> start = {"AIRPORT_CITY", "1", "AIRPORT_COMP", "0", "AIRPORT_MKTSHARE", "0"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), start);
  const std::vector<std::string> clock = {"GAME_DAY", "1", "GAME_MONTH", "1", "GAME_YEAR", "1", "GAME_DOW", "1"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5096, lines.begin() + 5104), clock);
  EXPECT_EQ(lines[5556], "NUM_PLANES");
  EXPECT_EQ(lines[5557], "0");
}

TEST(SavedGameText, APlayedGameComesBackFieldByFieldAndSavesToTheSameText) {
  GameState game(5);
  PlayAWhile(game);
  Airline& player = game.world.Player();
  Plane& plane = player.planes[2];
  plane.locationX = 0.1 + 0.2;  // 0.30000000000000004 needs all 17 digits
  plane.legs[0].economyFare = 123.456;
  plane.legs[1].revenue = 1234.75;
  plane.legs[1].profit = -56.5;
  player.previousYear[LedgerEntry::ExpenseLoans] = 1e-7;
  player.balance = -42;

  const std::string text = WriteSavedGame(game.world, game.clock);
  for (const std::string& line : Lines(text)) ASSERT_LE(line.size(), 49u) << line;
  const Loaded loaded = Read(text, 5);
  ASSERT_TRUE(loaded.world);
  // What the same text again cannot tell: the digits a double needs, and the fractions the totals lose.
  const Airline& back = loaded.world->Player();
  EXPECT_EQ(back.planes[2].locationX, 0.1 + 0.2);
  EXPECT_EQ(back.planes[2].legs[0].economyFare, 123.456);
  EXPECT_EQ(back.planes[2].legs[1].revenue, 1234);
  EXPECT_EQ(back.planes[2].legs[1].profit, -56);
  EXPECT_EQ(back.previousYear[LedgerEntry::ExpenseLoans], 1e-7);
  // The counts follow the slots in use: the sold plane's slot stays free, and so does a paid-off loan's.
  EXPECT_FALSE(back.planes[1].inUse);
  EXPECT_EQ(back.planeCount, 3);
  EXPECT_EQ(back.loanCount, 1);
  EXPECT_EQ(loaded.clock.dayOfWeek, 0);  // 48 days after Monday Jan-1: Sunday Feb-18
  // Every other field: the same text again, and doubles written with 17 digits are the same doubles.
  EXPECT_EQ(WriteSavedGame(*loaded.world, loaded.clock), text);
}

TEST(SavedGameText, LoadingTwiceCountsEveryLegOnce) {
  GameState game(5);
  PlayAWhile(game);
  const std::string text = WriteSavedGame(game.world, game.clock);
  Loaded once = Read(text, 5);
  ASSERT_TRUE(once.world);
  // ATL-ORD and back by three planes less the sold one, and the 757's JFK-LAX-ORD-JFK.
  EXPECT_EQ(once.world->AirportById(kAtlanta).legsInto[0], 2);
  EXPECT_EQ(once.world->AirportById(kChicago).legsInto[0], 3);
  EXPECT_EQ(Read(WriteSavedGame(*once.world, once.clock), 5).world->AirportById(kChicago).legsInto[0], 3);
}

// The value lines of every record of `key`, or of its `nth` one.
void Replace(std::vector<std::string>& lines, const std::string& key, const std::string& value, int nth = -1) {
  int seen = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    if (lines[i] == key && (nth < 0 || seen++ == nth)) lines[i + 1] = value;
  }
}

int KeyOf(const std::string& line) {
  for (int key = 0; key < kSaveKeyCount; ++key) {
    if (SaveFieldOf(key).key == line) return key;
  }
  return -1;
}

// A double as the handheld's C runtime wrote it (_gcvt with 50 digits): all its digits, a point after a whole
// number, an exponent of three digits.
std::string HandheldDouble(const std::string& ours) {
  double value = 0;
  EXPECT_TRUE(ParseDouble(ours, value)) << ours;
  std::string text = GeneralText(value, 50);
  const std::size_t e = text.find('e');
  if (e == std::string::npos) return text.find('.') == std::string::npos ? text + "." : text;
  const std::string digits = text.substr(e + 2);
  return text.substr(0, e + 2) + std::string(3 - digits.size(), '0') + digits;
}

TEST(SavedGameText, FilesOfOtherWritersLoadIntoTheSameGame) {
  GameState game(5);
  PlayAWhile(game);
  const std::string text = WriteSavedGame(game.world, game.clock);
  const std::vector<std::string> lines = Lines(text);
  std::vector<std::string> handheld = lines;
  for (std::size_t i = 0; i + 1 < handheld.size(); i += 2) {
    const ValueKind kind = SaveFieldOf(KeyOf(handheld[i])).kind;
    if (kind == ValueKind::Double || kind == ValueKind::Pixel) handheld[i + 1] = HandheldDouble(handheld[i + 1]);
  }
  ASSERT_EQ(handheld[static_cast<std::size_t>(std::find(handheld.begin(), handheld.end(), "PLANE_ORIGIN_X") -
                                               handheld.begin()) + 1].back(), '.');  // a whole pixel as a double
  std::vector<std::string> crlf = handheld;
  for (std::string& line : crlf) line += "\r";
  std::vector<std::string> newer = lines;  // records of a later version, among and after ours
  for (const std::size_t at : {std::size_t{0}, std::size_t{5096}, lines.size()}) {
    newer.insert(newer.begin() + static_cast<std::ptrdiff_t>(at), {"GAME_WEATHER_2", "some value"});
  }
  const struct { const char* what; std::string text; } files[] = {
      {"the handheld's numbers", Joined(handheld)}, {"carriage returns", Joined(crlf)},
      {"no line feed at the end", text.substr(0, text.size() - 1)},
      {"carriage returns, the last without its line feed", Joined(crlf).substr(0, Joined(crlf).size() - 1)},
      {"unknown keys", Joined(newer)},
  };
  for (const auto& file : files) {
    const Loaded loaded = Read(file.text, 5);
    ASSERT_TRUE(loaded.world) << file.what;
    EXPECT_EQ(WriteSavedGame(*loaded.world, loaded.clock), text) << file.what;
  }
}

TEST(SavedGameText, DamagedFilesAreRefused) {
  GameState game(5);
  PlayAWhile(game);
  const std::vector<std::string> lines = Lines(WriteSavedGame(game.world, game.clock));
  auto replaced = [&lines](std::initializer_list<std::pair<const char*, const char*>> values, int nth = 0) {
    std::vector<std::string> copy = lines;
    for (const auto& [key, value] : values) Replace(copy, key, value, nth);
    return Joined(copy);
  };
  auto edited = [&lines](auto edit) {
    std::vector<std::string> copy = lines;
    edit(copy);
    return Joined(copy);
  };
  auto at = [](std::vector<std::string>& c, std::size_t index) { return c.begin() + static_cast<std::ptrdiff_t>(index); };
  const std::size_t status = static_cast<std::size_t>(std::find(lines.begin(), lines.end(), "FLIGHT_STATUS") - lines.begin());
  const std::string whole = Joined(lines);
  const struct { const char* what; std::string text; } damaged[] = {
      {"empty", ""}, {"cut in the last key", whole.substr(0, whole.rfind("FLIGHT_FUEL_BURN") + 10)},
      {"cut in a leg", Joined({lines.begin(), lines.begin() + 5640})},
      {"cut before the last leg", Joined({lines.begin(), lines.end() - 60})},
      {"a line missing", edited([&](auto& c) { c.erase(at(c, 7)); })},
      {"a gate's records missing", edited([&](auto& c) { c.erase(at(c, 10), at(c, 14)); })},
      {"the clock missing", edited([&](auto& c) { c.erase(at(c, 5096), at(c, 5110)); })},
      {"a leg state twice", edited([&](auto& c) { c.insert(at(c, status), {"FLIGHT_STATUS", "0"}); })},
      {"a record after the last", whole + "GAME_DAY\n1\n"},
      {"a line that is no key", edited([&](auto& c) { c.insert(at(c, 2), {"not a key", "1"}); })},
      {"an overlong line", replaced({{"FLIGHT_FCLS_PRICE", std::string(129, '1').c_str()}})},
      {"a tag of eight", replaced({{"PLANE_TAG", "N12345AB"}})},
      {"a 50-character key line", edited([](auto& c) { c[0].resize(50, '_'); })},
      {"a huge plane slot", replaced({{"PLANE_ID", "2147483648"}})},
      {"a plane listed again", replaced({{"PLANE_ID", "0"}}, 1)},
      {"a negative loan slot", replaced({{"LOAN_ID", "-1"}})}, {"airline 4", replaced({{"COMPANY_ID", "4"}})},
      {"the airports out of order", replaced({{"AIRPORT_CITY", "3"}}, 1)},
      {"market column 4", replaced({{"AIRPORT_COMP", "4"}})}, {"a gate out of order", replaced({{"GATE_NO", "1"}})},
      {"a loan of negative months", replaced({{"LOAN_TOTAL_MONTHS", "-6"}})},
      {"more months left than the term", replaced({{"LOAN_MONTHS_LEFT", "121"}})},
      {"a loan without interest", replaced({{"LOAN_RATE", "0"}})},
      {"a payment that does not repay the loan", replaced({{"LOAN_MONTHLY", "1"}})},
      {"airport 53", replaced({{"AIRPORT_CITY", "53"}})}, {"leg 4", replaced({{"FLIGHT_IDENT", "4"}})},
      {"five legs", replaced({{"NUM_FLIGHTS", "5"}})},
      {"a count beyond the slots listed", replaced({{"NUM_PLANES", "4"}})},
      {"an owner that is no airline", replaced({{"GATE_OWNER", "5"}})},
      {"month 13", replaced({{"GAME_MONTH", "13"}})}, {"Feb-31", replaced({{"GAME_MONTH", "2"}, {"GAME_DAY", "31"}})},
      {"a minute off the five-minute grid", replaced({{"GAME_MIN", "7"}})},
      {"day of week 7", replaced({{"GAME_DOW", "7"}})}, {"aircraft type 13", replaced({{"PLANE_TYPE_ID", "13"}})},
      {"an age past the counters' ceiling", replaced({{"PLANE_AGE", "1000000001"}})},
      {"airport 0 for a leg", replaced({{"FLIGHT_DEST_ID", "0"}})},
      {"a leg back to where it left", replaced({{"FLIGHT_DEST_ID", "1"}})},
      {"a leg state that does not exist", replaced({{"FLIGHT_STATUS", "4"}})},
      {"trips past the counters' ceiling", replaced({{"FLIGHT_TIMES_FLOWN", "1000000001"}})},
      {"a fare that is no number", replaced({{"FLIGHT_FCLS_PRICE", "12abc"}})},
      {"a fare of 1e308", replaced({{"FLIGHT_ECLS_PRICE", "1e308"}})},
      {"an infinite amount", replaced({{"LOAN_AMOUNT", "inf"}})},
      {"a whole number with a fraction of letters", replaced({{"BALANCE", "12.x"}})},
      {"seats for more than the whole cabin", replaced({{"PLANE_PCT_FIRST_CLASS", "90"}, {"PLANE_PCT_ECO_CLASS", "85"}})},
      // The clock's ticks would pass the day's last before the next midnight, and the next save would be refused.
      {"more ticks than since midnight", replaced({{"GAME_TIME", "288"}, {"GAME_HOUR", "0"}, {"GAME_MIN", "0"}})},
      {"a tick ahead of the time", replaced({{"GAME_TIME", "14"}, {"GAME_HOUR", "1"}, {"GAME_MIN", "0"}})},
      {"binary garbage", std::string("\x01\xff\0PLANE\n\x80\n", 12)},
  };
  for (const auto& file : damaged) {
    Random random(5);
    World world(random);
    GameClock clock;
    std::string problem;
    EXPECT_FALSE(ReadSavedGame(file.text, world, clock, &problem)) << file.what;
    EXPECT_FALSE(problem.empty()) << file.what;
  }
}

// Every value at the end of its range, all at once: the game plays on for years and saves a file that loads.
TEST(SavedGameText, AFileAtTheEndsOfEveryRangePlaysOnAndSavesAFileThatLoads) {
  GameState played(5);
  PlayAWhile(played);
  const std::vector<std::string> lines = Lines(WriteSavedGame(played.world, played.clock));
  const std::set<int> structure = {kAirportCity, kAirportComp, kGateNo, kCompanyId, kNumLoans, kLoanId, kNumPlanes,
                                   kPlaneId, kNumFlights, kPlaneTag, kFlightIdent, kFlightOrigId, kFlightDestId};
  for (const bool top : {true, false}) {
    std::vector<std::string> extreme = lines;
    auto end = [top](int key) { return top ? SaveFieldOf(key).high : SaveFieldOf(key).low; };
    for (std::size_t i = 0; i + 1 < extreme.size(); i += 2) {
      const int key = KeyOf(extreme[i]);
      if (!structure.contains(key)) extreme[i + 1] = GeneralText(end(key), 17);
    }
    // The cabin is shared out once; a loan's payment follows from its amount, term and rate.
    if (top) {
      Replace(extreme, "PLANE_PCT_BUS_CLASS", "0");
      Replace(extreme, "PLANE_PCT_ECO_CLASS", "0");
    }
    Replace(extreme, "LOAN_MONTHLY",
            GeneralText(LoanPayment(end(kLoanAmount), static_cast<int>(end(kLoanTotalMonths)), end(kLoanRate)), 17));
    GameState game(5);
    ASSERT_TRUE(ReadSavedGame(Joined(extreme), game.world, game.clock)) << top;
    game.clock.Start();
    RunDays(game, 3 * 365);
    const std::string saved = WriteSavedGame(game.world, game.clock);
    const Loaded again = Read(saved, 5);
    ASSERT_TRUE(again.world) << top;
    EXPECT_EQ(WriteSavedGame(*again.world, again.clock), saved) << top;
  }
}

}  // namespace
}  // namespace jetvale
