// The fading one-line message at the bottom left of the screen.
#pragma once

#include <string>

#include "gfx/gapi_surface.h"

namespace jetvale {

constexpr int kErrorMessageFrames = 255;  // display errors start at full white

struct StatusMessage {
  std::string text;
  int countdown = 0;

  // A new message replaces the old one at once.
  void Set(std::string newText, int frames) {
    text = std::move(newText);
    countdown = frames;
  }
  // Draws the text in a grey that follows the countdown, so it fades to black, and counts one frame down.
  void DrawAndFade(CGapiSurface& surface);
};

}  // namespace jetvale
