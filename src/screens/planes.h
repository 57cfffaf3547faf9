// The Planes menu: the purchase list, the fleet list with selling, and the plane details report.
#pragma once

#include <span>

#include "ui/ui.h"

namespace jetvale {

constexpr int kCommandFleetList = 225;
constexpr int kCommandShowFleetList = 215;

constexpr int kPlayerPlaneLimit = 20;  // the player buys into slots 0..19 only

// The plane slot of the fleet list's selected row; -1 with no row selected.
int SelectedFleetPlane(const Ui& ui);

std::span<const CommandRoute> PlanesRoutes();

}  // namespace jetvale
