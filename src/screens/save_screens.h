// The "Yes" of the Save Game and Load Game confirmations.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

std::span<const CommandRoute> SaveScreenRoutes();

}  // namespace jetvale
