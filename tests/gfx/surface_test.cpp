// Drawing into a software surface: blits with clipping and colour key, blends, text, lines, pixels.
#include <gtest/gtest.h>

#include "gfx/font.h"
#include "gfx/gapi_surface.h"

namespace jetvale {
namespace {

CGapiSurface Solid(int width, int height, Color color) {
  CGapiSurface surface;
  surface.CreateSurface(width, height);
  surface.FillRect({0, 0, width, height}, color, kFillSolid, nullptr);
  return surface;
}

TEST(Surface, BlitIsClippedAtEveryEdgeOfTheDestination) {
  CGapiSurface screen = Solid(10, 10, kBlack);
  const CGapiSurface source = Solid(4, 4, kRed);
  EXPECT_EQ(screen.BltFast(-2, -2, source, nullptr, kBltOpaque), kGapiOk);
  EXPECT_EQ(screen.BltFast(8, 8, source, nullptr, kBltOpaque), kGapiOk);
  EXPECT_EQ(screen.BltFast(20, 0, source, nullptr, kBltOpaque), kGapiOk);  // wholly outside: nothing
  EXPECT_EQ(screen.GetPixel(0, 0), kRed);
  EXPECT_EQ(screen.GetPixel(1, 1), kRed);
  EXPECT_EQ(screen.GetPixel(2, 2), kBlack);
  EXPECT_EQ(screen.GetPixel(9, 9), kRed);
  EXPECT_EQ(screen.GetPixel(7, 9), kBlack);
}

TEST(Surface, BlitCopiesOnlyTheSourceRectangle) {
  CGapiSurface source = Solid(6, 6, kBlue);
  source.SetPixel(2, 3, kGreen);
  CGapiSurface screen = Solid(8, 8, kBlack);
  const GapiRect rect{2, 3, 4, 5};  // right and bottom exclusive: 2 x 2 pixels
  ASSERT_EQ(screen.BltFast(5, 5, source, &rect, kBltOpaque), kGapiOk);
  EXPECT_EQ(screen.GetPixel(5, 5), kGreen);
  EXPECT_EQ(screen.GetPixel(6, 6), kBlue);
  EXPECT_EQ(screen.GetPixel(7, 7), kBlack);
  EXPECT_EQ(screen.GetPixel(5, 7), kBlack);  // two rows only, although the rectangle starts at row 3
}

TEST(Surface, BadSourceRectanglesAndSurfacesAreRefusedWithTheirCodes) {
  CGapiSurface screen = Solid(8, 8, kBlack);
  const CGapiSurface source = Solid(4, 4, kRed);
  for (const GapiRect rect : {GapiRect{0, 0, 5, 4}, GapiRect{-1, 0, 2, 2}, GapiRect{3, 0, 2, 2}, GapiRect{1, 1, 1, 3}}) {
    EXPECT_EQ(screen.BltFast(0, 0, source, &rect, kBltOpaque), kGapiInvalidRect);
  }
  EXPECT_EQ(screen.BltFast(0, 0, CGapiSurface{}, nullptr, kBltOpaque), kGapiNotInitialized);
  EXPECT_EQ(screen.BltFast(0, 0, screen, nullptr, kBltOpaque), kGapiInPrimary);
  EXPECT_EQ(screen.BltFast(0, 0, source, nullptr, 7), kGapiInvalidParams);
  EXPECT_EQ(screen.GetPixel(0, 0), kBlack);  // nothing was drawn by a refused blit
  // Saving needs a surface and a file name; a save that cannot be written says so.
  EXPECT_EQ(CGapiSurface{}.SaveSurface("never.bmp"), kGapiNotInitialized);
  EXPECT_EQ(screen.SaveSurface(""), kGapiInvalidParams);
  EXPECT_TRUE(GapiFailed(screen.SaveSurface("/nonexistent-folder/screen.bmp")));
}

TEST(Surface, ColourKeyedBlitSkipsMagentaOnlyWhenAsked) {
  // The game's colours: red in the low byte, blue in the high; magenta is red and blue at full.
  EXPECT_EQ(kMagenta, 0xFF00FFu);
  EXPECT_EQ(MakeColor(255, 0, 255), kMagenta);
  CGapiSurface sprite = Solid(3, 1, kMagenta);
  sprite.SetPixel(1, 0, kYellow);
  sprite.SetColorKey(kMagenta);
  CGapiSurface screen = Solid(3, 2, kBlue);
  screen.BltFast(0, 0, sprite, nullptr, kBltColorKey);
  screen.BltFast(0, 1, sprite, nullptr, kBltOpaque);
  EXPECT_EQ(screen.GetPixel(0, 0), kBlue);
  EXPECT_EQ(screen.GetPixel(1, 0), kYellow);
  EXPECT_EQ(screen.GetPixel(0, 1), kMagenta);

  // A surface without a colour key of its own keeps its magenta pixels even in a keyed copy.
  const CGapiSurface unkeyed = Solid(1, 1, kMagenta);
  screen.BltFast(2, 0, unkeyed, nullptr, kBltColorKey);
  EXPECT_EQ(screen.GetPixel(2, 0), kMagenta);
}

TEST(Surface, BlendedFillsMixByTheirOpacity) {
  CGapiSurface screen = Solid(4, 1, kWhite);
  FillEffect half{128};
  FillEffect mostly{192};
  screen.FillRect({0, 0, 1, 1}, kBlack, kFillBlend, &half);
  screen.FillRect({1, 0, 2, 1}, kBlack, kFillBlend, &mostly);
  screen.FillRect({2, 0, 9, 1}, kBlue, kFillSolid, nullptr);  // clipped at the right edge
  EXPECT_EQ(screen.GetPixel(0, 0), MakeColor(127, 127, 127));  // 255 x 127 / 255
  EXPECT_EQ(screen.GetPixel(1, 0), MakeColor(63, 63, 63));
  EXPECT_EQ(screen.GetPixel(3, 0), kBlue);
  EXPECT_EQ(screen.FillRect({0, 0, 1, 1}, kBlack, kFillBlend, nullptr), kGapiInvalidParams);
}

TEST(Surface, FillsTurnedInsideOutOrBesideTheSurfaceDrawNothing) {
  CGapiSurface screen = Solid(4, 2, kWhite);
  const GapiRect insideOut{3, 0, 1, 2}, upsideDown{0, 2, 4, 0}, besideRight{9, 0, 12, 2}, besideLeft{-5, 0, -1, 2};
  for (const GapiRect& rect : {insideOut, upsideDown, besideRight, besideLeft}) {
    EXPECT_EQ(screen.FillRect(rect, kBlue, kFillSolid, nullptr), kGapiOk);
  }
  EXPECT_TRUE(screen.Pixels() == Solid(4, 2, kWhite).Pixels());
}

TEST(Surface, TextDrawsFontGlyphsCellByCellAndATabAsABlank) {
  CGapiSurface screen = Solid(20, 10, kBlack);
  screen.DrawTextW(1, 1, "I\tI", kWhite, kTextPlain);
  const FontGlyph& glyph = GlyphFor('I');
  int lit = 0;
  for (int row = 0; row < kGlyphHeight; ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      const bool ink = (glyph.rows[static_cast<std::size_t>(row)] & (0x80 >> column)) != 0;
      lit += ink ? 1 : 0;
      EXPECT_EQ(screen.GetPixel(1 + column, 1 + row), ink ? kWhite : kBlack);
      EXPECT_EQ(screen.GetPixel(6 + column, 1 + row), kBlack);  // the tab's cell
      EXPECT_EQ(screen.GetPixel(11 + column, 1 + row), ink ? kWhite : kBlack);
    }
  }
  EXPECT_GT(lit, 4);
  CGapiSurface blank = Solid(8, 10, kBlack);
  blank.DrawTextW(0, 0, " ", kWhite, 0);
  for (const Color c : blank.Pixels()) EXPECT_EQ(c, kBlack);  // a blank has no ink
}

TEST(Surface, ShadowedTextKeepsItsInkOnTopOfItsShadow) {
  // The ink alone, drawn plain; then the same text with flags 257, a black shadow one pixel down and right.
  // "#", "X" and "\\" put shadow pixels onto their own ink, which must stay white.
  const std::string text = "#X\\";
  CGapiSurface plain = Solid(24, 12, kBlue);
  plain.DrawTextW(1, 1, text, kWhite, 0);
  CGapiSurface shadowed = Solid(24, 12, kBlue);
  shadowed.DrawTextW(1, 1, text, kWhite, 257);
  int ink = 0;
  int shadow = 0;
  int shadowUnderInk = 0;
  for (int y = 0; y + 1 < 12; ++y) {
    for (int x = 0; x + 1 < 24; ++x) {
      if (plain.GetPixel(x, y) != kWhite) continue;
      ++ink;
      EXPECT_EQ(shadowed.GetPixel(x, y), kWhite) << x << "," << y;
      if (plain.GetPixel(x + 1, y + 1) == kWhite) {
        ++shadowUnderInk;
      } else {
        ++shadow;
        EXPECT_EQ(shadowed.GetPixel(x + 1, y + 1), kBlack) << x + 1 << "," << y + 1;
      }
    }
  }
  EXPECT_GT(ink, 10);
  EXPECT_GT(shadow, 5);
  EXPECT_GT(shadowUnderInk, 2);
}

TEST(Surface, LinesIncludeBothEndsAndPixelsOutsideAreIgnored) {
  CGapiSurface screen = Solid(5, 5, kBlack);
  screen.DrawLine(4, 0, 0, 4, kRed, 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(screen.GetPixel(4 - i, i), kRed);
  // A shallow line takes the pixel nearest to y = x / 3 in every column: 0, 0, 1, 1, 1, 2, 2.
  CGapiSurface wide = Solid(7, 3, kBlack);
  wide.DrawLine(0, 0, 6, 2, kRed, 0);
  for (int x = 0; x < 7; ++x) {
    for (int y = 0; y < 3; ++y) EXPECT_EQ(wide.GetPixel(x, y), y == (x + 1) / 3 ? kRed : kBlack) << x << "," << y;
  }
  EXPECT_EQ(screen.SetPixel(9, 9, kRed), kGapiOk);
  EXPECT_EQ(screen.DrawLine(0, 0, 1, 1, kRed, 3), kGapiInvalidParams);
  CGapiSurface empty;
  EXPECT_EQ(empty.DrawLine(0, 0, 1, 1, kRed, 0), kGapiNotInitialized);
  EXPECT_EQ(empty.SetPixel(0, 0, kRed), kGapiNotInitialized);
}

}  // namespace
}  // namespace jetvale
