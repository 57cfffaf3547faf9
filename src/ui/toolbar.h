// The toolbar's commands: the four menus, the scroll pad, and the close command that returns to the map.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

constexpr int kCommandPassengersMenu = 100;
constexpr int kCommandPlanesMenu = 200;
constexpr int kCommandFinanceMenu = 300;
constexpr int kCommandScrollPad = 600;

std::span<const CommandRoute> ToolbarRoutes();

}  // namespace jetvale
