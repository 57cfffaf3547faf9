// jetvale: the desktop game. Opens the window, runs the game until the player closes it.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "gfx/asset_directory.h"
#include "gfx/host.h"
#include "save/save_file.h"
#include "save/save_folder_lock.h"
#include "shell/main_frame.h"
#include "shell/settings.h"

namespace {

constexpr const char* kUsage =
    "usage: jetvale [--frame-stats]\n"
    "  --frame-stats  report the time to the first picture, the frames shown a second every 5 s and over the\n"
    "                 whole run\n";

// Without a screen SDL falls back to drivers that draw nowhere; the game would run unseen. Those drivers
// count only when asked for by name (SDL_VIDEODRIVER), as a headless check of the window code does.
bool HasRealScreen() {
  const std::string_view driver = SDL_GetCurrentVideoDriver();
  const bool invisible = driver == "offscreen" || driver == "dummy";
  return !invisible || SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view option = argc > 1 ? argv[1] : "";
  const bool frameStats = option == "--frame-stats";
  if (argc > 2 || (argc == 2 && !frameStats)) {
    std::fputs(kUsage, option == "--help" ? stdout : stderr);
    return option == "--help" ? 0 : 2;
  }
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
  const std::string saveFolder = jetvale::PlayerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  const std::string settingsFile = jetvale::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  jetvale::SaveFolderLock lock;
  std::string message;
  const bool locked = lock.Acquire(saveFolder, message);
  if (!message.empty()) std::fprintf(stderr, "jetvale: %s\n", message.c_str());  // why not, or that it goes on unlocked
  if (!locked) {
    SDL_Quit();
    return 1;
  }
  int exitCode = 0;
  {
    jetvale::CMainFrame frame(host, jetvale::FindAssetDirectory(), saveFolder, jetvale::ReadSettings(settingsFile),
                              frameStats);
    exitCode = frame.Create() ? frame.Run() : 1;
    if (exitCode != 0) std::fprintf(stderr, "jetvale: %s\n", frame.StartupError().c_str());
    if (exitCode == 0 && !jetvale::WriteSettings(settingsFile, frame.FinalSettings())) {
      std::fprintf(stderr, "jetvale: cannot remember the settings in %s\n", settingsFile.c_str());
    }
  }
  SDL_Quit();
  return exitCode;
}
