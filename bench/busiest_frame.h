// The busiest frame the benchmarks time: 80 planes in the air over the map and the largest window, "Plane Edit",
// open. The Google benchmark and the frame timing (native and WebAssembly) share it, so they time the same frame.
#pragma once

#include <string>

#include "engine/game_object.h"
#include "sim/flight_state.h"

namespace jetvale {

constexpr int kCommandShowPlaneEdit = 235;  // keeps the largest window, "Plane Edit", on screen
constexpr int kFramesBetweenLaunches = 2000;  // the trips last 3240 frames at SLOW: relaunch well before they land

// Opens the display and runs the first frame, which loads the bitmaps, then starts the clock; false with the
// reason when the bitmaps cannot be loaded.
inline bool StartGame(GameObject& game, PresentSink& sink, std::string& error) {
  game.OpenDisplay(sink);
  game.RunFrame();
  error = game.StartupError();
  if (!error.empty()) return false;
  game.Game().clock.Start();
  return true;
}

// Twenty planes of every airline in the air over North America, each on a trip of most of a day.
inline void LaunchEightyPlanes(World& world) {
  for (Airline& airline : world.airlines) {
    airline.identity = kWesternAirlines + airline.index;
    for (int slot = 0; slot < 20; ++slot) {
      Plane& plane = airline.planes[static_cast<std::size_t>(slot)];
      plane.inUse = true;
      plane.legCount = 1;
      plane.currentLeg = 0;
      plane.frame = slot * 10;
      Flight& leg = plane.legs[0];
      leg.state = kInTheAir;
      leg.origin = 1 + slot;  // real airports, for when a trip lands and is settled
      leg.destination = 21 + slot;
      leg.departure = 0;
      leg.arrival = 90;
      plane.originX = 190 + 12 * slot;
      plane.originY = 110 + airline.index * 40;
      plane.destinationX = 460 - 10 * slot;
      plane.destinationY = 300 - airline.index * 30;
    }
  }
}

// The window and the speed of the busiest frame; call LaunchEightyPlanes every kFramesBetweenLaunches frames.
inline void ShowPlaneEditSlowly(GameObject& game) {
  game.Interface().command = kCommandShowPlaneEdit;
  game.Interface().gameSpeed = 12;  // SLOW
}

}  // namespace jetvale
