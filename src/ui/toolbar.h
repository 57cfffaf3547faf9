// The toolbar's commands: the four menus, the scroll pad, and the close command that returns to the map.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

std::span<const CommandRoute> ToolbarRoutes();

}  // namespace jetvale
