// The saved games' handlers. The files are read when the list opens and after every change the list makes, never
// in a frame that only draws it.
#include "screens/saved_games_screen.h"

#include <array>

#include "save/save_file.h"
#include "screens/save_screens.h"

namespace jetvale {
namespace {

using Operation = SavedGamesScreenState::Operation;

void ReadSavedGames(Ui& ui) {
  GameWindow& w = ui.windows[kSavedGamesWindow];
  for (std::size_t place = 0; place < kSavedGamePlaces.size(); ++place) {
    SavedGameSummary& summary = ui.savedGames.summaries[place];
    summary = ReadSavedGameSummary(SavedGamePath(ui.saveFolder, place));
    const std::array<std::string, 4> texts = SummaryTexts(summary);
    const int row = static_cast<int>(place);
    w.Named("game", row).text = kSavedGamePlaces[place].file;
    w.Named("date", row).text = texts[0];
    w.Named("airline", row).text = texts[1];
    w.Named("balance", row).text = texts[2];
    w.Named("planes", row).text = texts[3];
  }
}

void OpenSavedGames(Ui& ui, int) { ReadSavedGames(ui); }
void ShowSavedGames(Ui& ui) { ui.Show(kSavedGamesWindow); }
void ShowQuestion(Ui& ui) { ui.Show(kConfirmSavedGameWindow); }

// The chosen row and what is asked of it: the question, or back to the list saying why not.
int Ask(Ui& ui, Operation operation) {
  const GameWindow& list = ui.windows[kSavedGamesWindow];
  if (list.selectedItem == kNoSelection) {
    ui.Say("Please select a saved game");
    return kCommandShowSavedGames;
  }
  const auto place = static_cast<std::size_t>(list.Item(list.selectedItem).row);
  const bool slot = kSavedGamePlaces[place].kind == SavedGameKind::Slot;
  const SavedGameSummary::State state = ui.savedGames.summaries[place].state;
  if (operation != Operation::Load && !slot) {
    ui.Say("Only a slot can be saved into or deleted");
    return kCommandShowSavedGames;
  }
  if ((operation == Operation::Load && state != SavedGameSummary::State::Game) ||
      (operation == Operation::Delete && state == SavedGameSummary::State::Empty)) {
    if (operation == Operation::Load) ui.Say("Error during load");
    return kCommandShowSavedGames;
  }
  constexpr std::array<std::string_view, 3> kQuestions = {"Are you sure - Save Game", "Are you sure - Load Game",
                                                          "Are you sure - Delete Game"};
  ui.windows[kConfirmSavedGameWindow].Named("question").text = kQuestions[static_cast<std::size_t>(operation)];
  ui.savedGames.operation = operation;
  ui.savedGames.place = place;
  return kCommandConfirmSavedGame;
}

// "Yes": a load goes on to the map with the game loaded; anything else back to the list as the files now are.
int Confirmed(Ui& ui, int) {
  const std::string path = SavedGamePath(ui.saveFolder, ui.savedGames.place);
  switch (ui.savedGames.operation) {
    case Operation::Save:
      ui.Say(SaveGameTo(path, ui.game) ? "Game saved" : "Error during save");
      break;
    case Operation::Load:
      if (SavedGameFiles files; TakeSavedGame(ui, path, true, files, nullptr)) return kCommandNone;
      ui.Say("Error during load");
      break;
    case Operation::Delete:
      ui.Say(DeleteSavedGame(path) ? "Game deleted" : "Error during delete");
      break;
  }
  ReadSavedGames(ui);
  return kCommandShowSavedGames;
}

constexpr std::array kRoutes = {
    Action(kCommandSavedGames, OpenSavedGames, kCommandShowSavedGames),
    Screen(kCommandShowSavedGames, ShowSavedGames),
    Choosing(kCommandSaveToSlot, [](Ui& ui, int) { return Ask(ui, Operation::Save); }),
    Choosing(kCommandLoadSavedGame, [](Ui& ui, int) { return Ask(ui, Operation::Load); }),
    Choosing(kCommandDeleteSlot, [](Ui& ui, int) { return Ask(ui, Operation::Delete); }),
    Screen(kCommandConfirmSavedGame, ShowQuestion),
    Choosing(kCommandSavedGameYes, Confirmed),
};

}  // namespace

std::span<const CommandRoute> SavedGamesRoutes() { return kRoutes; }

}  // namespace jetvale
