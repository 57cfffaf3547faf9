// World construction: every slot of the game is made here, once, in a fixed order of random draws.
#include "world/world.h"

#include "text/double_text.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr double kAllAirportsAnnualPassengers = 1419816750.0;
constexpr int kDailyPassengersDivisor = 356;  // the game's divisor, not the days of the year

// The airport's share of all traffic, rounded to nine decimals like a stored constant.
double TrafficWeight(int annualPassengers) {
  double weight = 0;
  ParseDouble(FixedText(annualPassengers / kAllAirportsAnnualPassengers, 9), weight);
  return weight;
}

void BuildAirport(Airport& airport, AirportGates& gates, const AirportInfo& info) {
  airport.info = &info;
  airport.dailyPassengers = info.annualPassengers / kDailyPassengersDivisor;
  airport.trafficWeight = TrafficWeight(info.annualPassengers);
  airport.dailyRefresh.SetAll();
  for (int number = 0; number < kGatesPerAirport; ++number) {
    At(gates, number).number = number;
  }
}

// Program-run airlines draw a personality, then every entry of their decision sequence.
void DrawStrategy(Random& random, AirlineStrategy& strategy, DecisionSequence& sequence) {
  strategy.personality = random.Below(10);
  const auto& row = At(kDecisionRows, strategy.Class());
  for (int& entry : sequence) entry = At(row, random.Below(10));
}

}  // namespace

World::World(Random& random) : registrations(random) {
  for (const AirportInfo& info : kAirportTable) BuildAirport(AirportById(info.id), GatesAt(info.id), info);
  for (int index = 0; index < kAirlineCount; ++index) {
    Airline& airline = At(airlines, index);
    airline.index = index;
    if (index > 0) DrawStrategy(random, airline.strategy, At(decisions, index));
    for (Plane& plane : airline.planes) plane.tag = registrations.Take();
  }
}

}  // namespace jetvale
