// The side state's lines, in a fixed order: "seed", a "strategy" line for each program-run airline; "plane" and
// "leg" lines for every plane in use and its legs, "slot" lines for planes not in use that play has changed and
// "spare" lines for legs beyond a trip; an "airport" line for every airport, then "route" lines for the demand
// that differs from a new world's and "gate" lines for every gate with a reservation.
#include "save/side_state.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>

#include "save/line_words.h"
#include "save/save_layout.h"
#include "sim/flight_state.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr std::uint32_t kUint32Max = std::numeric_limits<std::uint32_t>::max();
constexpr int kMostRivalState = 99;  // the rivals idle in a state they do not know
// Reservations start two quarter hours before a departure and may lie past midnight, as the leg's own slots do.
constexpr int kFirstHeldSlot = -2;
constexpr int kLastHeldSlot = 8 * kQuarterSlotsPerDay;
constexpr int kMostHeldSlots = 3;
constexpr int kHighestLegKey = LegKey(kAirlineCount - 1, kPlaneSlots - 1, kLegSlots - 1);

void Append(std::string& out, long long value) { out.append(" ").append(std::to_string(value)); }
void AppendMoney(std::string& out, double value) {
  out += ' ';
  AppendDouble(out, value);
}
template <std::size_t N>
void AppendAll(std::string& out, const std::array<int, N>& values) {
  for (const int value : values) Append(out, value);
}
// A flag is written as 1 or 0.
void AppendFlag(std::string& out, bool flag) { Append(out, flag ? 1 : 0); }
void AppendHold(std::string& out, const GateHold& hold) {
  for (const int value : {hold.airport, hold.gate, hold.firstSlot, hold.slotCount}) Append(out, value);
}

bool RouteAsBuilt(const Airport& airport, int destination) {
  for (int airline = 0; airline < kAirlineCount; ++airline) {
    if (At(At(airport.routeDemand, destination), airline) != 0 || !airport.dailyRefresh.Get(destination, airline)) {
      return false;
    }
  }
  return true;
}

bool GateFree(const Gate& gate) {
  for (const std::uint16_t key : gate.reserved) {
    if (key != 0) return false;
  }
  return true;
}

// A slot of a plane not in use, or a leg beyond its plane's trip, that play has left other than a new world
// has it: its figures come back when the player buys into the slot or lengthens the trip again.
bool LegTouched(const Flight& leg) { return leg != Flight{}; }
bool SlotTouched(const Plane& plane) {
  Plane fresh;
  fresh.tag = plane.tag;
  return plane != fresh;
}

// A record's fields as words, by the saved game's own walk, every double exact and the tag in hexadecimal (a
// tag from another writer may hold blanks).
class WordsOut {
 public:
  explicit WordsOut(std::string& out) : out_(out) {}
  bool Check(bool /*sound*/, const char* /*what*/) { return true; }
  bool Value(int /*key*/, int value) {
    Append(out_, value);
    return true;
  }
  bool Value(int /*key*/, double value) {
    AppendMoney(out_, value);
    return true;
  }
  bool Value(int /*key*/, const std::string& text) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    out_ += ' ';
    if (text.empty()) out_ += '-';
    for (const char c : text) {
      out_ += kDigits[static_cast<unsigned char>(c) >> 4];
      out_ += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    return true;
  }

 private:
  std::string& out_;
};

// Reads them back, each within its field's range.
class WordsIn {
 public:
  explicit WordsIn(Words& words) : words_(words) {}
  bool Check(bool sound, const char* /*what*/) { return sound; }
  bool Value(int key, int& value) {
    int read = 0;
    if (!words_.Whole(read, std::numeric_limits<int>::min(), kIntMax) || !SaveFieldOf(key).Takes(read)) return false;
    value = read;
    return true;
  }
  bool Value(int key, double& value) {
    double read = 0;
    if (!ParseDouble(words_.Next(), read) || !SaveFieldOf(key).Takes(read)) return false;
    value = read;
    return true;
  }
  bool Value(int key, std::string& text) {
    const std::string_view word = words_.Next();
    std::string read;
    for (std::size_t at = 0; word != "-" && at < word.size(); at += 2) {
      int code = 0;
      const auto [end, error] = std::from_chars(word.data() + at, word.data() + std::min(at + 2, word.size()), code, 16);
      if (error != std::errc{} || end != word.data() + at + 2 || code < 0x20 || code > 0x7E) return false;
      read += static_cast<char>(code);
    }
    if (word.empty() || static_cast<double>(read.size()) > SaveFieldOf(key).high) return false;
    text = std::move(read);
    return true;
  }

