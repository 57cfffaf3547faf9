// Which planes are due when: a leg's state names the time it waits for, and only the current leg steps.
#include "sim/due_legs.h"

#include <algorithm>

#include "sim/flight_state.h"

namespace jetvale {

int NextTimeTest(const Plane& plane) {
  if (plane.inUse != 1 || plane.currentLeg < 0 || plane.currentLeg >= std::min(plane.legCount, kLegSlots)) {
    return kNeverDue;
  }
  const Flight& leg = plane.legs[static_cast<std::size_t>(plane.currentLeg)];
  if (leg.active != 1) return kNeverDue;
  switch (leg.state) {
    case kWaitingForBoarding:
    case kBoardingOpen: return SlotOfDay(leg.departure - 2);
    case kBoarded: return SlotOfDay(leg.departure);
    case kInTheAir: return SlotOfDay(leg.arrival - 1);
    case kApproaching: return SlotOfDay(leg.arrival);
    case kLanded: return SlotOfDay(leg.arrival + 1);
    default: return kNeverDue;
  }
}

void DueLegs::Rebuild(const World& world) {
  for (auto& planes : due_) planes.clear();
  for (int airline = 0; airline < kAirlineCount; ++airline) {
    for (int slot = 0; slot < kPlaneSlots; ++slot) {
      const int next = NextTimeTest(world.airlines[static_cast<std::size_t>(airline)].planes[static_cast<std::size_t>(slot)]);
      // Keys come in increasing order, so appending keeps every list sorted.
      if (next != kNeverDue) due_[static_cast<std::size_t>(next)].push_back({airline, slot});
    }
  }
}

const std::vector<PlaneKey>& DueLegs::Take(int slot) {
  taken_.clear();
  // Swapping hands the lists' storage back and forth, so a running game stops allocating.
  if (slot >= 0 && slot < kQuarterSlotsPerDay) std::swap(taken_, due_[static_cast<std::size_t>(slot)]);
  return taken_;
}

void DueLegs::File(const World& world, PlaneKey key) {
  const int next =
      NextTimeTest(world.airlines[static_cast<std::size_t>(key.airline)].planes[static_cast<std::size_t>(key.slot)]);
  if (next == kNeverDue) return;
  std::vector<PlaneKey>& planes = due_[static_cast<std::size_t>(next)];
  const auto place = std::lower_bound(planes.begin(), planes.end(), key);
  if (place == planes.end() || *place != key) planes.insert(place, key);
}

}  // namespace jetvale
