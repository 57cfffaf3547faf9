// Asset lookup for the desktop game and the simulator.
#include "gfx/asset_directory.h"

#include <string_view>
#include <system_error>

namespace jetvale {

std::vector<std::filesystem::path> AssetPlacesFor(const std::filesystem::path& program) {
  const std::filesystem::path folder = program.parent_path();
  std::vector<std::filesystem::path> places{folder / "assets", folder.parent_path() / "share" / "jetvale"};
  if (std::string_view(JETVALE_ASSET_DIR) != "") places.emplace_back(JETVALE_ASSET_DIR);  // not in a package
  return places;
}

std::string AssetDirectoryFor(const std::filesystem::path& program) {
  const std::vector<std::filesystem::path> places = AssetPlacesFor(program);
  for (const std::filesystem::path& place : places) {
    std::error_code error;
    if (std::filesystem::is_directory(place, error)) return place.string();
  }
  return places[1].string();
}

std::filesystem::path RunningProgram() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : program;
}

std::string FindAssetDirectory() {
  const std::filesystem::path program = RunningProgram();
  return program.empty() ? JETVALE_ASSET_DIR : AssetDirectoryFor(program);
}

}  // namespace jetvale
