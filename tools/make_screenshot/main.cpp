// make_screenshot IN.bmp SCALE OUT.png: a picture of the game (a screenshot, or a frame jetvale-sim --replay kept)
// enlarged by a whole factor with sharp pixels, as the window shows it, for the package's metainfo.
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "gfx/bmp_file.h"
#include "png/png_writer.h"

int main(int argc, char** argv) {
  int scale = 0;
  const std::string_view scaleText = argc == 4 ? argv[2] : "";
  const auto [end, failure] = std::from_chars(scaleText.data(), scaleText.data() + scaleText.size(), scale);
  if (argc != 4 || failure != std::errc{} || end != scaleText.data() + scaleText.size() || scale < 1 || scale > 8) {
    std::cerr << "usage: make_screenshot IN.bmp SCALE(1..8) OUT.png\n";
    return 2;
  }
  jetvale::BmpImage picture;
  std::string error;
  if (!jetvale::ReadBmpFile(argv[1], picture, error)) {
    std::cerr << "make_screenshot: " << error << "\n";
    return 1;
  }
  std::vector<jetvale::Color> enlarged;
  for (int y = 0; y < picture.height * scale; ++y) {
    for (int x = 0; x < picture.width * scale; ++x) {
      enlarged.push_back(picture.pixels[static_cast<std::size_t>(y / scale * picture.width + x / scale)]);
    }
  }
  if (!jetvale::WritePngFile(argv[3], picture.width * scale, picture.height * scale, enlarged)) {
    std::cerr << "make_screenshot: cannot write " << argv[3] << "\n";
    return 1;
  }
  return 0;
}
