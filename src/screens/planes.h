// The Planes menu: the purchase list, the fleet list with selling, and the plane details report.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

// The plane slot of the fleet list's selected row; -1 with no row selected.
int SelectedFleetPlane(const Ui& ui);

// With no fleet row chosen: says why not, shows the fleet list again with `nextCommand`, and returns true.
bool ExplainMissingSelection(Ui& ui, int nextCommand);

std::span<const CommandRoute> PlanesRoutes();

}  // namespace jetvale
