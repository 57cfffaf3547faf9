// The font's shapes where the game relies on them, and the outlined and shadowed text of DrawTextW.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "gfx/gapi_surface.h"

namespace jetvale {
namespace {

CGapiSurface Blue(int width, int height) {
  CGapiSurface surface;
  surface.CreateSurface(width, height);
  surface.FillRect({0, 0, width, height}, kBlue, kFillSolid, nullptr);
  return surface;
}

// Ink drawn plain at the origin, as "#" rows of the cell's seven columns' worth.
std::string Ink(const CGapiSurface& screen, int row) {
  std::string ink;
  for (int x = 0; x < screen.GetWidth(); ++x) ink += screen.GetPixel(x, row) == kWhite ? '#' : '.';
  return ink;
}

TEST(Font, EveryGlyphFitsTheSevenRowsLeftUnderTheStatusLine) {
  // The status line's texts are drawn at y 233: rows 7 and below of a cell would fall off the 240-row screen.
  for (char code = 0x20; code <= 0x7E; ++code) {
    CGapiSurface screen = Blue(8, 12);
    screen.DrawTextW(0, 0, std::string(1, code), kWhite, kTextPlain);
    for (int row = 7; row < 12; ++row) EXPECT_EQ(Ink(screen, row), "........") << code;
  }
}

// The descenders were redrawn, not dropped, and a full stop is one dot so money does not read as a plus.
TEST(Font, DescendersAndTheFullStopOnTheBottomRow) {
  for (const auto& [text, bottom] : {std::pair{"p", "#......."}, {"y", ".##....."}, {".", "..#....."}}) {
    CGapiSurface screen = Blue(8, 8);
    screen.DrawTextW(0, 0, text, kWhite, kTextPlain);
    EXPECT_EQ(Ink(screen, 6), bottom) << text;
    if (text[0] == '.') {
      for (int row = 0; row < 6; ++row) EXPECT_EQ(Ink(screen, row), "........") << row;
    }
  }
}

TEST(Text, OutlineRingsTheInkWithBlackAndLeavesTheRestAlone) {
  CGapiSurface screen = Blue(9, 12);
  // The full stop's only ink pixel is cell (2, 6), so drawn at (2, 2) it lands on (4, 8).
  EXPECT_EQ(screen.DrawTextW(2, 2, ".", kWhite, kTextOutline), kGapiOk);
  for (int y = 7; y <= 9; ++y) {
    for (int x = 3; x <= 5; ++x) EXPECT_EQ(screen.GetPixel(x, y), x == 4 && y == 8 ? kWhite : kBlack) << x << "," << y;
  }
  EXPECT_EQ(screen.GetPixel(4, 6), kBlue);
  EXPECT_EQ(screen.GetPixel(2, 8), kBlue);
  EXPECT_EQ(screen.GetPixel(6, 8), kBlue);
  EXPECT_EQ(screen.GetPixel(4, 10), kBlue);
}

TEST(Text, NoLettersOutlineCoversItsNeighboursInk) {
  CGapiSurface screen = Blue(13, 10);
  // '#' has a full-width bar on row 2, so the first one inks (6, 3); the second starts at x 7 with ink in its
  // first column, and its outline reaches back over x 6.
  screen.DrawTextW(2, 1, "##", kWhite, kTextOutline);
  EXPECT_EQ(screen.GetPixel(6, 3), kWhite);
  EXPECT_EQ(screen.GetPixel(7, 3), kWhite);
  EXPECT_EQ(screen.GetPixel(11, 3), kWhite);  // the second bar's last pixel
  EXPECT_EQ(screen.GetPixel(12, 3), kBlack);  // and its outline
}

TEST(Text, ShadowFallsOnlyDownAndRight) {
  CGapiSurface screen = Blue(9, 12);
  EXPECT_EQ(screen.DrawTextW(2, 2, ".", kWhite, kTextShadow), kGapiOk);
  EXPECT_EQ(screen.GetPixel(4, 8), kWhite);
  EXPECT_EQ(screen.GetPixel(5, 9), kBlack);
  for (const auto& [x, y] : {std::pair{3, 7}, {4, 7}, {5, 7}, {3, 8}, {5, 8}, {3, 9}, {4, 9}}) {
    EXPECT_EQ(screen.GetPixel(x, y), kBlue) << x << "," << y;
  }
}

TEST(Text, PlainTextIsInkOnlyAndUnknownFlagsDrawNothing) {
  CGapiSurface screen = Blue(9, 12);
  EXPECT_EQ(screen.DrawTextW(2, 2, ".", kWhite, 1), kGapiInvalidParams);
  EXPECT_EQ(screen.GetPixel(4, 8), kBlue);
  EXPECT_EQ(screen.DrawTextW(2, 2, ".", kWhite, kTextPlain), kGapiOk);
  int white = 0;
  for (const Color c : screen.Pixels()) white += c == kWhite ? 1 : 0;
  EXPECT_EQ(white, 1);
  EXPECT_EQ(screen.GetPixel(4, 8), kWhite);
  EXPECT_EQ(screen.GetPixel(5, 9), kBlue);
}

}  // namespace
}  // namespace jetvale