 private:
  Words& words_;
};

void AppendSpareLeg(std::string& out, int airline, int slot, int index, const Flight& leg) {
  out.append("spare");
  for (const int value : {airline, slot, index}) Append(out, value);
  WordsOut words(out);
  WalkLeg(words, leg);
  for (const bool flag : {leg.scheduled, leg.overnight, leg.active}) AppendFlag(out, flag);
  out += '\n';
}

template <std::size_t N>
bool ReadAll(Words& words, std::array<int, N>& values, int low, int high) {
  for (int& value : values) {
    if (!words.Whole(value, low, high)) return false;
  }
  return true;
}
// The route's flag of each airline in turn.
bool ReadFlags(Words& words, RouteFlags& flags, int destination) {
  for (int airline = 0; airline < kAirlineCount; ++airline) {
    bool flag = false;
    if (!words.Flag(flag)) return false;
    flags.Set(destination, airline, flag);
  }
  return true;
}

// A hold of nothing reads as the empty hold; any other names a gate and slots of the day around it.
bool ReadHold(Words& words, int holder, GateHold& hold) {
  GateHold read{0, 0, 0, 0, holder};
  if (!words.Whole(read.airport, 0, kAirportCount) || !words.Whole(read.gate, 0, kGatesPerAirport - 1) ||
      !words.Whole(read.firstSlot, kFirstHeldSlot, kLastHeldSlot) || !words.Whole(read.slotCount, 0, kMostHeldSlots)) {
    return false;
  }
  if (read.slotCount == 0) {
    hold = GateHold{};
    return read.airport == 0 && read.gate == 0 && read.firstSlot == 0;
  }
  hold = read;
  return IsValidAirportId(read.airport);
}

// Reads the lines in the order they were written, each against the game the saved game made.
class SideReader {
 public:
  SideReader(std::span<const std::string_view> lines, GameState& game) : lines_(lines), game_(game) {}

  bool Read() {
    return Seed() && Strategies() && Fleets() && Airports() && Routes() && Gates() && next_ == lines_.size();
  }

 private:
  // The next line, when it starts with `kind`; its other words follow.
  bool Line(std::string_view kind, Words& words) {
    if (next_ == lines_.size()) return false;
    words = Words(lines_[next_]);
    if (words.Next() != kind) return false;
    next_ += 1;
    return true;
  }
  bool Peek(std::string_view kind) const {
    return next_ < lines_.size() && Words(lines_[next_]).Next() == kind;
  }

  // The world's own draws come from its seed: a game saved in another run was drawn from another one.
  bool Seed() {
    Words words("");
    std::uint32_t seed = 0;
    std::uint32_t random = 0;
    if (!Line("seed", words) || !words.Whole(seed, 0u, kUint32Max) || !words.Whole(random, 0u, kUint32Max) ||
        !words.Flag(game_.clock.newDay) || !words.Done()) {
      return false;
    }
    if (seed != game_.seed) {
      Random draws(seed);
      const auto built = std::make_unique<World>(draws);
      World& world = game_.world;
      world.registrations = built->registrations;
      world.decisions = built->decisions;
      for (std::size_t a = 0; a < kAirlineCount; ++a) {
        world.airlines[a].strategy.personality = built->airlines[a].strategy.personality;
        for (std::size_t p = 0; p < kPlaneSlots; ++p) {
          if (!world.airlines[a].planes[p].inUse) world.airlines[a].planes[p].tag = built->airlines[a].planes[p].tag;
        }
      }
      game_.seed = seed;
    }
    game_.random.Seed(random);
    return true;
  }

  bool Strategies() {
    for (int a = 1; a < kAirlineCount; ++a) {
      Words words("");
      int airline = 0;
      AirlineStrategy& strategy = At(game_.world.airlines, a).strategy;
      if (!Line("strategy", words) || !words.Whole(airline, a, a) || !words.Whole(strategy.plane, 0, kPlaneSlots - 1) ||
          !words.Whole(strategy.state, 0, kMostRivalState) || !words.Whole(strategy.cursor, 0, kDecisionCount) ||
          !words.Done()) {
        return false;
      }
    }
    return true;
  }

  bool Fleets() {
    for (Airline& airline : game_.world.airlines) {
      for (int slot = 0; slot < kPlaneSlots; ++slot) {
        Plane& plane = At(airline.planes, slot);
        const bool read = plane.inUse ? PlaneLine(airline.index, slot, plane) &&
                                            SpareLegs(airline.index, slot, plane, plane.legCount)
                                      : SlotLine(airline.index, slot, plane);
        if (!read) return false;
      }
    }
    return true;
  }

