// jetvale: the desktop game. Opens the window, runs the game until the player closes it.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "gfx/host.h"
#include "save/save_file.h"
#include "gfx/asset_directory.h"
#include "shell/main_frame.h"

namespace {

constexpr int kDefaultScale = 3;

// Without a screen SDL falls back to drivers that draw nowhere; the game would run unseen. Those drivers
// count only when asked for by name (SDL_VIDEODRIVER), as a headless check of the window code does.
bool HasRealScreen() {
  const std::string_view driver = SDL_GetCurrentVideoDriver();
  const bool invisible = driver == "offscreen" || driver == "dummy";
  return !invisible || SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr;
}

}  // namespace

int main() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "jetvale: cannot open the display: %s\n", SDL_GetError());
    return 1;
  }
  if (!HasRealScreen()) {
    std::fprintf(stderr, "jetvale: cannot open the display: no screen found (is DISPLAY set?)\n");
    SDL_Quit();
    return 1;
  }
  jetvale::SystemHost host;
  int exitCode = 0;
  {
    const std::string saveFolder = jetvale::PlayerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    jetvale::CMainFrame frame(host, jetvale::FindAssetDirectory(), saveFolder, kDefaultScale);
    exitCode = frame.Create() ? frame.Run() : 1;
    if (exitCode != 0) std::fprintf(stderr, "jetvale: %s\n", frame.StartupError().c_str());
  }
  SDL_Quit();
  return exitCode;
}
