// Which planes are due when: a leg's state names the time it waits for, and only the current leg steps.
#include "sim/due_legs.h"

#include <algorithm>
#include <bit>

#include "sim/flight_state.h"
#include "world/at_index.h"

namespace jetvale {

int NextTimeTest(const Plane& plane) {
  if (!plane.inUse || plane.currentLeg < 0 || plane.currentLeg >= std::min(plane.legCount, kLegSlots)) {
    return kNeverDue;
  }
  const Flight& leg = At(plane.legs, plane.currentLeg);
  if (!leg.active) return kNeverDue;
  const int slot = StateChangeSlot(leg);
  return slot < 0 ? kNeverDue : slot;
}

void DueLegs::Rebuild(const World& world) {
  due_ = {};
  for (int airline = 0; airline < kAirlineCount; ++airline) {
    const auto& planes = jetvale::At(world.airlines, airline).planes;
    for (int slot = 0; slot < kPlaneSlots; ++slot) File(jetvale::At(planes, slot), {airline, slot});
  }
}

void DueLegs::File(const Plane& plane, PlaneKey key) {
  const int next = NextTimeTest(plane);
  if (next == kNeverDue) return;
  FileUnder(next, jetvale::At(kStateSteps, jetvale::At(plane.legs, plane.currentLeg).state).trip, key);
}

std::vector<PlaneKey> DueLegs::At(int slot) const {
  std::vector<PlaneKey> keys;
  if (slot < 0 || slot >= kQuarterSlotsPerDay) return keys;
  PlaneBits planes{};
  for (const auto& kind : due_) {
    const PlaneBits& filed = jetvale::At(kind, slot).planes;
    for (std::size_t word = 0; word < planes.size(); ++word) planes[word] |= filed[word];
  }
  for (std::size_t word = 0; word < planes.size(); ++word) {
    // Lowest bit first: keys in increasing order.
    for (std::uint64_t bits = planes[word]; bits != 0; bits &= bits - 1) {
      const int bit = static_cast<int>(word) * kWordBits + std::countr_zero(bits);
      keys.push_back({bit / kPlaneSlots, bit % kPlaneSlots});
    }
  }
  return keys;
}

}  // namespace jetvale
