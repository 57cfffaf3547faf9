// The dispatch step: one command's screen or action in every frame.
#include "ui/command_routes.h"
#include "world/at_index.h"

namespace jetvale {

CommandTable::CommandTable(std::initializer_list<std::span<const CommandRoute>> tables) {
  for (const std::span<const CommandRoute> table : tables) {
    for (const CommandRoute& route : table) At(routes_, route.command) = &route;
  }
}

const CommandRoute* CommandTable::Find(int command) const {
  if (command < 0 || command >= kCommandSlots) return nullptr;
  return At(routes_, command);
}

void CommandTable::Run(Ui& ui, std::optional<Tapped> tapped) const {
  ui.command = tapped ? tapped->command : ui.command;
  const CommandRoute* route = Find(ui.command);
  if (route == nullptr) return;  // a choice's command, or none: nothing to do
  if (route->screen != nullptr) {
    route->screen(ui);
    return;
  }
  const int item = tapped ? tapped->item : kNoItem;
  ui.actionsRun += 1;
  if (route->choose != nullptr) {
    ui.command = route->choose(ui, item);
  } else {
    route->action(ui, item);
    ui.command = route->then;
  }
  if (route->quiet) return;
  const CommandRoute* next = Find(ui.command);
  if (next != nullptr && next->screen == nullptr) next = next->choose == nullptr ? Find(next->then) : nullptr;
  if (next != nullptr && next->screen != nullptr) next->screen(ui);
}

}  // namespace jetvale
