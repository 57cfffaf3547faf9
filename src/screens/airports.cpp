// Airport handlers. Both screens are refreshed every frame they are shown, so they follow the simulation.
#include "screens/airports.h"

#include <array>

#include "text/number_text.h"
#include "ui/toolbar.h"
#include "world/booking.h"
#include "world/identities.h"
#include "world/trade.h"

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
  w.Item(kAirportCodeItem).text = std::string(info.code);
  w.Item(kAirportLocationItem).text = std::string(info.name);
}

Gate& ShownGate(Ui& ui) {
  return ui.game.world.AirportById(ui.airports.gateAirport).gates[static_cast<std::size_t>(ui.airports.gate)];
}

void RefreshGates(Ui& ui) {
  GameWindow& w = ui.windows[kGatesWindow];
  ShowPlace(ui, w, ui.airports.gateAirport);
  w.Item(kGatesNumberItem).text = IntegerText(ui.airports.gate + 1);
  w.Item(kGatesOwnerItem).text = ShownGate(ui).owner == kNoGateOwner ? "AVAILABLE" : "NOT AVAILABLE";
  ui.command = kCommandGates;
  ui.Show(kGatesWindow);
}

void StepGateAirport(Ui& ui, int step) {
  const int before = ui.airports.gateAirport;
  StepAirport(ui.airports.gateAirport, step);
  if (ui.airports.gateAirport != before) ui.airports.gate = 0;
  RefreshGates(ui);
}

void StepGate(Ui& ui, int step) {
  if (ui.airports.gate + step >= 0 && ui.airports.gate + step < kGatesPerAirport) ui.airports.gate += step;
  RefreshGates(ui);
}

// Only a free gate is bought and only the player's own is sold; anything else is ignored without a word. A trade
// the balance's range cannot take is refused with a message.
void BuyShownGate(Ui& ui) {
  Gate& gate = ShownGate(ui);
  if (gate.owner == kNoGateOwner && !BuyGate(gate, ui.game.world.Player())) ui.Say(std::string(kBalanceLimitExceeded));
  RefreshGates(ui);
}
void SellShownGate(Ui& ui) {
  Gate& gate = ShownGate(ui);
  if (gate.owner == kPlayer && !SellGate(gate, ui.game.world.Player())) ui.Say(std::string(kBalanceLimitExceeded));
  RefreshGates(ui);
}

void RefreshOverview(Ui& ui) {
  GameWindow& w = ui.windows[kOverviewWindow];
  const Airport& airport = ui.game.world.AirportById(ui.airports.overviewAirport);
  ShowPlace(ui, w, ui.airports.overviewAirport);
  for (const Airline& airline : ui.game.world.airlines) {
    const int row = IdentityIndex(airline.identity);
    if (row < 0) continue;
    w.Item(kOverviewFirstShareItem + kOverviewShareStep * row).text =
        PercentText(airport.marketShare[static_cast<std::size_t>(airline.index)]);
  }
  int owned = 0;
  for (const Gate& gate : airport.gates) owned += gate.owner == kPlayer ? 1 : 0;
  w.Item(kOverviewGatesOwnedItem).text = IntegerText(owned);
  w.Item(kOverviewTrafficItem).text = FormatMoney(airport.dailyPassengers);
  ui.command = kCommandOverview;
  ui.Show(kOverviewWindow);
}

void StepOverview(Ui& ui, int step) {
  StepAirport(ui.airports.overviewAirport, step);
  RefreshOverview(ui);
}

void PassengersOk(Ui& ui) { ui.TakeMenuChoice(kPassengersMenuWindow, kCommandPassengersMenu); }

constexpr std::array<CommandRoute, 15> kRoutes = {{
    {kCommandPassengersOk, PassengersOk},
    {kCommandGates, RefreshGates},
    {kCommandGateAirportNext, [](Ui& ui) { StepGateAirport(ui, +1); }},
    {kCommandGateAirportPrevious, [](Ui& ui) { StepGateAirport(ui, -1); }},
    {kCommandGateAirportFiveOn, [](Ui& ui) { StepGateAirport(ui, +5); }},
    {kCommandGateAirportFiveBack, [](Ui& ui) { StepGateAirport(ui, -5); }},
    {kCommandGatePrevious, [](Ui& ui) { StepGate(ui, -1); }},
    {kCommandGateNext, [](Ui& ui) { StepGate(ui, +1); }},
    {kCommandBuyGate, BuyShownGate},
    {kCommandSellGate, SellShownGate},
    {kCommandOverview, RefreshOverview},
    {kCommandOverviewNext, [](Ui& ui) { StepOverview(ui, +1); }},
    {kCommandOverviewPrevious, [](Ui& ui) { StepOverview(ui, -1); }},
    {kCommandOverviewFiveOn, [](Ui& ui) { StepOverview(ui, +5); }},
    {kCommandOverviewFiveBack, [](Ui& ui) { StepOverview(ui, -5); }},
}};

}  // namespace

std::span<const CommandRoute> AirportScreenRoutes() { return kRoutes; }

}  // namespace jetvale
