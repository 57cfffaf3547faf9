// Loading a bitmap asset, with a size check so a wrong file fails at start and not in the middle of a blit.
#include "engine/bitmap_assets.h"

namespace jetvale {

bool LoadBitmapAsset(const std::string& assetDirectory, const BitmapAsset& asset, CGapiSurface& surface,
                     std::string& error) {
  const std::string path = assetDirectory + "/" + std::string(asset.fileName);
  CGapiSurface loaded;
  std::string why;
  if (GapiFailed(loaded.CreateSurface(path, &why))) {
    error = "bitmap " + std::to_string(asset.resourceId) + ": " + why;
    return false;
  }
  if (loaded.GetWidth() != asset.width || loaded.GetHeight() != asset.height) {
    error = "bitmap " + std::to_string(asset.resourceId) + ": " + path + ": is " + std::to_string(loaded.GetWidth()) +
            " x " + std::to_string(loaded.GetHeight()) + " pixels, the game needs " + std::to_string(asset.width) +
            " x " + std::to_string(asset.height);
    return false;
  }
  surface = std::move(loaded);
  return true;
}

}  // namespace jetvale