  // Whether the next line is of `kind` and about these slots.
  bool About(std::string_view kind, std::initializer_list<int> slots) const {
    if (!Peek(kind)) return false;
    Words words(lines_[next_]);
    words.Next();
    for (const int slot : slots) {
      int read = 0;
      if (!words.Whole(read, slot, slot)) return false;
    }
    return true;
  }

  // A slot not in use that play has changed, if this one is.
  bool SlotLine(int airline, int slot, Plane& plane) {
    if (!About("slot", {airline, slot})) return true;
    Words words("");
    int skipped = 0;
    Line("slot", words);
    WordsIn fields(words);
    return words.Whole(skipped, airline, airline) && words.Whole(skipped, slot, slot) &&
           words.Whole(plane.revenue, -kIntMax - 1, kIntMax) && words.Whole(plane.profit, -kIntMax - 1, kIntMax) &&
           words.Whole(plane.expenses, -kIntMax - 1, kIntMax) && words.Whole(plane.currentLeg, 0, kLegSlots - 1) &&
           WalkPlane(fields, plane) && words.Done() && SpareLegs(airline, slot, plane, 0);
  }

  // The legs from `first` on that play has changed, each of them once.
  bool SpareLegs(int airline, int slot, Plane& plane, int first) {
    for (int index = std::max(first, 0); index < kLegSlots; ++index) {
      if (!About("spare", {airline, slot, index})) continue;
      Words words("");
      Line("spare", words);
      for (int skipped = 0; const int word : {airline, slot, index}) words.Whole(skipped, word, word);
      Flight& leg = At(plane.legs, index);
      WordsIn fields(words);
      if (!WalkLeg(fields, leg) || !words.Flag(leg.scheduled) || !words.Flag(leg.overnight) ||
          !words.Flag(leg.active) || !words.Done()) {
        return false;
      }
    }
    return true;
  }

  bool PlaneLine(int airline, int slot, Plane& plane) {
    Words words("");
    int readAirline = 0;
    int readSlot = 0;
    if (!Line("plane", words) || !words.Whole(readAirline, airline, airline) || !words.Whole(readSlot, slot, slot) ||
        !words.Whole(plane.currentLeg, 0, std::max(plane.legCount - 1, 0)) ||
        !words.Whole(plane.revenue, -kIntMax - 1, kIntMax) || !words.Whole(plane.profit, -kIntMax - 1, kIntMax) ||
        !words.Whole(plane.expenses, -kIntMax - 1, kIntMax) || !words.Done()) {
      return false;
    }
    for (int index = 0; index < plane.legCount; ++index) {
      Flight& leg = At(plane.legs, index);
      const int holder = LegKey(airline, slot, index);
      int readLeg = 0;
      if (!Line("leg", words) || !words.Whole(readAirline, airline, airline) || !words.Whole(readSlot, slot, slot) ||
          !words.Whole(readLeg, index, index) || !words.Money(leg.revenue) || !words.Money(leg.expenses) ||
          !words.Money(leg.profit) || !ReadHold(words, holder, leg.departureHold) ||
          !ReadHold(words, holder, leg.arrivalHold) || !words.Done()) {
        return false;
      }
    }
    return true;
  }

  bool Airports() {
    for (int id = 1; id <= kAirportCount; ++id) {
      Airport& airport = game_.world.AirportById(id);
      Words words("");
      int readId = 0;
      if (!Line("airport", words) || !words.Whole(readId, id, id) ||
          !ReadAll(words, airport.departures, 0, kCounterCeiling) ||
          !ReadAll(words, airport.passengers, 0, kCounterCeiling) ||
          !ReadAll(words, airport.seatsOffered, 0, kCounterCeiling) ||
          !ReadAll(words, airport.legsInto, 0, kCounterCeiling) ||
          !ReadAll(words, airport.passengersToday, 0, kCounterCeiling) ||
          !words.Whole(airport.passengersTodayAll, 0, kCounterCeiling) || !words.Done()) {
        return false;
      }
    }
    return true;
  }

  // In rising order of airport and destination, so none comes twice.
  bool Routes() {
    int previous = -1;
    while (Peek("route")) {
      Words words("");
      int id = 0;
      int destination = 0;
      Line("route", words);
      if (!words.Whole(id, 1, kAirportCount) || !words.Whole(destination, 1, kAirportCount)) return false;
      const int order = id * (kAirportCount + 1) + destination;
      Airport& airport = game_.world.AirportById(id);
      if (order <= previous || !ReadAll(words, At(airport.routeDemand, destination), 0, kIntMax) ||
          !ReadFlags(words, airport.dailyRefresh, destination) || !words.Done()) {
        return false;
      }
      previous = order;
    }
    return true;
  }

