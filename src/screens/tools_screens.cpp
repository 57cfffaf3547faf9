// Tools screen handlers. A new game starts from a fresh world; exit waits for one more tap anywhere.
#include "screens/tools_screens.h"

#include <array>
#include <string_view>

#include "world/identities.h"

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

void ToolsOk(Ui& ui) { ui.TakeMenuChoice(kToolsMenuWindow, kCommandToolsMenu); }

void ShowNewGameMenu(Ui& ui) { ui.Show(kNewGameWindow); }
void ShowSaveConfirm(Ui& ui) { ui.Show(kSaveGameWindow); }
void ShowLoadConfirm(Ui& ui) { ui.Show(kLoadGameWindow); }
void ShowExitConfirm(Ui& ui) { ui.Show(kExitConfirmWindow); }
void ShowClickToExit(Ui& ui) { ui.Show(kClickToExitWindow); }

// A new game is a fresh world (whatever was played before), drawn from the machine's tick count as at start-up,
// the chosen airline for the player, and the clock running; it goes straight on to the purchase list. With no
// airline chosen every airline keeps the identity it had.
void StartNewGame(Ui& ui) {
  const int selected = ui.windows[kNewGameWindow].selectedItem;
  std::array<int, kAirlineCount> identities{};
  for (std::size_t a = 0; a < identities.size(); ++a) identities[a] = ui.game.world.airlines[a].identity;
  ui.game.Restart(ui.host->TickCount());
  for (std::size_t a = 0; a < identities.size(); ++a) ui.game.world.airlines[a].identity = identities[a];
  ui.planes = PlanesScreenState{};
  ui.draft = ScheduleDraft{};
  ui.finance = FinanceScreenState{};
  ui.ResetCursors();
  if (selected != kNoSelection) {
    const auto choice = static_cast<std::size_t>((selected - kFirstAirlineChoiceItem) / kAirlineChoiceStep);
    AssignIdentities(ui.game.world, kAirlineIdentities[choice].code);
  }
  ui.game.clock.Start();
  ui.command = kCommandPurchaseList;
  ui.Show(kPurchaseListWindow);
}

// The next tap anywhere closes the program; nothing is drawn in this frame.
void RequestExit(Ui& ui) {
  ui.exitRequested.store(1);
  ui.command = kCommandClickToExit;
}

void ShowOptions(Ui& ui) {
  ui.windows[kOptionsWindow].Item(kOptionsSpeedItem).text = std::string(kSpeeds[SpeedIndex(ui.pendingGameSpeed)].text);
  ui.Show(kOptionsWindow);
}

void StepSpeed(Ui& ui, int towardsSlow) {
  const std::size_t index = SpeedIndex(ui.pendingGameSpeed);
  if (towardsSlow > 0 && index + 1 < kSpeeds.size()) ui.pendingGameSpeed = kSpeeds[index + 1].framesPerTick;
  if (towardsSlow < 0 && index > 0) ui.pendingGameSpeed = kSpeeds[index - 1].framesPerTick;
  ui.command = kCommandOptions;
  ShowOptions(ui);
}
void Slower(Ui& ui) { StepSpeed(ui, +1); }
void Faster(Ui& ui) { StepSpeed(ui, -1); }

void OptionsOk(Ui& ui) {
  ui.gameSpeed = ui.pendingGameSpeed;
  ui.ShowMap();
}

constexpr std::array<CommandRoute, 12> kRoutes = {{
    {kCommandToolsOk, ToolsOk},
    {kCommandNewGameMenu, ShowNewGameMenu},
    {kCommandNewGameOk, StartNewGame},
    {kCommandSaveConfirm, ShowSaveConfirm},
    {kCommandLoadConfirm, ShowLoadConfirm},
    {kCommandExitConfirm, ShowExitConfirm},
    {kCommandExitYes, RequestExit},
    {kCommandClickToExit, ShowClickToExit},
    {kCommandOptions, ShowOptions},
    {kCommandSlower, Slower},
    {kCommandFaster, Faster},
    {kCommandOptionsOk, OptionsOk},
}};

}  // namespace

std::span<const CommandRoute> ToolsScreenRoutes() { return kRoutes; }

}  // namespace jetvale
