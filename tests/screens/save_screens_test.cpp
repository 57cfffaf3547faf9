// Save Game and Load Game played through taps: the messages, the restarted clock and screens, the fleet list,
// and a refused load that changes nothing.
#include <filesystem>
#include <fstream>

#include "save/game_writer.h"
#include "save/played_game.h"
#include "save/save_file.h"
#include "screens/story.h"

namespace jetvale {
namespace {

struct SaveScreens : Stories {
  SaveScreens() : Stories(MakeTestAssets("jetvale_save_screens"), {kToMap, {.frames = 1}}) {}
};

// "Yes" to Save Game or Load Game, and the status line it ends in.
Step Confirm(const char* choice, const char* status, std::function<void(H&)> setup = nullptr) {
  return {.setup = std::move(setup), .menu = {{"tools"}, {choice}}, .item = {"yes"}, .status = status,
          .on = kToolbarWindow, .check = [](H& h) { EXPECT_EQ(h.ui().command, 0); }};
}
std::string Saved(H& h) { return WriteSavedGame(h.game.Game().world, h.game.Game().clock); }
std::string File(H& h) { return SaveFilePath(h.ui().saveFolder); }

TEST_F(SaveScreens, SavingAndLoadingBringBackThePlayersGameWithTheScreensAtTheirStart) {
  std::string tag;
  std::uint32_t drawn = 0;  // where the random generator stood at the save: a whole game loaded goes on from there
  Play({{.setup = [&](H& h) { PlayAWhile(h.game.Game()), tag = Player(h).planes[3].tag; }},
        Confirm("save game", "Game saved"), {.check = [&](H& h) { drawn = h.game.Game().random.State(); }},
        Confirm("load game", "Game Loaded", [](H& h) {
          SellFleetPlane(h.game.Game().world, 0, 0);
          h.game.Game().random.Seed(99);
          Player(h).balance = 1, h.game.Game().clock.day = 28;
          Ui& ui = h.ui();
          ui.map.viewX = 400, ui.finance.statementAirline = 2, ui.finance.loanMillions = 500;
          ui.planes.fleetListStart = 8, ui.draft.city = {1, 2, 3}, ui.airports.gate = 7;
        }),
        {.check = [&](H& h) {
           const Ui& ui = h.ui();
           EXPECT_TRUE(Player(h).planes[0].inUse);
           EXPECT_EQ(Player(h).planes[3].tag, tag);
           EXPECT_NE(Player(h).balance, 1);
           EXPECT_EQ(h.game.Game().clock.day, 18);  // the saved date
           EXPECT_EQ(h.game.Game().random.State(), drawn);
           EXPECT_TRUE(h.game.Game().clock.running);
           // The fleet list in slot order, the sold slot 1 left out; View Loans on the remaining loan in slot 2.
           EXPECT_EQ(ui.planes.fleetCount, 3);
           EXPECT_EQ((std::array{ui.planes.fleetOrder[0], ui.planes.fleetOrder[1], ui.planes.fleetOrder[2]}),
                     (std::array{0, 2, 3}));
           EXPECT_EQ(ui.finance.selectedLoan, 2);
           // Every screen at its start.
           EXPECT_EQ((std::array{ui.planes.fleetListStart, ui.finance.statementAirline, ui.draft.city[0],
                                 ui.airports.gate}), (std::array{0, 0, 0, 0}));
           EXPECT_EQ(ui.map.viewX, 180);
           EXPECT_EQ(ui.finance.loanMillions, 25);
         }}});
}

TEST_F(SaveScreens, ABadMissingOrUnreadableFileChangesNothing) {
  std::string before, date;
  const Step refused = {.status = "Error during load", .check = [&](H& h) {  // the world and the clock, the date too
    EXPECT_TRUE(Saved(h) == before);
    EXPECT_FALSE(h.game.Game().clock.running);
    EXPECT_EQ(h.ui().planes.fleetOrder[0], 3);
    EXPECT_EQ(h.ui().planes.fleetCount, 3);
    EXPECT_EQ(h.ui().map.viewX, 400);
  }};
  const auto load = [&](std::function<void(H&)> setup) {
    Step s = refused;
    s.setup = std::move(setup), s.menu = {{"tools"}, {"load game"}}, s.item = {"yes"};
    return s;
  };
  Play({{.setup = [](H& h) {
           PlayAWhile(h.game.Game());
           h.ui().planes.fleetOrder = {3, 0, 2}, h.ui().planes.fleetCount = 3;  // not in slot order
           h.ui().map.viewX = 400;
           h.game.Game().clock.running = false;  // the game stands still while the player taps: every byte compares
         },
         .frames = 1, .check = [&](H& h) { before = Saved(h), date = h.game.DateText(); }},
        load([](H& h) { std::ofstream(File(h), std::ios::binary) << "AIRPORT_CITY\n1\nBALANCE\n"; }),
        load([](H& h) { std::filesystem::remove(File(h)); }),
        load([](H& h) { std::filesystem::create_directory(File(h)); }),  // no file, but a folder of that name
        {.frames = 1, .check = [&](H& h) { EXPECT_EQ(h.game.DateText(), date); }}});
}

}  // namespace
}  // namespace jetvale
