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

// "Yes" to Save Game or Load Game, with the status line it ends in.
Step Confirm(int choice, const char* status, std::function<void(HeadlessGame&)> setup = nullptr) {
  return {.setup = std::move(setup), .menu = {kToolbarToolsItem, choice},
          .window = choice == kToolsSaveGameItem ? kSaveGameWindow : kLoadGameWindow, .item = kConfirmYesItem,
          .status = status};
}
void Played(HeadlessGame& h) { PlayAWhile(h.game.Game()); }

TEST_F(SaveScreens, SavingAndLoadingBringBackThePlayersGameWithTheScreensAtTheirStart) {
  std::string tag;
  Play({{.setup = Played, .check = [&](HeadlessGame& h) { tag = Player(h).planes[3].tag; }},
        Confirm(kToolsSaveGameItem, "Game saved"),
        {.on = kToolbarWindow, .check = [](HeadlessGame& h) { EXPECT_EQ(h.ui().command, 0); }},
        Confirm(kToolsLoadGameItem, "Game Loaded", [](HeadlessGame& h) {
          SellPlane(Player(h), 0);
          Player(h).balance = 1;
          h.game.Game().clock.day = 28;
          Ui& ui = h.ui();
          ui.map.viewX = 400;
          ui.finance.statementAirline = 2;
          ui.finance.loanMillions = 500;
          ui.planes.fleetListStart = 8;
          ui.draft.city = {1, 2, 3};
          ui.airports.gate = 7;
        }),
        {.on = kToolbarWindow, .check = [&](HeadlessGame& h) {
           const Ui& ui = h.ui();
           EXPECT_EQ(ui.command, 0);
           EXPECT_EQ(Player(h).planes[0].inUse, 1);
           EXPECT_EQ(Player(h).planes[3].tag, tag);
           EXPECT_NE(Player(h).balance, 1);
           EXPECT_EQ(h.game.Game().clock.day, 18);  // the saved date
           EXPECT_EQ(h.game.Game().clock.running, 1);
           // The fleet list in slot order, the sold slot 1 left out; View Loans on the remaining loan in slot 2.
           EXPECT_EQ(ui.planes.fleetCount, 3);
           EXPECT_EQ(ui.planes.fleetOrder[0], 0);
           EXPECT_EQ(ui.planes.fleetOrder[1], 2);
           EXPECT_EQ(ui.planes.fleetOrder[2], 3);
           EXPECT_EQ(ui.finance.selectedLoan, 2);
           EXPECT_EQ(ui.planes.fleetListStart, 0);  // and every screen at its start
           EXPECT_EQ(ui.map.viewX, 180);
           EXPECT_EQ(ui.finance.statementAirline, 0);
           EXPECT_EQ(ui.finance.loanMillions, 25);
           EXPECT_EQ(ui.draft.city[0], 0);
           EXPECT_EQ(ui.airports.gate, 0);
         }}});
}

TEST_F(SaveScreens, ABadMissingOrUnreadableFileChangesNothing) {
  std::string before, date;
  const auto file = [](HeadlessGame& h) { return SaveFilePath(h.ui().saveFolder); };
  Play({{.setup = [](HeadlessGame& h) {
           Played(h);
           h.ui().planes.fleetOrder = {3, 0, 2};  // bought in another order than the slots'
           h.ui().planes.fleetCount = 3;
           h.ui().map.viewX = 400;
           h.game.Game().clock.running = 0;  // the game stands still while the player taps: every byte compares
         },
         .frames = 1, .check = [&](HeadlessGame& h) {
           before = WriteSavedGame(h.game.Game().world, h.game.Game().clock);
           date = h.game.DateText();
         }},
        Confirm(kToolsLoadGameItem, "Error during load",
                [&](HeadlessGame& h) { std::ofstream(file(h), std::ios::binary) << "AIRPORT_CITY\n1\nBALANCE\n"; }),
        Confirm(kToolsLoadGameItem, "Error during load", [&](HeadlessGame& h) { std::filesystem::remove(file(h)); }),
        // No file at all, but a folder of that name.
        Confirm(kToolsLoadGameItem, "Error during load",
                [&](HeadlessGame& h) { std::filesystem::create_directory(file(h)); }),
        {.check = [&](HeadlessGame& h) {  // the world and the clock, the date included
           EXPECT_TRUE(WriteSavedGame(h.game.Game().world, h.game.Game().clock) == before);
           EXPECT_EQ(h.game.Game().clock.running, 0);
           EXPECT_EQ(h.ui().planes.fleetOrder[0], 3);
           EXPECT_EQ(h.ui().planes.fleetCount, 3);
           EXPECT_EQ(h.ui().map.viewX, 400);
         }},
        {.frames = 1, .check = [&](HeadlessGame& h) { EXPECT_EQ(h.game.DateText(), date); }}});
}

}  // namespace
}  // namespace jetvale
