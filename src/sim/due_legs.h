// An index of planes by the quarter hour of their current leg's next time test, so a tick visits only the
// planes that can change on it.
#pragma once

#include <array>
#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/flight_state.h"
#include "world/at_index.h"
#include "world/world.h"

namespace jetvale {

constexpr int kNeverDue = -1;

// The quarter hour of the day (0..95) at which the plane's current leg can next change state, or kNeverDue when
// no leg of the plane can step: a slot not in use, a current leg outside its legs, an inactive leg, an unknown
// state.
int NextTimeTest(const Plane& plane);

// A plane slot of the world; keys in increasing order are the order the flight cycle steps planes in.
struct PlaneKey {
  int airline = 0;
  int slot = 0;
  auto operator<=>(const PlaneKey&) const = default;
};

// The planes due at each quarter hour, one bit per plane slot, so a plane is filed once and read in key order.
// An entry that no longer matches its plane (a plane sold or rescheduled since) costs one look and is dropped
// when the plane is filed again; a plane missing from its list would not fly, so whatever changes a leg's times
// outside the flight cycle sets World::schedulesChanged and the index is rebuilt from the world before the next
// pass.
class DueLegs {
 public:
  // Files every plane of the world under its next time test.
  void Rebuild(const World& world);
  // Takes the planes filed under `slot` out of the index and calls visit(key) for each: first, in key order, the
  // planes whose step only moves a leg's state on, then, in key order, those whose step boards or settles a
  // trip. No step reads another plane's leg state, so the first kind may go before the second; kept apart, each
  // run of visits takes the same branches. A plane that visit files again under `slot` waits for the next take.
  template <class Visit>
  void TakeEach(int slot, Visit visit) {
    if (!AnyDue(slot)) return;
    const auto at = static_cast<std::size_t>(slot);
    const Taken trips = Take(kTripSteps, at);
    const Taken stateSteps = Take(kStateOnlySteps, at);
    VisitEach(stateSteps, visit);
    VisitEach(trips, visit);
  }
  // Whether any plane is filed under `slot`.
  bool AnyDue(int slot) const {
    if (slot < 0 || slot >= kQuarterSlotsPerDay) return false;
    const auto at = static_cast<std::size_t>(slot);
    return (words_[kTripSteps][at] | words_[kStateOnlySteps][at]) != 0;
  }
  // Files the plane in slot `key` under its next time test, unless it is there already or never due.
  void File(const Plane& plane, PlaneKey key);
  // File for a plane in use whose current leg, active, is `leg`, which has just stepped.
  void FileSteppedLeg(const Flight& leg, PlaneKey key) {
    FileUnder(NextStateChangeSlot(leg), jetvale::At(kStateSteps, leg.state).trip, key);
  }
  // The planes filed under `slot`, in key order.
  std::vector<PlaneKey> At(int slot) const;

 private:
  static constexpr int kWordBits = 64;
  // Each airline's planes take 128 bits, so a bit's airline and slot are a shift and a mask away.
  static constexpr int kAirlineBitsShift = 7;
  static_assert(kPlaneSlots <= 1 << kAirlineBitsShift);
  // The planes of one kind under one quarter hour: one cache line, copied and cleared in whole vector moves.
  using PlaneBits = std::array<std::uint64_t, (kAirlineCount << kAirlineBitsShift) / kWordBits>;
  static_assert(sizeof(PlaneBits) == 64);
  // The two kinds of step a plane can be filed for.
  static constexpr int kTripSteps = 0;
  static constexpr int kStateOnlySteps = 1;
  // The planes of a take, and one bit for every word of them that holds one.
  struct Taken {
    PlaneBits planes;
    unsigned words;
  };

  Taken Take(int kind, std::size_t slot) {
    PlaneBits& filed = due_[static_cast<std::size_t>(kind)][slot];
    std::uint8_t& words = words_[static_cast<std::size_t>(kind)][slot];
    const Taken taken{filed, words};
    filed = {};
    words = 0;
    return taken;
  }

  // Lowest word and bit first: keys in increasing order.
  template <class Visit>
  static void VisitEach(const Taken& taken, Visit& visit) {
    for (unsigned left = taken.words; left != 0; left &= left - 1) {
      const int word = std::countr_zero(left);
      for (std::uint64_t bits = taken.planes[static_cast<std::size_t>(word)]; bits != 0; bits &= bits - 1) {
        const int bit = word * kWordBits + std::countr_zero(bits);
        visit(PlaneKey{bit >> kAirlineBitsShift, bit & ((1 << kAirlineBitsShift) - 1)});
      }
    }
  }

  void FileUnder(int slot, bool trip, PlaneKey key) {
    const std::size_t kind = trip ? kTripSteps : kStateOnlySteps;
    const auto bit = static_cast<unsigned>(key.airline << kAirlineBitsShift | key.slot);
    jetvale::At(jetvale::At(due_, kind), slot)[bit / kWordBits] |= std::uint64_t{1} << (bit % kWordBits);
    jetvale::At(jetvale::At(words_, kind), slot) |= static_cast<std::uint8_t>(1U << (bit / kWordBits));
  }

  alignas(64) std::array<std::array<PlaneBits, kQuarterSlotsPerDay>, 2> due_{};
  std::array<std::array<std::uint8_t, kQuarterSlotsPerDay>, 2> words_{};
};

}  // namespace jetvale
