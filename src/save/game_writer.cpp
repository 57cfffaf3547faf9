// The writer: one record is a key line and a value line, each ended by a line feed.
#include "save/game_writer.h"

#include "save/save_layout.h"
#include "save/value_text.h"
#include "world/money.h"

namespace jetvale {
namespace {

class Writer {
 public:
  static constexpr bool kReads = false;

  explicit Writer(std::string& out) : out_(out) {}

  bool Index(int key, int index) { return Value(key, index); }
  bool Check(bool /*sound*/, const char* /*what*/) { return true; }

  bool Value(int key, int value) {
    Key(key);
    AppendInt(out_, value);
    return Line();
  }
  bool Value(int key, double value) {
    Key(key);
    // The three leg totals keep only their whole units in the file.
    if (SaveFieldOf(key).kind == ValueKind::WholeDouble) {
      AppendInt(out_, TruncateToInt(value));
    } else {
      AppendDouble(out_, value);
    }
    return Line();
  }
  bool Value(int key, const std::string& value) {
    Key(key);
    out_.append(value);
    return Line();
  }

  // Only the slots in use are listed, each under its own number; the count is theirs.
  template <typename Slot, std::size_t N, typename Visit>
  bool Slots(int countKey, int idKey, int /*count*/, const std::array<Slot, N>& slots, Visit visit) {
    int inUse = 0;
    for (const Slot& slot : slots) inUse += slot.inUse ? 1 : 0;
    Value(countKey, inUse);
    for (std::size_t index = 0; index < N; ++index) {
      if (!slots[index].inUse) continue;
      Index(idKey, static_cast<int>(index));
      visit(slots[index], static_cast<int>(index));
    }
    return true;
  }

 private:
  void Key(int key) {
    out_.append(SaveFieldOf(key).key);
    out_.push_back('\n');
  }
  bool Line() {
    out_.push_back('\n');
    return true;
  }
  std::string& out_;
};

}  // namespace

std::string WriteSavedGame(const World& world, const GameClock& clock) {
  std::string out;
  out.reserve(256 * 1024);
  Writer writer(out);
  WalkSavedGame(writer, world, clock);
  return out;
}

}  // namespace jetvale
