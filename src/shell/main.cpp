// jetvale: the desktop game. Opens the window, runs the game until the player closes it.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "gfx/asset_directory.h"
#include "gfx/host.h"
#include "save/save_file.h"
#include "save/save_folder_lock.h"
#include "save/saved_games.h"
#include "shell/data_folder.h"
#include "shell/main_frame.h"
#include "shell/settings.h"

namespace {

constexpr int kExitRefused = 2;

constexpr const char* kUsage =
    "usage: jetvale [--load FILE] [--frame-stats]\n"
    "       jetvale --list-saves | --help | --version\n"
    "Plays Jetvale in a window. Saved games go to $XDG_DATA_HOME/jetvale (else ~/.local/share/jetvale); when that\n"
    "folder cannot be made or written, the game runs with saving off. Each option is given at most once.\n"
    "  --load FILE    start from this saved game: am.txt, an autosave (written at every month end and on\n"
    "                 closing, the last three kept), a slot, or a file downloaded from the browser game\n"
    "  --list-saves   print the saved games of the data folder as the Saved Games window (F8) lists them\n"
    "  --frame-stats  report the time to the first picture, the frames shown a second every 5 s and over the\n"
    "                 whole run\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n";

struct Options {
  bool frameStats = false;
  std::string loadFile;  // empty when not given: an empty name is refused
};

std::string DataFolder() { return jetvale::PlayerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

// A line a saved game: its file, then the date, airline, balance and planes, or "empty" or "damaged".
int ListSavedGames() {
  for (std::size_t place = 0; place < jetvale::kSavedGamePlaces.size(); ++place) {
    const auto texts = jetvale::SummaryTexts(jetvale::ReadSavedGameSummary(jetvale::SavedGamePath(DataFolder(), place)));
    char line[160];
    std::snprintf(line, sizeof line, "%-15s %-14s %-9s %9s %s", std::string(jetvale::kSavedGamePlaces[place].file).c_str(),
                  texts[0].c_str(), texts[1].c_str(), texts[2].c_str(), texts[3].c_str());
    const std::string_view shown = line;
    std::printf("%.*s\n", static_cast<int>(shown.find_last_not_of(' ') + 1), line);
  }
  return 0;
}

// -1 when the program goes on with `options`, else the exit code (after --help, --version or a refused option).
int ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "--version") {
      std::fputs(option == "--help" ? kUsage : "jetvale " JETVALE_VERSION "\n", stdout);
      return 0;
    }
    if (option == "--list-saves") return ListSavedGames();
    std::string error;
    if (option != "--frame-stats" && option != "--load") {
      error = "unknown option '" + std::string(option) + "'";
    } else if (option == "--frame-stats" ? options.frameStats : !options.loadFile.empty()) {
      error = std::string(option) + " may be given only once";
    } else if (option == "--frame-stats") {
      options.frameStats = true;
    } else if (i + 1 == argc) {
      error = "--load needs a value";
    } else {
      options.loadFile = argv[++i];
      if (options.loadFile.empty()) error = "--load takes the name of a file, not ''";
    }
    if (!error.empty()) {
      std::fprintf(stderr, "jetvale: %s (see --help)\n", error.c_str());
      return kExitRefused;
    }
  }
  return -1;
}

// Without a screen SDL falls back to drivers that draw nowhere; the game would run unseen. Those drivers
// count only when asked for by name (SDL_VIDEODRIVER), as a headless check of the window code does.
bool HasRealScreen() {
  const std::string_view driver = SDL_GetCurrentVideoDriver();
  const bool invisible = driver == "offscreen" || driver == "dummy";
  return !invisible || SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr;
}

// SDL ends after the window, whichever way the program leaves; ending SDL before it started is harmless.
struct SdlAtExit {
  ~SdlAtExit() { SDL_Quit(); }
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const int exitCode = ParseOptions(argc, argv, options); exitCode >= 0) return exitCode;
  const std::string assets = jetvale::FindAssetDirectory();
  if (!std::filesystem::is_directory(assets)) {
    std::fprintf(stderr, "jetvale: the game's bitmaps are missing; looked for them in:\n");
    for (const auto& place : jetvale::AssetPlacesFor(jetvale::RunningProgram())) {
      std::fprintf(stderr, "  %s\n", place.c_str());
    }
    return 1;
  }
  jetvale::SystemHost host;
  const std::string saveFolder = DataFolder();
  const std::string settingsFile = jetvale::SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  const SdlAtExit sdl;
  jetvale::CMainFrame frame(host, assets, saveFolder, jetvale::ReadSettings(settingsFile), options.frameStats);
  // The saved game is checked first: refused, it leaves no folder or lock behind.
  if (std::string problem; !options.loadFile.empty() && !frame.Game().LoadAtStart(options.loadFile, problem)) {
    std::fprintf(stderr, "jetvale: cannot load the saved game '%s': %s\n", options.loadFile.c_str(), problem.c_str());
    return kExitRefused;
  }
  jetvale::SaveFolderLock lock;
  std::string message;
  const bool mayStart = jetvale::OpenDataFolder(saveFolder, lock, message);
  if (!message.empty()) std::fprintf(stderr, "jetvale: %s\n", message.c_str());
  if (!mayStart) return 1;
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "jetvale: cannot open the display: %s\n", SDL_GetError());
    return 1;
  }
  if (!HasRealScreen()) {
    std::fprintf(stderr, "jetvale: cannot open the display: no screen found (is DISPLAY set?)\n");
    return 1;
  }
  const int exitCode = frame.Create() ? frame.Run() : 1;
  if (exitCode != 0) std::fprintf(stderr, "jetvale: %s\n", frame.StartupError().c_str());
  if (exitCode == 0 && !jetvale::WriteSettings(settingsFile, frame.FinalSettings())) {
    std::fprintf(stderr, "jetvale: cannot remember the settings in %s\n", settingsFile.c_str());
  }
  return exitCode;
}
