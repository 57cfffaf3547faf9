// The software surface where the goldens cannot look: refusals, and clipping at every edge of the destination.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>
#include <utility>

#include "gfx/gapi_surface.h"

namespace jetvale {
namespace {

// A 4 x 4 black screen; Picture writes it row by row, '/' between rows, a pixel as the digit of its red channel.
CGapiSurface Sized(int width, int height) {
  CGapiSurface s;
  s.CreateSurface(width, height);
  return s;
}
CGapiSurface Screen() { return Sized(4, 4); }
std::string Picture(const CGapiSurface& s) {
  std::string text;
  for (int y = 0; y < s.GetHeight(); ++y) {
    for (int x = 0; x < s.GetWidth(); ++x) {
      const Color c = s.GetPixel(x, y);
      text += c == kBlack ? '.' : static_cast<char>('0' + RedOf(c));
    }
    if (y + 1 < s.GetHeight()) text += '/';
  }
  return text;
}
// 3 x 3, pixel (x, y) has red 1 + x + 3y: "123/456/789".
CGapiSurface Numbered() {
  CGapiSurface s = Sized(3, 3);
  for (int i = 0; i < 9; ++i) s.SetPixel(i % 3, i / 3, MakeColor(1 + i, 0, 0));
  return s;
}

TEST(Surface, BlitsAndFillsAreClippedAtEveryEdgeOfTheDestination) {
  const GapiRect lowerRight{1, 1, 3, 3};  // right and bottom exclusive: "56/89"
  using Blit = std::tuple<int, int, const GapiRect*, const char*>;
  for (const auto& [x, y, rect, picture] :
       {Blit{-1, -1, nullptr, "56../89../..../...."}, Blit{2, 2, nullptr, "..../..../..12/..45"},
        Blit{-2, 3, nullptr, "..../..../..../3..."}, Blit{3, -2, nullptr, "...7/..../..../...."},
        Blit{-1, 3, &lowerRight, "..../..../..../6..."}, Blit{1, 0, &lowerRight, ".56./.89./..../...."},
        Blit{4, 0, nullptr, "..../..../..../...."}, Blit{-3, 0, nullptr, "..../..../..../...."},
        Blit{0, 4, nullptr, "..../..../..../...."}, Blit{0, -3, nullptr, "..../..../..../...."}}) {
    CGapiSurface screen = Screen();
    EXPECT_EQ(screen.BltFast(x, y, Numbered(), rect, kBltOpaque), kGapiOk);
    EXPECT_EQ(Picture(screen), picture) << x << "," << y;
  }
  for (const auto& [rect, picture] : {std::pair{GapiRect{-1, -1, 2, 1}, "11../..../..../...."},
                                      {GapiRect{3, 2, 9, 9}, "..../..../...1/...1"},
                                      {GapiRect{3, 0, 1, 2}, "..../..../..../...."},    // inside out
                                      {GapiRect{0, 2, 4, 0}, "..../..../..../...."},    // upside down
                                      {GapiRect{4, 0, 9, 4}, "..../..../..../...."},    // beside the right
                                      {GapiRect{-5, 0, 0, 4}, "..../..../..../...."}}) {  // and the left
    CGapiSurface screen = Screen();
    EXPECT_EQ(screen.FillRect(rect, MakeColor(1, 0, 0), kFillSolid, nullptr), kGapiOk);
    EXPECT_EQ(Picture(screen), picture) << rect.left << "," << rect.top;
  }
  // Lines take both ends, the pixel nearest y = x / 3 when shallow, and drop what lies off the surface.
  CGapiSurface lines = Screen();
  EXPECT_EQ(lines.DrawLine(3, 0, 0, 3, MakeColor(1, 0, 0), 0), kGapiOk);
  EXPECT_EQ(lines.DrawLine(-2, 0, 4, 2, MakeColor(2, 0, 0), 0), kGapiOk);
  EXPECT_EQ(Picture(lines), "...1/222./.1.2/1...");  // the shallow one: x -2 and -1 on row 0, 0..2 on 1, 3 and 4 on 2
  EXPECT_EQ(lines.SetPixel(9, 9, kRed), kGapiOk);
}

TEST(Surface, BadRectanglesFlagsAndSurfacesAreRefusedWithTheirCodesAndDrawNothing) {
  CGapiSurface screen = Screen();
  const CGapiSurface source = Numbered();
  for (const GapiRect rect : {GapiRect{0, 0, 4, 3}, GapiRect{0, 0, 3, 4}, GapiRect{-1, 0, 2, 2}, GapiRect{0, -1, 2, 2},
                              GapiRect{2, 0, 2, 2}, GapiRect{0, 1, 2, 1}}) {
    EXPECT_EQ(screen.BltFast(0, 0, source, &rect, kBltOpaque), kGapiInvalidRect) << rect.left << "," << rect.top;
  }
  CGapiSurface none;
  const FillEffect half{128};
  const GapiRect all{0, 0, 4, 4};
  const struct { GapiResult got, want; } refusals[] = {
      {screen.BltFast(0, 0, none, nullptr, kBltOpaque), kGapiNotInitialized},
      {none.BltFast(0, 0, source, nullptr, kBltOpaque), kGapiNotInitialized},
      {screen.BltFast(0, 0, screen, nullptr, kBltOpaque), kGapiInPrimary},
      {screen.BltFast(0, 0, source, nullptr, 7), kGapiInvalidParams},
      {screen.FillRect(all, kRed, kFillBlend, nullptr), kGapiInvalidParams},
      {screen.FillRect(all, kRed, 7, &half), kGapiInvalidParams},
      {none.FillRect(all, kRed, kFillSolid, nullptr), kGapiNotInitialized},
      {screen.DrawTextW(0, 0, "#", kRed, 1), kGapiInvalidParams},
      {none.DrawTextW(0, 0, "#", kRed, kTextPlain), kGapiNotInitialized},
      {screen.DrawLine(0, 0, 3, 3, kRed, 3), kGapiInvalidParams},
      {none.DrawLine(0, 0, 3, 3, kRed, 0), kGapiNotInitialized}, {none.SetPixel(0, 0, kRed), kGapiNotInitialized},
      {none.CreateSurface(0, 4), kGapiInvalidParams}, {none.CreateSurface(4, 0), kGapiInvalidParams},
      {none.SaveSurface("never.bmp"), kGapiNotInitialized}, {screen.SaveSurface(""), kGapiInvalidParams},
      {screen.SaveSurface("/nonexistent-folder/screen.bmp"), kGapiFail},
  };
  for (std::size_t i = 0; i < std::size(refusals); ++i) EXPECT_EQ(refusals[i].got, refusals[i].want) << "refusal " << i;
  EXPECT_EQ(Picture(screen), "..../..../..../....");
}

}  // namespace
}  // namespace jetvale
