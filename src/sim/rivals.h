// The airlines the program runs: once a day each takes one step of its strategy, buying, borrowing or routing.
#pragma once

#include "world/random.h"
#include "world/world.h"

namespace jetvale {

// Strategy states.
constexpr int kChooseTypeAtStart = 0;
constexpr int kBuyFokker100 = 3;
constexpr int kBuyB757 = 4;
constexpr int kBuyB777 = 5;
constexpr int kChooseType = 7;
constexpr int kRouteNewPlane = 9;
constexpr int kIdle = 10;
constexpr int kIdleToo = 11;
constexpr int kDrawNextState = 13;

// What a rival borrows when it is short of cash for the plane it wants: the plane's price at these terms.
constexpr double kRivalLoanRate = 0.0583;
constexpr int kRivalLoanMonths = 150;

// The slot of a rival's new leg 0 and where its return leg starts: 03:45, and 23 slots after the arrival plus
// the airline's index, so that rivals on one route leave a quarter hour apart.
constexpr int kRivalDepartureSlot = 15;
constexpr int kRivalReturnDelay = 23;

// One day's step of program-run airline `airline` (1..3), drawing from `random` where its strategy says so.
void RivalDailyStep(World& world, Random& random, int airline);

}  // namespace jetvale
