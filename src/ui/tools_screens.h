// The Tools menu's screens: new game, the save, load and exit confirmations, and the game speed.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

constexpr int kCommandPurchaseList = 256;  // where a new game continues: the aircraft purchase list

std::span<const CommandRoute> ToolsScreenRoutes();

}  // namespace jetvale
