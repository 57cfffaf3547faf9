// The program's three bitmaps: resource ids, the files that hold them, and the sizes the game relies on.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "gfx/gapi_surface.h"

namespace jetvale {

struct BitmapAsset {
  int resourceId;
  std::string_view fileName;
  int width;
  int height;
};

inline constexpr BitmapAsset kFrameBitmap{133, "frame.bmp", 320, 240};
inline constexpr BitmapAsset kSpriteBitmap{134, "sprites.bmp", 135, 72};
inline constexpr BitmapAsset kMapBitmap{135, "world_map.bmp", 1220, 514};

// Loads one bitmap from the asset directory; on failure `error` names the file and what is wrong.
bool LoadBitmapAsset(const std::string& assetDirectory, const BitmapAsset& asset, CGapiSurface& surface,
                     std::string& error);

}  // namespace jetvale
