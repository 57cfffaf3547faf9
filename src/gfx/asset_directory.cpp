// Asset lookup for the desktop game.
#include "gfx/asset_directory.h"

#include <filesystem>
#include <system_error>

namespace jetvale {

std::string FindAssetDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path beside = program.parent_path() / "assets";
    if (std::filesystem::is_directory(beside, error)) return beside.string();
  }
  return JETVALE_ASSET_DIR;
}

}  // namespace jetvale
