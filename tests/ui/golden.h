// Comparing a picture with its reviewed golden PNG in tests/golden/, or redrawing the golden on request.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "gfx/gapi_surface.h"
#include "support/png_file.h"

namespace jetvale {

// Golden and picture must agree in size and in every decoded pixel. With JETVALE_UPDATE_GOLDEN set the golden is
// written anew. A failing picture leaves the actual picture and a difference picture (changed pixels magenta over a
// dimmed golden) in golden_failures/ for the reader.
inline void ExpectMatchesGolden(const CGapiSurface& picture, const std::string& name) {
  const std::filesystem::path golden = std::filesystem::path(JETVALE_GOLDEN_DIR) / (name + ".png");
  const int width = picture.GetWidth();
  const int height = picture.GetHeight();
  if (std::getenv("JETVALE_UPDATE_GOLDEN") != nullptr) {
    EXPECT_TRUE(WritePng(golden.string(), width, height, picture.Pixels())) << golden;
    return;
  }
  int goldenWidth = 0;
  int goldenHeight = 0;
  std::vector<Color> reference;
  const bool sameSize = ReadPng(golden.string(), goldenWidth, goldenHeight, reference) && goldenWidth == width &&
                        goldenHeight == height;
  if (sameSize && reference == picture.Pixels()) return;
  const std::filesystem::path out = std::filesystem::current_path() / "golden_failures";
  std::filesystem::create_directories(out);
  WritePng((out / (name + ".actual.png")).string(), width, height, picture.Pixels());
  if (sameSize) {
    std::vector<Color> difference(reference.size());
    for (std::size_t i = 0; i < reference.size(); ++i) {
      difference[i] = reference[i] != picture.Pixels()[i] ? kMagenta : (reference[i] >> 2) & 0x3F3F3Fu;
    }
    WritePng((out / (name + ".difference.png")).string(), width, height, difference);
  }
  ADD_FAILURE() << name << (sameSize ? " differs from " : " is not the size of (or has no) ") << golden
                << "; see the pictures in " << out;
}

}  // namespace jetvale
