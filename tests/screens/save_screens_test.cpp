// Save Game and Load Game played through taps: the messages, the restarted clock and screens, the fleet list,
// and a refused load that changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/headless_game.h"
#include "save/game_writer.h"
#include "save/played_game.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

constexpr int kSaveChoice = kToolsSaveGameItem;
constexpr int kLoadChoice = kToolsLoadGameItem;
constexpr int kMenuOk = kToolsOkItem;
constexpr int kYes = kConfirmYesItem;

class SaveScreens : public ::testing::Test {
 protected:
  void Confirm(int choice, int window) {
    h.TapItem(kToolbarWindow, kToolbarToolsItem);  // the tools button
    h.TapItem(kToolsMenuWindow, choice);
    h.TapItem(kToolsMenuWindow, kMenuOk);
    h.RunFrames(1);
    ASSERT_EQ(h.ui().currentWindow, window);
    h.TapItem(window, kYes);
  }
  std::string SaveFile() { return SaveFilePath(folder); }

  const std::string folder = MakeTestAssets("jetvale_save_screens");
  HeadlessGame h{folder};
  GameState& game = h.game.Game();
};

TEST_F(SaveScreens, SavingAndLoadingBringBackThePlayersGameWithTheScreensAtTheirStart) {
  h.TapItem(kToolsMenuWindow, kToolsCancelItem);  // "Cancel": the toolbar is current again
  h.RunFrames(1);
  PlayAWhile(game);
  const std::string tag = game.world.Player().planes[3].tag;
  Confirm(kSaveChoice, kSaveGameWindow);
  EXPECT_EQ(h.ui().status.text, "Game saved");
  EXPECT_EQ(h.ui().command, 0);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);

  SellPlane(game.world.Player(), 0);
  game.world.Player().balance = 1;
  game.clock.day = 28;
  h.ui().map.viewX = 400;
  h.ui().finance.statementAirline = 2;
  h.ui().finance.loanMillions = 500;
  h.ui().planes.fleetListStart = 8;
  h.ui().draft.city = {1, 2, 3};
  h.ui().airports.gate = 7;
  Confirm(kLoadChoice, kLoadGameWindow);
  EXPECT_EQ(h.ui().status.text, "Game Loaded");
  EXPECT_EQ(h.ui().command, 0);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);
  EXPECT_EQ(game.world.Player().planes[0].inUse, 1);
  EXPECT_EQ(game.world.Player().planes[3].tag, tag);
  EXPECT_NE(game.world.Player().balance, 1);
  EXPECT_EQ(game.clock.day, 18);  // the saved date
  EXPECT_EQ(game.clock.running, 1);
  // The fleet list in slot order, the sold slot 1 left out; View Loans on the remaining loan in slot 2.
  EXPECT_EQ(h.ui().planes.fleetCount, 3);
  EXPECT_EQ(h.ui().planes.fleetOrder[0], 0);
  EXPECT_EQ(h.ui().planes.fleetOrder[1], 2);
  EXPECT_EQ(h.ui().planes.fleetOrder[2], 3);
  EXPECT_EQ(h.ui().finance.selectedLoan, 2);
  EXPECT_EQ(h.ui().planes.fleetListStart, 0);
  EXPECT_EQ(h.ui().map.viewX, 180);
  EXPECT_EQ(h.ui().finance.statementAirline, 0);
  EXPECT_EQ(h.ui().finance.loanMillions, 25);
  EXPECT_EQ(h.ui().draft.city[0], 0);
  EXPECT_EQ(h.ui().airports.gate, 0);
}

TEST_F(SaveScreens, ABadMissingOrUnreadableFileChangesNothing) {
  h.TapItem(kToolsMenuWindow, kToolsCancelItem);
  h.RunFrames(1);
  PlayAWhile(game);
  h.ui().planes.fleetOrder[0] = 3;  // bought in another order than the slots'
  h.ui().planes.fleetOrder[1] = 0;
  h.ui().planes.fleetOrder[2] = 2;
  h.ui().planes.fleetCount = 3;
  h.ui().map.viewX = 400;
  game.clock.running = 0;  // the game stands still while the player taps, so every byte can be compared
  h.RunFrames(1);
  const std::string before = WriteSavedGame(game.world, game.clock);
  const std::string date = h.game.DateText();

  std::ofstream(SaveFile(), std::ios::binary) << "AIRPORT_CITY\n1\nBALANCE\n";
  Confirm(kLoadChoice, kLoadGameWindow);
  EXPECT_EQ(h.ui().status.text, "Error during load");
  std::filesystem::remove(SaveFile());
  Confirm(kLoadChoice, kLoadGameWindow);
  EXPECT_EQ(h.ui().status.text, "Error during load");
  std::filesystem::create_directory(SaveFile());  // no file at all, but a folder of that name
  Confirm(kLoadChoice, kLoadGameWindow);
  EXPECT_EQ(h.ui().status.text, "Error during load");

  EXPECT_TRUE(WriteSavedGame(game.world, game.clock) == before);  // the world and the clock, the date included
  EXPECT_EQ(game.clock.running, 0);
  EXPECT_EQ(h.ui().planes.fleetOrder[0], 3);
  EXPECT_EQ(h.ui().planes.fleetCount, 3);
  EXPECT_EQ(h.ui().map.viewX, 400);
  h.RunFrames(1);
  EXPECT_EQ(h.game.DateText(), date);
}

}  // namespace
}  // namespace jetvale
