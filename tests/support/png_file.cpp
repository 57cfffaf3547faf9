// Golden pictures on disk through libpng: a PNG read into the game's colours, and pixels written as a PNG.
#include "png_file.h"

#include <png.h>

namespace jetvale {

bool ReadPng(const std::string& path, int& width, int& height, std::vector<Color>& pixels) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) return false;
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  pixels.clear();
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) pixels.push_back(MakeColor(rgb[i], rgb[i + 1], rgb[i + 2]));
  return true;
}

bool WritePng(const std::string& path, int width, int height, const std::vector<Color>& pixels) {
  std::vector<unsigned char> rgb;
  for (const Color c : pixels) rgb.insert(rgb.end(), {static_cast<unsigned char>(RedOf(c)),
                                                      static_cast<unsigned char>(GreenOf(c)),
                                                      static_cast<unsigned char>(BlueOf(c))});
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

}  // namespace jetvale
