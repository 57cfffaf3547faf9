// The Tools menu's screens: new game, the save, load and exit confirmations, and the game speed.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

std::span<const CommandRoute> ToolsScreenRoutes();

}  // namespace jetvale
