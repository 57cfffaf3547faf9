// The Finance menu: the financial statement of any airline, and the player's New Loan and View Loans windows.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

std::span<const CommandRoute> FinanceScreenRoutes();

}  // namespace jetvale
