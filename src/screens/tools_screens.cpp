// Tools screen handlers. A new game starts from a fresh world; exit waits for one more tap anywhere.
#include "screens/tools_screens.h"

#include <array>
#include <string_view>

#include "world/identities.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

struct SpeedName {
  int framesPerTick;
  std::string_view text;
};
// From fastest to slowest.
constexpr std::array<SpeedName, 3> kSpeeds = {{{kSpeedFast, "FAST"}, {kSpeedMedium, "MEDIUM"}, {kSpeedSlow, "SLOW"}}};

std::size_t SpeedIndex(int framesPerTick) {
  for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
    if (kSpeeds[i].framesPerTick == framesPerTick) return i;
  }
  return 0;
}

int ToolsOk(Ui& ui, int) { return ui.windows[kToolsMenuWindow].ChosenCommand(kCommandToolsMenu); }

void ShowNewGameMenu(Ui& ui) { ui.Show(kNewGameWindow); }
void ShowSaveConfirm(Ui& ui) { ui.Show(kSaveGameWindow); }
void ShowLoadConfirm(Ui& ui) { ui.Show(kLoadGameWindow); }
void ShowExitConfirm(Ui& ui) { ui.Show(kExitConfirmWindow); }
void ShowClickToExit(Ui& ui) { ui.Show(kClickToExitWindow); }

// A new game is a fresh world (whatever was played before), drawn from the machine's tick count as at start-up,
// the chosen airline for the player, and the clock running; it goes straight on to the purchase list. With no
// airline chosen every airline keeps the identity it had.
void StartNewGame(Ui& ui, int) {
  const GameWindow& menu = ui.windows[kNewGameWindow];
  std::array<int, kAirlineCount> identities{};
  for (std::size_t a = 0; a < identities.size(); ++a) identities[a] = ui.game.world.airlines[a].identity;
  ui.game.Restart(ui.host->TickCount());
  for (std::size_t a = 0; a < identities.size(); ++a) ui.game.world.airlines[a].identity = identities[a];
  ui.Reset(UiReset::NewGame);
  if (menu.selectedItem != kNoSelection) {
    AssignIdentities(ui.game.world, At(kAirlineIdentities, menu.Item(menu.selectedItem).row).code);
  }
  ui.game.clock.Start();
}

// The next tap anywhere closes the program.
void RequestExit(Ui& ui, int) { ui.exitRequested.store(true); }

void ShowOptions(Ui& ui) {
  ui.windows[kOptionsWindow].Named("speed").text = std::string(kSpeeds[SpeedIndex(ui.pendingGameSpeed)].text);
  ui.Show(kOptionsWindow);
}

void StepSpeed(Ui& ui, int towardsSlow) {
  const std::size_t index = SpeedIndex(ui.pendingGameSpeed);
  if (towardsSlow > 0 && index + 1 < kSpeeds.size()) ui.pendingGameSpeed = kSpeeds[index + 1].framesPerTick;
  if (towardsSlow < 0 && index > 0) ui.pendingGameSpeed = kSpeeds[index - 1].framesPerTick;
}

void OptionsOk(Ui& ui, int) { ui.gameSpeed = ui.pendingGameSpeed; }

constexpr std::array kRoutes = {
    Quietly(Choosing(kCommandToolsOk, ToolsOk)),
    Screen(kCommandNewGameMenu, ShowNewGameMenu),
    Action(kCommandNewGameOk, StartNewGame, kCommandPurchaseList),
    Screen(kCommandSaveConfirm, ShowSaveConfirm),
    Screen(kCommandLoadConfirm, ShowLoadConfirm),
    Screen(kCommandExitConfirm, ShowExitConfirm),
    Quietly(Action(kCommandExitYes, RequestExit, kCommandClickToExit)),
    Screen(kCommandClickToExit, ShowClickToExit),
    Screen(kCommandOptions, ShowOptions),
    Action(kCommandSlower, [](Ui& ui, int) { StepSpeed(ui, +1); }, kCommandOptions),
    Action(kCommandFaster, [](Ui& ui, int) { StepSpeed(ui, -1); }, kCommandOptions),
    Action(kCommandOptionsOk, OptionsOk, kCommandNone),
};

}  // namespace

std::span<const CommandRoute> ToolsScreenRoutes() { return kRoutes; }

}  // namespace jetvale
