// A fleet given in words, for headless runs: "3*A320:ATL@0800-ORD@1200" is three A320s flying Atlanta to
// Chicago at 08:00 and back at 12:00. Two or three stops; the last leg returns to the first stop.
#pragma once

#include <string>
#include <vector>

#include "sim/game_state.h"

namespace jetvale {

struct ScriptedStop {
  int airport = 0;    // id 1..52
  int departure = 0;  // quarter slot of the departure from this stop
};

struct ScriptedPlanes {
  int count = 1;
  int type = 0;
  std::vector<ScriptedStop> stops;
};

// Reads one "[N*]TYPE:AAA@HHMM-BBB@HHMM[-CCC@HHMM]"; TYPE is a type's name or index. False with `error` set.
bool ParseScriptedPlanes(const std::string& text, ScriptedPlanes& planes, std::string& error);

// Buys the planes for `airline` into its lowest free slots and schedules their round trips with default fares.
// Refuses, with `error` set, a round trip that the schedule editor would refuse or a fleet beyond `maxPlanes`.
bool AddScriptedPlanes(GameState& game, int airline, const ScriptedPlanes& planes, int maxPlanes, std::string& error);

}  // namespace jetvale
