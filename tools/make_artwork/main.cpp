// make_artwork <asset dir>: writes frame.bmp and sprites.bmp, refusing a sprite sheet that breaks the cell layout,
// and the program's icons as icons/jetvale-<size>.png.
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

#include "app_icon.h"
#include "frame.h"
#include "gfx/bmp_file.h"
#include "png/png_writer.h"
#include "sprite_sheet.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_artwork <asset dir>\n";
    return 2;
  }
  const std::string dir = argv[1];
  jetvale::BmpImage sheet;
  std::string error;
  if (!jetvale::artwork::DrawSpriteSheet(sheet, error)) {
    std::cerr << "make_artwork: " << error << "\n";
    return 1;
  }
  const std::pair<const char*, jetvale::BmpImage> outputs[] = {{"/frame.bmp", jetvale::artwork::DrawFrame()},
                                                                {"/sprites.bmp", sheet}};
  for (const auto& [name, image] : outputs) {
    if (!jetvale::WriteBmpFile(dir + name, image)) {
      std::cerr << "make_artwork: cannot write " << dir << name << "\n";
      return 1;
    }
  }
  std::error_code ignored;
  std::filesystem::create_directories(dir + "/icons", ignored);
  for (const int size : jetvale::artwork::kAppIconSizes) {
    const jetvale::artwork::AppIcon icon = jetvale::artwork::DrawAppIcon(size);
    const std::string path = dir + "/icons/jetvale-" + std::to_string(size) + ".png";
    if (!jetvale::WritePngFile(path, size, size, icon.picture.pixels, &icon.alpha)) {
      std::cerr << "make_artwork: cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
