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
  words_ = {};
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
  Taken both{{}, 0};
  for (std::size_t kind = 0; kind < due_.size(); ++kind) {
    const PlaneBits& filed = jetvale::At(jetvale::At(due_, static_cast<int>(kind)), slot);
    for (std::size_t word = 0; word < filed.size(); ++word) both.planes[word] |= filed[word];
    both.words |= jetvale::At(jetvale::At(words_, static_cast<int>(kind)), slot);
  }
  auto collect = [&keys](PlaneKey key) { keys.push_back(key); };
  VisitEach(both, collect);
  return keys;
}

}  // namespace jetvale
