// Comparing a picture with its reviewed golden PNG in tests/golden/, or redrawing the golden on request.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "gfx/gapi_surface.h"
#include "support/png_file.h"

namespace jetvale {

// With JETVALE_UPDATE_GOLDEN set the golden is written anew. A failing picture leaves the actual picture and a
// difference picture (changed pixels magenta over a dimmed golden) in golden_failures/ for the reader.
inline void ExpectMatchesGolden(const CGapiSurface& picture, const std::string& name) {
  const std::filesystem::path golden = std::filesystem::path(JETVALE_GOLDEN_DIR) / (name + ".png");
  const int width = picture.GetWidth();
  const int height = picture.GetHeight();
  if (std::getenv("JETVALE_UPDATE_GOLDEN") != nullptr) {
    WritePngFile(golden.string(), width, height, picture.Pixels());
    return;
  }
  std::ifstream file(golden, std::ios::binary);
  const std::vector<unsigned char> expected{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (expected == EncodePng(width, height, picture.Pixels())) return;
  const std::filesystem::path out = std::filesystem::current_path() / "golden_failures";
  std::filesystem::create_directories(out);
  WritePngFile((out / (name + ".actual.png")).string(), width, height, picture.Pixels());
  std::vector<Color> reference;
  if (DecodePng(expected, width, height, reference)) {
    std::vector<Color> difference(reference.size());
    for (std::size_t i = 0; i < reference.size(); ++i) {
      difference[i] = reference[i] != picture.Pixels()[i] ? kMagenta : (reference[i] >> 2) & 0x3F3F3Fu;
    }
    WritePngFile((out / (name + ".difference.png")).string(), width, height, difference);
  }
  ADD_FAILURE() << name << " differs from " << golden << "; see the pictures in " << out;
}

}  // namespace jetvale
