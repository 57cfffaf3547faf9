// The font's shapes where the game relies on them, and the outlined and shadowed text of DrawTextW.
#include <gtest/gtest.h>

#include <utility>

#include "gfx/font.h"
#include "gfx/gapi_surface.h"

namespace jetvale {
namespace {

CGapiSurface Blue(int width, int height) {
  CGapiSurface surface;
  surface.CreateSurface(width, height);
  surface.FillRect({0, 0, width, height}, kBlue, kFillSolid, nullptr);
  return surface;
}

TEST(Font, EveryGlyphFitsTheSevenRowsLeftUnderTheStatusLine) {
  constexpr int kRowsUnderTheStatusLine = 240 - 233;  // the status line's texts are drawn at y 233
  for (int code = 0x20; code <= 0x7E; ++code) {
    const FontGlyph& glyph = GlyphFor(static_cast<char>(code));
    for (int row = kRowsUnderTheStatusLine; row < kGlyphHeight; ++row) {
      EXPECT_EQ(glyph.rows[static_cast<std::size_t>(row)], 0) << static_cast<char>(code);
    }
  }
  // The descenders were redrawn, not dropped: 'p' keeps a stem under its bowl, 'y' a tail.
  EXPECT_EQ(GlyphFor('p').rows[6], 0x80);  // "#...."
  EXPECT_EQ(GlyphFor('y').rows[6], 0x60);  // ".##.."
}

TEST(Font, AFullStopIsOneDotOnTheBaselineSoMoneyDoesNotReadAsAPlus) {
  const FontGlyph& stop = GlyphFor('.');
  for (int row = 0; row < kGlyphHeight; ++row) {
    EXPECT_EQ(stop.rows[static_cast<std::size_t>(row)], row == 6 ? 0x20 : 0) << row;  // "..#.." on row 6 only
  }
  EXPECT_NE(GlyphFor(',').rows, stop.rows);
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
