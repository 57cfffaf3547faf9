// The settings file: "speed=6", "window=1280x960", "fullscreen=1", one a line, read leniently.
#include "shell/settings.h"

#include <charconv>
#include <filesystem>
#include <string_view>

#include "gfx/gapi_display.h"
#include "save/save_file.h"
#include "ui/ui.h"

namespace jetvale {
namespace {

constexpr int kLargestWindowSide = 16384;

bool ToInt(std::string_view text, int& value) {
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  return failure == std::errc{} && end == text.data() + text.size();
}

void ReadLine(std::string_view key, std::string_view value, Settings& settings) {
  int number = 0;
  if (key == "speed" && ToInt(value, number) && IsGameSpeed(number)) {
    settings.gameSpeed = number;
  }
  if (key == "fullscreen" && (value == "0" || value == "1")) settings.fullScreen = value == "1";
  const std::size_t by = value.find('x');
  int width = 0;
  int height = 0;
  if (key == "window" && by != std::string_view::npos && ToInt(value.substr(0, by), width) &&
      ToInt(value.substr(by + 1), height) && width >= kScreenWidth && height >= kScreenHeight &&
      width <= kLargestWindowSide && height <= kLargestWindowSide) {
    settings.windowWidth = width;
    settings.windowHeight = height;
  }
}

}  // namespace

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
  return (std::filesystem::path(PlayerFolder(xdgConfigHome, home, ".config")) / "settings.txt").string();
}

Settings ReadSettings(const std::string& path) {
  Settings settings;
  std::string text;
  if (!ReadWholeFile(path, text)) return settings;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) ReadLine(line.substr(0, equals), line.substr(equals + 1), settings);
  }
  return settings;
}

bool WriteSettings(const std::string& path, const Settings& settings) {
  std::string text = "speed=";
  text.append(std::to_string(settings.gameSpeed)).append("\nwindow=").append(std::to_string(settings.windowWidth));
  text.append("x").append(std::to_string(settings.windowHeight)).append("\nfullscreen=");
  text.append(settings.fullScreen ? "1" : "0").append("\n");
  // The saved game's writes make no folders; the settings' folder is made here.
  std::error_code failure;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, failure);
  return !failure && WriteFileSafely(path, text);
}

}  // namespace jetvale
