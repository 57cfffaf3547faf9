// jetvale: the desktop game. Opens the window, runs the game until the player closes it.
#include <SDL.h>

#include <cstdio>

#include "gfx/host.h"
#include "shell/asset_directory.h"
#include "shell/main_frame.h"

namespace {

constexpr int kDefaultScale = 3;

}  // namespace

int main() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "jetvale: cannot open the display: %s\n", SDL_GetError());
    return 1;
  }
  jetvale::SystemHost host;
  int exitCode = 0;
  {
    jetvale::CMainFrame frame(host, jetvale::FindAssetDirectory(), kDefaultScale);
    exitCode = frame.Create() ? frame.Run() : 1;
    if (exitCode != 0) std::fprintf(stderr, "jetvale: %s\n", frame.StartupError().c_str());
  }
  SDL_Quit();
  return exitCode;
}
