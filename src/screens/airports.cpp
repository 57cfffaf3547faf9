// Airport handlers. Both screens are refilled in every frame they are shown, so they follow the simulation.
#include "screens/airports.h"

#include <array>

#include "text/number_text.h"
#include "world/booking.h"
#include "world/identities.h"
#include "world/trade.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kPlayer = 0;

// A step of one stays within 1..52; a step of five goes on only below 47 and back only above 6, so it never
// lands on the first or the last airport. A step that cannot be taken changes nothing.
void StepAirport(int& id, int step) {
  const int margin = step == 1 || step == -1 ? 0 : 1;
  if (id + step >= 1 + margin && id + step <= kAirportCount - margin) id += step;
}

void ShowPlace(Ui& ui, GameWindow& w, int id) {
  const AirportInfo& info = *ui.game.world.AirportById(id).info;
  w.Named("airport").text = std::string(info.code);
  w.Named("location").text = std::string(info.name);
}

Gate& ShownGate(Ui& ui) {
  return At(ui.game.world.GatesAt(ui.airports.gateAirport), ui.airports.gate);
}

void ShowGates(Ui& ui) {
  GameWindow& w = ui.windows[kGatesWindow];
  ShowPlace(ui, w, ui.airports.gateAirport);
  w.Named("gate").text = IntegerText(ui.airports.gate + 1);
  w.Named("owner").text = ShownGate(ui).owner == kNoGateOwner ? "AVAILABLE" : "NOT AVAILABLE";
  ui.Show(kGatesWindow);
}

void StepGateAirport(Ui& ui, int step) {
  const int before = ui.airports.gateAirport;
  StepAirport(ui.airports.gateAirport, step);
  if (ui.airports.gateAirport != before) ui.airports.gate = 0;
}

void StepGate(Ui& ui, int step) {
  if (ui.airports.gate + step >= 0 && ui.airports.gate + step < kGatesPerAirport) ui.airports.gate += step;
}

// Only a free gate is bought and only the player's own is sold; anything else is ignored without a word. A trade
// the balance's range cannot take is refused with a message.
void BuyShownGate(Ui& ui, int) {
  Gate& gate = ShownGate(ui);
  if (gate.owner == kNoGateOwner && !BuyGate(gate, ui.game.world.Player())) ui.Say(std::string(kBalanceLimitExceeded));
}
void SellShownGate(Ui& ui, int) {
  Gate& gate = ShownGate(ui);
  if (gate.owner == kPlayer && !SellGate(gate, ui.game.world.Player())) ui.Say(std::string(kBalanceLimitExceeded));
}

void ShowOverview(Ui& ui) {
  GameWindow& w = ui.windows[kOverviewWindow];
  const Airport& airport = ui.game.world.AirportById(ui.airports.overviewAirport);
  ShowPlace(ui, w, ui.airports.overviewAirport);
  for (const Airline& airline : ui.game.world.airlines) {
    const int row = IdentityIndex(airline.identity);
    if (row < 0) continue;
    w.Named("share", row).text = PercentText(At(airport.marketShare, airline.index));
  }
  int owned = 0;
  for (const Gate& gate : ui.game.world.GatesAt(ui.airports.overviewAirport)) owned += gate.owner == kPlayer ? 1 : 0;
  w.Named("gates owned").text = IntegerText(owned);
  w.Named("traffic").text = FormatMoney(airport.dailyPassengers);
  ui.Show(kOverviewWindow);
}

int PassengersOk(Ui& ui, int) { return ui.windows[kPassengersMenuWindow].ChosenCommand(kCommandPassengersMenu); }

constexpr std::array kRoutes = {
    Quietly(Choosing(kCommandPassengersOk, PassengersOk)),
    Screen(kCommandGates, ShowGates),
    Action(kCommandGateAirportNext, [](Ui& ui, int) { StepGateAirport(ui, +1); }, kCommandGates),
    Action(kCommandGateAirportPrevious, [](Ui& ui, int) { StepGateAirport(ui, -1); }, kCommandGates),
    Action(kCommandGateAirportFiveOn, [](Ui& ui, int) { StepGateAirport(ui, +5); }, kCommandGates),
    Action(kCommandGateAirportFiveBack, [](Ui& ui, int) { StepGateAirport(ui, -5); }, kCommandGates),
    Action(kCommandGatePrevious, [](Ui& ui, int) { StepGate(ui, -1); }, kCommandGates),
    Action(kCommandGateNext, [](Ui& ui, int) { StepGate(ui, +1); }, kCommandGates),
    Action(kCommandBuyGate, BuyShownGate, kCommandGates),
    Action(kCommandSellGate, SellShownGate, kCommandGates),
    Screen(kCommandOverview, ShowOverview),
    Action(kCommandOverviewNext, [](Ui& ui, int) { StepAirport(ui.airports.overviewAirport, +1); }, kCommandOverview),
    Action(kCommandOverviewPrevious, [](Ui& ui, int) { StepAirport(ui.airports.overviewAirport, -1); },
           kCommandOverview),
    Action(kCommandOverviewFiveOn, [](Ui& ui, int) { StepAirport(ui.airports.overviewAirport, +5); },
           kCommandOverview),
    Action(kCommandOverviewFiveBack, [](Ui& ui, int) { StepAirport(ui.airports.overviewAirport, -5); },
           kCommandOverview),
};

}  // namespace

std::span<const CommandRoute> AirportScreenRoutes() { return kRoutes; }

}  // namespace jetvale
