// The Passengers menu played through taps: the gate market and the airport overview.
#include "screens/story.h"

namespace jetvale {
namespace {

constexpr MenuChoice kGates{kToolbarPassengersItem, kPassengersGatesItem};
constexpr int kTop = 2147483647, kBottom = -2147483647 - 1;
constexpr int kIdentity[] = {kOceanAirways, kAtlanticAir, kWesternAirlines, kSoutheastAir};

struct AirportScreens : Stories {
  AirportScreens() : Stories(MakeTestAssets("jetvale_airport_screens"), {kToMap}) {}
};

Step At(int item, int times, int airport, const char* gate = "1") {  // a new airport starts at its first gate
  return {.item = item, .times = times, .shows = {{kGatesNumberItem, gate}},
          .check = [airport](H& h) { EXPECT_EQ(h.ui().airports.gateAirport, airport); }};
}

TEST_F(AirportScreens, AFreeGateIsBoughtAndSoldBackOnlyTheOwnOne) {
  const auto gates = [](H& h) { return W(h).Player().currentYear; };
  Play({{.menu = kGates, .on = kGatesWindow, .shows = {{kAirportCodeItem, "ATL"}, {kAirportLocationItem, "Atlanta, US"},
                                                     {kGatesNumberItem, "1"}, {kGatesOwnerItem, "AVAILABLE"}}},
        {.item = kGatesBuyItem, .shows = {{kGatesOwnerItem, "NOT AVAILABLE"}}, .balance = 500000000 - 425000},
        {.item = kGatesBuyItem, .balance = 500000000 - 425000},  // bought already: nothing happens
        {.item = kGatesSellItem, .balance = 500000000, .check = [&](H& h) {
           EXPECT_EQ(gates(h)[LedgerEntry::ExpenseNewGates], 425000);
           EXPECT_EQ(gates(h)[LedgerEntry::IncomeSoldGates], 425000);
         }},
        // A rival's gate reads the same and cannot be traded.
        {.setup = [](H& h) { W(h).AirportById(1).gates[1].owner = 2; },
         .item = kGatesNextItem, .shows = {{kGatesOwnerItem, "NOT AVAILABLE"}}},
        {.item = kGatesSellItem},
        {.item = kGatesBuyItem, .balance = 500000000,
         .check = [](H& h) { EXPECT_EQ(W(h).AirportById(1).gates[1].owner, 2); }},
        // At the ends of the balance's range a gate trade may reach the limit, never pass it.
        {.setup = [](H& h) { Player(h).balance = kBottom + 425000; }, .item = kGatesNextItem},
        {.item = kGatesBuyItem, .balance = kBottom}, {.item = kGatesNextItem},
        {.item = kGatesBuyItem, .status = "Balance Limit Exceeded", .shows = {{kGatesOwnerItem, "AVAILABLE"}},
         .balance = kBottom},
        {.setup = [](H& h) { Player(h).balance = kTop - 425000 + 1; }, .item = kGatesPreviousItem},
        {.item = kGatesSellItem, .shows = {{kGatesOwnerItem, "NOT AVAILABLE"}}, .balance = kTop - 425000 + 1,
         .check = [](H& h) { EXPECT_EQ(Player(h).overall[LedgerEntry::IncomeSoldGates], 425000); }}});
}

TEST_F(AirportScreens, StepsStayWithinTheAirportsAndGatesAndCloseStartsOverAtGateOne) {
  Play({{.menu = kGates, .item = kAirportBackItem}, At(kAirportFiveBackItem, 1, 1), At(kGatesPreviousItem, 1, 1),
        At(kGatesNextItem, 25, 1, "20"),
        At(kAirportFiveOnItem, 11, 51),  // 1 + 45 = 46, then 51; no further
        {.item = kAirportForwardItem, .times = 2, .shows = {{kAirportCodeItem, "ZRH"}}},
        At(kAirportFiveBackItem, 11, 2),  // 52 - 45 = 7, then 2; no further
        At(kAirportFiveOnItem, 9, 47), At(kAirportFiveOnItem, 1, 47),  // from 47 a step of five on does nothing
        At(kAirportFiveBackItem, 8, 7), At(kAirportBackItem, 1, 6),
        At(kAirportFiveBackItem, 1, 6),  // nor does one back from 6
        {.item = kGatesNextItem, .times = 4}, {.item = kGatesOkItem},
        {.menu = kGates, .shows = {{kAirportCodeItem, "ATL"}, {kGatesNumberItem, "1"}}}});
}

}  // namespace
}  // namespace jetvale
