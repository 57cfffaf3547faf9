// "Plane Edit": a plane's round trip of two or three legs, its departure times, fares and seat split.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

std::span<const CommandRoute> ScheduleEditorRoutes();

}  // namespace jetvale
