// The Passengers menu: the airport overview and the gate market.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

std::span<const CommandRoute> AirportScreenRoutes();

}  // namespace jetvale
