// The Planes menu: the purchase list, the fleet list with selling, and the plane details report.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

// The plane slot of the fleet list's selected row; -1 with no row selected.
int SelectedFleetPlane(const Ui& ui);

// With no fleet row chosen: says why not and returns true, and the fleet list is to be shown again.
bool ExplainMissingSelection(Ui& ui);

std::span<const CommandRoute> PlanesRoutes();

}  // namespace jetvale