  bool Gates() {
    int previous = -1;
    while (Peek("gate")) {
      Words words("");
      int id = 0;
      int number = 0;
      Line("gate", words);
      if (!words.Whole(id, 1, kAirportCount) || !words.Whole(number, 0, kGatesPerAirport - 1)) return false;
      const int order = id * kGatesPerAirport + number;
      if (order <= previous) return false;
      for (std::uint16_t& key : At(game_.world.GatesAt(id), number).reserved) {
        int read = 0;
        if (!words.Whole(read, 0, kHighestLegKey)) return false;
        key = static_cast<std::uint16_t>(read);
      }
      if (!words.Done()) return false;
      previous = order;
    }
    return true;
  }

  std::span<const std::string_view> lines_;
  GameState& game_;
  std::size_t next_ = 0;
};

}  // namespace

void AppendSideState(std::string& out, const GameState& game) {
  const World& world = game.world;
  out.append("seed");
  Append(out, game.seed);
  Append(out, game.random.State());
  AppendFlag(out, game.clock.newDay);
  out += '\n';
  for (int a = 1; a < kAirlineCount; ++a) {
    const AirlineStrategy& strategy = At(world.airlines, a).strategy;
    out.append("strategy");
    for (const int value : {a, strategy.plane, strategy.state, strategy.cursor}) Append(out, value);
    out += '\n';
  }
  for (const Airline& airline : world.airlines) {
    for (int slot = 0; slot < kPlaneSlots; ++slot) {
      const Plane& plane = At(airline.planes, slot);
      if (!plane.inUse) {
        if (!SlotTouched(plane)) continue;
        out.append("slot");
        for (const int value : {airline.index, slot, plane.revenue, plane.profit, plane.expenses, plane.currentLeg}) {
          Append(out, value);
        }
        WordsOut words(out);
        WalkPlane(words, plane);
        out += '\n';
        for (int index = 0; index < kLegSlots; ++index) {
          const Flight& leg = At(plane.legs, index);
          if (LegTouched(leg)) AppendSpareLeg(out, airline.index, slot, index, leg);
        }
        continue;
      }
      out.append("plane");
      for (const int value : {airline.index, slot, plane.currentLeg, plane.revenue, plane.profit, plane.expenses}) {
        Append(out, value);
      }
      out += '\n';
      for (int index = 0; index < plane.legCount; ++index) {
        const Flight& leg = At(plane.legs, index);
        out.append("leg");
        for (const int value : {airline.index, slot, index}) Append(out, value);
        for (const double money : {leg.revenue, leg.expenses, leg.profit}) AppendMoney(out, money);
        AppendHold(out, leg.departureHold);
        AppendHold(out, leg.arrivalHold);
        out += '\n';
      }
      for (int index = std::max(plane.legCount, 0); index < kLegSlots; ++index) {
        const Flight& leg = At(plane.legs, index);
        if (LegTouched(leg)) AppendSpareLeg(out, airline.index, slot, index, leg);
      }
    }
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    const Airport& airport = world.AirportById(id);
    out.append("airport");
    Append(out, id);
    for (const PerAirline* counts : {&airport.departures, &airport.passengers, &airport.seatsOffered,
                                     &airport.legsInto, &airport.passengersToday}) {
      AppendAll(out, *counts);
    }
    Append(out, airport.passengersTodayAll);
    out += '\n';
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    const Airport& airport = world.AirportById(id);
    for (int destination = 1; destination <= kAirportCount; ++destination) {
      if (RouteAsBuilt(airport, destination)) continue;
      out.append("route");
      Append(out, id);
      Append(out, destination);
      AppendAll(out, At(airport.routeDemand, destination));
      for (int airline = 0; airline < kAirlineCount; ++airline) {
        AppendFlag(out, airport.dailyRefresh.Get(destination, airline));
      }
      out += '\n';
    }
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    for (const Gate& gate : world.GatesAt(id)) {
      if (GateFree(gate)) continue;
      out.append("gate");
      Append(out, id);
      Append(out, gate.number);
      for (const std::uint16_t key : gate.reserved) Append(out, key);
      out += '\n';
    }
  }
}

bool ReadSideState(std::span<const std::string_view> lines, GameState& game) {
  return SideReader(lines, game).Read();
}

}  // namespace jetvale
