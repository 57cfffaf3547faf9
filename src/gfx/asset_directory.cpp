// Asset lookup for the desktop game and the simulator.
#include "gfx/asset_directory.h"

#include <system_error>

namespace jetvale {

std::string AssetDirectoryFor(const std::filesystem::path& program) {
  std::error_code error;
  const std::filesystem::path beside = program.parent_path() / "assets";
  if (std::filesystem::is_directory(beside, error)) return beside.string();
  return JETVALE_ASSET_DIR;
}

std::string FindAssetDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? JETVALE_ASSET_DIR : AssetDirectoryFor(program);
}

}  // namespace jetvale
