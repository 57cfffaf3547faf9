// The saved game's text: its layout, a played game written and read back, and the files the reader refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "save/game_reader.h"
#include "save/game_writer.h"
#include "save/save_keys.h"
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
  if (!ReadSavedGame(text, *loaded.world, loaded.clock)) loaded.world.reset();
  return loaded;
}

TEST(SavedGameText, AFreshGameIs2779RecordsOfShortLines) {
  GameState game(1);
  const std::vector<std::string> lines = Lines(WriteSavedGame(game.world, game.clock));
  ASSERT_EQ(lines.size(), 5558u);  // 52 x 49 airport records, 7 clock records, 4 x 56 airline records
  for (const std::string& line : lines) EXPECT_LE(line.size(), 49u) << line;
  const std::vector<std::string> start = {"AIRPORT_CITY", "1", "AIRPORT_COMP", "0", "AIRPORT_MKTSHARE", "0"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), start);
  const std::vector<std::string> clock = {"GAME_DAY", "1", "GAME_MONTH", "1", "GAME_YEAR", "1", "GAME_DOW", "1",
                                          "GAME_TIME", "0", "GAME_MIN", "0", "GAME_HOUR", "1", "COMPANY_ID", "0",
                                          "COMP_COLOR", "0", "BALANCE", "500000000", "NUM_LOANS", "0",
                                          "CY_FIN_BAL_PREV_YR", "0"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5096, lines.begin() + 5120), clock);
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
  const Airline& back = loaded.world->Player();
  EXPECT_EQ(back.balance, -42);
  EXPECT_EQ(back.identity, kOceanAirways);
  EXPECT_EQ(back.planes[2].locationX, 0.1 + 0.2);
  EXPECT_EQ(back.planes[2].legs[0].economyFare, 123.456);
  EXPECT_EQ(back.planes[2].legs[1].revenue, 1234);  // the totals lose their fractions
  EXPECT_EQ(back.planes[2].legs[1].profit, -56);
  EXPECT_EQ(back.previousYear[LedgerEntry::ExpenseLoans], 1e-7);
  // The sold plane's slot stays free, the planes above it keep theirs; so do the loans around a paid-off one.
  EXPECT_EQ(back.planes[0].inUse, 1);
  EXPECT_EQ(back.planes[1].inUse, 0);
  EXPECT_EQ(back.planes[3].inUse, 1);
  EXPECT_EQ(back.planes[3].legCount, 3);
  EXPECT_EQ(back.planes[3].tag, player.planes[3].tag);
  EXPECT_EQ(back.planeCount, 3);
  EXPECT_EQ(back.loans[0].inUse, 0);
  EXPECT_EQ(back.loans[2].inUse, 1);
  EXPECT_EQ(back.loans[2].amount, 975000000);
  EXPECT_EQ(back.loanCount, 1);
  EXPECT_EQ(loaded.clock.day, 18);  // 48 days after Jan-1
  EXPECT_EQ(loaded.clock.month, 2);
  EXPECT_EQ(loaded.clock.dayOfWeek, 0);  // Jan-1 was a Monday: 48 days later is a Sunday
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

TEST(SavedGameText, CarriageReturnsLongerKeyLinesAndAMissingClockAreAccepted) {
  GameState game(5);
  PlayAWhile(game);
  const std::string text = WriteSavedGame(game.world, game.clock);
  std::vector<std::string> lines = Lines(text);
  const std::size_t clockStart = 5096;
  ASSERT_EQ(lines[clockStart], "GAME_DAY");
  lines.erase(lines.begin() + clockStart, lines.begin() + clockStart + 14);
  lines[clockStart].resize(49, '_');  // the key is what begins the line, up to 49 characters
  for (std::string& line : lines) line += "\r";
  GameClock clock;
  clock.day = 9;
  Random random(5);
  World world(random);
  ASSERT_TRUE(ReadSavedGame(Joined(lines), world, clock));
  EXPECT_EQ(clock.day, 9);
  EXPECT_EQ(clock.hour, 1);
  EXPECT_EQ(world.Player().planes[3].legs[2].economyFare, game.world.Player().planes[3].legs[2].economyFare);
  EXPECT_EQ(world.Player().balance, game.world.Player().balance);
}

TEST(SavedGameText, DamagedFilesAreRefused) {
  GameState game(5);
  PlayAWhile(game);
  const std::vector<std::string> lines = Lines(WriteSavedGame(game.world, game.clock));
  auto replaced = [&lines](const std::string& key, const std::string& value) {
    std::vector<std::string> copy = lines;
    for (std::size_t i = 0; i + 1 < copy.size(); i += 2) {
      if (copy[i] == key) {
        copy[i + 1] = value;
        break;
      }
    }
    return Joined(copy);
  };
  const std::string whole = Joined(lines);
  const struct {
    const char* what;
    std::string text;
  } damaged[] = {
      {"empty", ""},
      {"cut in a value", whole.substr(0, whole.size() - 3)},
      {"cut in a leg", Joined({lines.begin(), lines.begin() + 5640})},
      {"cut in the airports", Joined({lines.begin(), lines.begin() + 400})},
      {"cut before the last leg", Joined({lines.begin(), lines.end() - 60})},
      {"a line missing", Joined([&] { auto c = lines; c.erase(c.begin() + 7); return c; }())},
      {"an overlong line", replaced("PLANE_TAG", std::string(50, 'X'))},
      {"a 50-character key line", Joined([&] { auto c = lines; c[0].resize(50, '_'); return c; }())},
      {"a huge plane slot", replaced("PLANE_ID", "2147483648")},
      {"plane slot 99", replaced("PLANE_ID", "99")},
      {"a negative loan slot", replaced("LOAN_ID", "-1")},
      {"airline 4", replaced("COMPANY_ID", "4")},
      {"market column 4", replaced("AIRPORT_COMP", "4")},
      {"a loan of negative months", replaced("LOAN_TOTAL_MONTHS", "-6")},
      {"airport 53", replaced("AIRPORT_CITY", "53")},
      {"gate 20", replaced("GATE_NO", "20")},
      {"leg 4", replaced("FLIGHT_IDENT", "4")},
      {"five legs", replaced("NUM_FLIGHTS", "5")},
      {"a count beyond the slots listed", replaced("NUM_PLANES", "4")},
      {"an owner that is no airline", replaced("GATE_OWNER", "5")},
      {"month 13", replaced("GAME_MONTH", "13")},
      {"day of week 7", replaced("GAME_DOW", "7")},
      {"aircraft type 13", replaced("PLANE_TYPE_ID", "13")},
      {"airport 0 for a leg", replaced("FLIGHT_DEST_ID", "0")},
      {"a leg state that does not exist", replaced("FLIGHT_STATUS", "4")},
      {"a fare that is no number", replaced("FLIGHT_FCLS_PRICE", "12abc")},
      {"an infinite amount", replaced("LOAN_AMOUNT", "inf")},
      {"an unknown key", replaced("AIRPORT_CITY", "1") + "NOT_A_KEY\n1\n"},
      {"binary garbage", std::string("\x01\xff\0PLANE\n\x80\n", 12)},
  };
  for (const auto& file : damaged) EXPECT_FALSE(Read(file.text, 5).world) << file.what;
}

}  // namespace
}  // namespace jetvale
