// What the desktop game remembers between runs: the game speed, the window's size and full screen.
#pragma once

#include <string>

namespace jetvale {

struct Settings {
  int gameSpeed = 1;  // frames per clock tick: 1, 6 or 12
  int windowWidth = 960;
  int windowHeight = 720;
  bool fullScreen = false;
};

// $XDG_CONFIG_HOME/jetvale/settings.txt, else $HOME/.config/jetvale/settings.txt.
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);

// The settings in `path`; a missing file, an unknown line or a value out of range keeps the default.
Settings ReadSettings(const std::string& path);
// One "key=value" line each, its folder made when missing; false when the file cannot be written.
bool WriteSettings(const std::string& path, const Settings& settings);

}  // namespace jetvale
