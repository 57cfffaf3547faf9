// The saved games' list played through taps: a slot saved into, loaded into a running game and deleted, a spoilt
// file that reads "damaged" and is never loaded, and the autosaves kept over three month ends.
#include <filesystem>
#include <fstream>

#include "cli/simulation_run.h"
#include "save/saved_games.h"
#include "screens/story.h"

namespace jetvale {
namespace {

struct SavedGamesList : Stories {
  SavedGamesList()
      : Stories(JETVALE_ASSET_DIR, {kNewGame, {.item = {"choice", 0}}, {.item = kCommandBuy}}) {}  // a B 717-200
};

std::string Slot(H& h, int n) { return SavedGamePath(h.ui().saveFolder, 3 + static_cast<std::size_t>(n)); }
Step Key(Step then = {}) {  // F8, and a frame
  return then.setup = [](H& h) { h.game.SavedGamesKey(), h.RunFrames(1); }, then;
}
Step Ask(ItemName row, const char* button, Step then = {}) { return then.choice = row, then.item = {button}, then; }

TEST_F(SavedGamesList, ASlotIsSavedLoadedAndDeletedAndASpoiltFileIsNeverLoaded) {
  std::filesystem::remove_all(game.ui().saveFolder);
  std::filesystem::create_directories(game.ui().saveFolder);
  std::ofstream(Slot(game, 5), std::ios::binary) << "BALANCE\n12\n";
  Play({Key({.on = kSavedGamesWindow, .shows = {{{"game", 8}, "slot-5.txt"}, {{"date", 8}, "damaged"},
                                                 {{"date", 4}, "empty"}, {{"game", 0}, "am.txt"}}}),
        {.item = {"load"}, .status = "Please select a saved game", .on = kSavedGamesWindow},
        Ask({"game", 8}, "load", {.status = "Error during load", .on = kSavedGamesWindow}),
        Ask({"game", 0}, "save", {.status = "Only a slot can be saved into or deleted"}),
        Ask({"game", 5}, "save", {.on = kConfirmSavedGameWindow, .shows = {{{"question"}, "Are you sure - Save Game"}}}),
        {.item = {"yes"}, .frames = 1, .status = "Game saved", .on = kSavedGamesWindow,
         .shows = {{{"date", 5}, "Jan-1 Year 1"}, {{"airline", 5}, "Western"}, {{"planes", 5}, "1"}},
         .golden = "saved_games"},
        {.setup = [](H& h) { Player(h).balance = 7; }, .item = {"ok"}},
        Key(Ask({"game", 5}, "load")), {.item = {"yes"}, .status = "Game Loaded", .on = kToolbarWindow,
                                        .check = [](H& h) { EXPECT_EQ(Player(h).balance, 500000000 - 39500000); }},
        Key(Ask({"game", 5}, "delete")), {.item = {"no"}, .on = kSavedGamesWindow},
        Ask({"game", 5}, "delete"), {.item = {"yes"}, .status = "Game deleted", .shows = {{{"date", 5}, "empty"}},
                                     .check = [](H& h) { EXPECT_FALSE(std::filesystem::exists(Slot(h, 2))); }},
        Key({.on = kToolbarWindow, .check = [](H& h) { EXPECT_EQ(h.ui().command, kCommandClose); }})});
}

TEST_F(SavedGamesList, AMonthEndKeepsTheTwoAutosavesBeforeIt) {
  const auto monthEnd = [](H& h) {  // the clock on the last day of January, February or March, then a day of frames
    constexpr int kLastDay[] = {31, 28, 31};
    while (h.game.Game().clock.day != kLastDay[h.game.Game().clock.month - 1]) RunDays(h.game.Game(), 1);
    h.RunFrames(24 * 12);
  };
  const auto dates = [](std::vector<std::string> want) {
    return [want](H& h) {
      for (std::size_t n = 0; n < want.size(); ++n) {
        EXPECT_EQ(ReadSavedGameSummary(SavedGamePath(h.ui().saveFolder, 1 + n)).date, want[n]) << n;
      }
    };
  };
  std::filesystem::remove_all(game.ui().saveFolder);
  std::filesystem::create_directories(game.ui().saveFolder);
  Play({{.setup = monthEnd, .check = dates({"Feb-1 Year 1", "", ""})},
        {.setup = monthEnd, .check = dates({"Mar-1 Year 1", "Feb-1 Year 1", ""})},
        {.setup = monthEnd, .check = dates({"Apr-1 Year 1", "Mar-1 Year 1", "Feb-1 Year 1"})}});
}

}  // namespace
}  // namespace jetvale
