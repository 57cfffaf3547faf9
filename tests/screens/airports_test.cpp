// The Passengers menu played through taps: the gate market and the airport overview.
#include "screens/story.h"

namespace jetvale {
namespace {

constexpr MenuChoice kGates{{"passengers"}, {"gates"}};
constexpr int kTop = 2147483647, kBottom = -2147483647 - 1;

struct AirportScreens : Stories {
  AirportScreens() : Stories(MakeTestAssets("jetvale_airport_screens"), {kToMap}) {}
};

Step At(const char* item, int times, int airport, const char* gate = "1") {  // a new airport starts at its first gate
  return {.item = {item}, .times = times, .shows = {{{"gate"}, gate}},
          .check = [airport](H& h) { EXPECT_EQ(h.ui().airports.gateAirport, airport); }};
}

TEST_F(AirportScreens, AFreeGateIsBoughtAndSoldBackOnlyTheOwnOne) {
  const auto gates = [](H& h) { return W(h).Player().currentYear; };
  Play({{.menu = kGates, .on = kGatesWindow, .shows = {{{"airport"}, "ATL"}, {{"location"}, "Atlanta, US"},
                                                     {{"gate"}, "1"}, {{"owner"}, "AVAILABLE"}}},
        {.item = {"buy"}, .shows = {{{"owner"}, "NOT AVAILABLE"}}, .balance = 500000000 - 425000},
        {.item = {"buy"}, .balance = 500000000 - 425000},  // bought already: nothing happens
        {.item = {"sell"}, .balance = 500000000, .check = [&](H& h) {
           EXPECT_EQ(gates(h)[LedgerEntry::ExpenseNewGates], 425000);
           EXPECT_EQ(gates(h)[LedgerEntry::IncomeSoldGates], 425000);
         }},
        // A rival's gate reads the same and cannot be traded.
        {.setup = [](H& h) { W(h).GatesAt(1)[1].owner = 2; },
         .item = {"gate forward"}, .shows = {{{"owner"}, "NOT AVAILABLE"}}},
        {.item = {"sell"}},
        {.item = {"buy"}, .balance = 500000000,
         .check = [](H& h) { EXPECT_EQ(W(h).GatesAt(1)[1].owner, 2); }},
        // At the ends of the balance's range a gate trade may reach the limit, never pass it.
        {.setup = [](H& h) { Player(h).balance = kBottom + 425000; }, .item = {"gate forward"}},
        {.item = {"buy"}, .balance = kBottom}, {.item = {"gate forward"}},
        {.item = {"buy"}, .status = "Balance Limit Exceeded", .shows = {{{"owner"}, "AVAILABLE"}},
         .balance = kBottom},
        {.setup = [](H& h) { Player(h).balance = kTop - 425000 + 1; }, .item = {"gate back"}},
        {.item = {"sell"}, .shows = {{{"owner"}, "NOT AVAILABLE"}}, .balance = kTop - 425000 + 1,
         .check = [](H& h) { EXPECT_EQ(Player(h).overall[LedgerEntry::IncomeSoldGates], 425000); }}});
}

TEST_F(AirportScreens, StepsStayWithinTheAirportsAndGatesAndCloseStartsOverAtGateOne) {
  Play({{.menu = kGates, .item = {"airport back"}}, At("airport back five", 1, 1), At("gate back", 1, 1),
        At("gate forward", 25, 1, "20"),
        At("airport forward five", 11, 51),  // 1 + 45 = 46, then 51; no further
        {.item = {"airport forward"}, .times = 2, .shows = {{{"airport"}, "ZRH"}}},
        At("airport back five", 11, 2),  // 52 - 45 = 7, then 2; no further
        At("airport forward five", 9, 47), At("airport forward five", 1, 47),  // from 47 a step of five on does nothing
        At("airport back five", 8, 7), At("airport back", 1, 6),
        At("airport back five", 1, 6),  // nor does one back from 6
        {.item = {"gate forward"}, .times = 4}, {.item = {"ok"}},
        {.menu = kGates, .shows = {{{"airport"}, "ATL"}, {{"gate"}, "1"}}}});
}

}  // namespace
}  // namespace jetvale
