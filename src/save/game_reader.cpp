// The reader walks the records in the order the writer lists them and takes each value only when it lies in
// its field's range. Files of other writers differ in their line ends and number forms, and may carry records
// of keys this game does not know: those are skipped. A record missing, repeated or out of its place refuses
// the file, as a cut or shifted file must be.
#include "save/game_reader.h"

#include <array>

#include "save/save_layout.h"
#include "save/value_text.h"
#include "sim/schedule.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

// Far longer than any value line a writer makes (a double with 50 digits is under 60 characters), and short
// enough that no line costs the number parser much.
constexpr std::size_t kMaxReadLine = 128;

// Upper-case letters, digits and underscores, starting with a letter: a key of some other version.
bool LooksLikeKey(std::string_view line) {
  if (line.empty() || line[0] < 'A' || line[0] > 'Z') return false;
  for (const char c : line) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  }
  return true;
}

bool Printable(std::string_view text) {
  for (const char c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

class Reader {
 public:
  static constexpr bool kReads = true;

  Reader(std::string_view text, World& world) : rest_(text), world_(world) {}

  bool Index(int key, int expected) {
    int value = 0;
    if (!Value(key, value)) return false;
    return value == expected || Fail(SaveFieldOf(key).key, " ", value, " where ", expected, " belongs");
  }

  // What spans several fields of a record.
  bool Check(bool sound, const char* what) { return sound || Fail(what); }

  bool Value(int key, int& value) {
    const SaveField& field = SaveFieldOf(key);
    std::string_view text;
    int number = 0;
    if (!Next(field, text)) return false;
    if (!ParseInt(text, number) || !field.Takes(number)) return Refused(field, text);
    value = number;
    return true;
  }

  bool Value(int key, double& value) {
    const SaveField& field = SaveFieldOf(key);
    std::string_view text;
    if (!Next(field, text)) return false;
    double number = 0;
    bool parsed = false;
    if (field.kind == ValueKind::Pixel) {
      int whole = 0;
      parsed = ParseInt(text, whole);
      number = whole;
    } else {
      parsed = ParseDouble(text, number);
    }
    if (!parsed || !field.Takes(number)) return Refused(field, text);
    value = number;
    return true;
  }

  bool Value(int key, std::string& value) {
    const SaveField& field = SaveFieldOf(key);
    std::string_view text;
    if (!Next(field, text)) return false;
    if (static_cast<double>(text.size()) > field.high || !Printable(text)) return Refused(field, text);
    value.assign(text);
    return true;
  }

  // A count, then as many slots, each under its slot number: in rising order, so none comes twice.
  template <typename Slot, std::size_t N, typename Visit>
  bool Slots(int countKey, int idKey, int& count, std::array<Slot, N>& slots, Visit visit) {
    if (!Value(countKey, count)) return false;
    int previous = -1;
    for (int listed = 0; listed < count; ++listed) {
      int slot = 0;
      if (!Value(idKey, slot)) return false;
      if (slot <= previous) return Fail("slot ", slot, " after slot ", previous);
      previous = slot;
      At(slots, slot).inUse = true;
      if (!visit(At(slots, slot), slot)) return false;
    }
    return true;
  }

  // The leg is placed again with its own airports, departure and gates; a load buys and reserves nothing.
  void LegRead(int airline, int plane, int legIndex) {
    Flight& leg = At(At(At(world_.airlines, airline).planes, plane).legs, legIndex);
    PlaceLeg(world_, airline, plane, legIndex, leg.departure, leg.origin, leg.destination);
    leg.scheduled = true;
    leg.active = true;
  }

  // After the last record only records of unknown keys may follow.
  bool Finish() {
    while (!rest_.empty()) {
      std::string_view key;
      std::string_view value;
      if (!NextLine(key)) return false;
      if (!LooksLikeKey(key) || IsSaveKey(key)) return Fail("'", key, "' after the last record");
      if (rest_.empty()) return Fail("the file ends inside a record");
      if (!NextLine(value)) return false;
    }
    return true;
  }

  std::string problem;

 private:
  // The value line of the record of `field`, passing over records of unknown keys.
  bool Next(const SaveField& field, std::string_view& value) {
    for (;;) {
      std::string_view key;
      if (rest_.empty()) return Fail("the file ends before ", field.key);
      if (!NextLine(key)) return false;
      const bool expected = key == field.key;
      if (!expected && (IsSaveKey(key) || !LooksLikeKey(key))) {
        return Fail("'", key, "' where ", field.key, " belongs");
      }
      if (rest_.empty()) return Fail("the file ends inside a record");
      if (!NextLine(value)) return false;
      if (expected) return true;
    }
  }

  // The next line without its line end, a line feed or a carriage return and a line feed; the last line may
  // have none.
  bool NextLine(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    lineNumber_ += 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line.size() <= kMaxReadLine || Fail("a line longer than ", static_cast<int>(kMaxReadLine), " characters");
  }

  bool Refused(const SaveField& field, std::string_view text) {
    return Fail(field.key, " '", text.substr(0, 40), "' is no value of the game");
  }
  // The problem's text is appended piece by piece (GCC 12 warns falsely of overlaps in chained operator+).
  static std::string Piece(int number) { return std::to_string(number); }
  static std::string_view Piece(std::string_view text) { return text; }
  template <typename... Pieces>
  bool Fail(const Pieces&... pieces) {
    problem.assign("line ").append(std::to_string(lineNumber_)).append(": ");
    (problem.append(Piece(pieces)), ...);
    return false;
  }

  std::string_view rest_;
  World& world_;
  int lineNumber_ = 0;
};

}  // namespace

bool ReadSavedGame(std::string_view text, World& world, GameClock& clock, std::string* problem) {
  Reader reader(text, world);
  const bool read = WalkSavedGame(reader, world, clock) && reader.Finish();
  if (!read && problem != nullptr) *problem = reader.problem;
  return read;
}

}  // namespace jetvale
