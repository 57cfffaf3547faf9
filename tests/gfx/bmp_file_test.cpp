// BMP files: what the game saves it can read back; damaged files are refused with the file's name and the fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "gfx/bmp_file.h"
#include "gfx/gapi_surface.h"

namespace jetvale {
namespace {

std::string TempPath(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A BMP written out by hand: 14-byte file header, 40-byte info header, masks when given, then the pixel rows.
std::vector<unsigned char> HandMadeBmp(int width, int height, int bits, const std::vector<std::uint32_t>& masks,
                                       const std::vector<unsigned char>& rows) {
  std::vector<unsigned char> b = {'B', 'M'};
  auto u32 = [&b](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  const auto offset = static_cast<std::uint32_t>(54 + 4 * masks.size());
  for (const std::uint32_t v : {offset + static_cast<std::uint32_t>(rows.size()), 0u, offset, 40u,
                                static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                                1 | static_cast<std::uint32_t>(bits) << 16,  // planes, bits per pixel
                                masks.empty() ? 0u : 3u, 0u, 0u, 0u, 0u, 0u}) {
    u32(v);
  }
  for (const std::uint32_t mask : masks) u32(mask);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

TEST(BmpFile, ATopDownFileKeepsItsFirstRowOnTopAndChannelMasksAreHonoured) {
  // Two rows of one 24-bit pixel each (blue, green, red, then padding to 4 bytes): red first, then blue.
  const std::vector<unsigned char> rows = {0, 0, 255, 0, 255, 0, 0, 0};
  BmpImage image;
  std::string error;
  ASSERT_TRUE(ParseBmp(HandMadeBmp(1, -2, 24, {}, rows), "top.bmp", image, error)) << error;
  EXPECT_EQ(image.pixels, (std::vector<Color>{kRed, kBlue}));
  ASSERT_TRUE(ParseBmp(HandMadeBmp(1, 2, 24, {}, rows), "bottom.bmp", image, error)) << error;
  EXPECT_EQ(image.pixels, (std::vector<Color>{kBlue, kRed}));

  // 32-bit pixels 0x11223344 with red in the low byte, green next, blue in bits 16..23: red 0x44, green 0x33,
  // blue 0x22.
  const std::vector<unsigned char> pixel = {0x44, 0x33, 0x22, 0x11};
  ASSERT_TRUE(ParseBmp(HandMadeBmp(1, 1, 32, {0xFF, 0xFF00, 0xFF0000}, pixel), "rgb.bmp", image, error)) << error;
  EXPECT_EQ(image.pixels[0], MakeColor(0x44, 0x33, 0x22));
  EXPECT_FALSE(ParseBmp(HandMadeBmp(1, 1, 32, {0xF0F, 0xFF00, 0xFF0000}, pixel), "odd.bmp", image, error));
  EXPECT_EQ(error, "odd.bmp: channel mask 3855 is not one run of 1 to 8 bits");
}

TEST(BmpFile, ASavedSurfaceReadsBackAndDamagedFilesAreRefusedWithTheFileNameAndTheFault) {
  CGapiSurface surface;
  surface.CreateSurface(5, 3);  // 15-byte rows padded to 16
  surface.SetPixel(0, 0, MakeColor(1, 2, 3));
  surface.SetPixel(4, 2, MakeColor(250, 128, 7));
  const std::string path = TempPath("jetvale_roundtrip.bmp");
  ASSERT_EQ(surface.SaveSurface(path), kGapiOk);
  const std::vector<unsigned char> good = FileBytes(path);
  EXPECT_EQ(good.size(), 54u + 16u * 3u);
  CGapiSurface loaded;
  std::string error;
  ASSERT_EQ(loaded.CreateSurface(path, &error), kGapiOk) << error;
  EXPECT_EQ(loaded.Pixels(), surface.Pixels());
  std::filesystem::remove(path);

  // Each damage: the bytes kept, the byte changed and its new value, the fault.
  const auto damaged = [&good](std::size_t kept, std::size_t at, unsigned char value) {
    std::vector<unsigned char> bad(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(kept));
    if (at < kept) bad[at] = value;
    return bad;
  };
  const std::size_t all = good.size();
  for (const auto& [bytes, fault] : std::vector<std::pair<std::vector<unsigned char>, std::string>>{
           {damaged(all, 0, 'X'), "not a BMP file (no 'BM' signature)"},
           {damaged(all - 3, all, 0), "truncated: the pixel data ends before the file says"},
           {damaged(all, 28, 8), "8-bit pixels are not supported (24 or 32 needed)"},
           {damaged(all, 21, 0x7F), "impossible size 2130706437 x 3"},                  // width beyond two billion
           {HandMadeBmp(4097, 1, 24, {}, {}), "impossible size 4097 x 1"},
           {damaged(20, all, 0), "too short to be a BMP file"}}) {
    BmpImage out;
    EXPECT_FALSE(ParseBmp(bytes, "x.bmp", out, error)) << fault;
    EXPECT_EQ(error, "x.bmp: " + fault);
  }
  // A file that promises a 4000 x 4000 picture but holds one row is refused without reading further.
  const std::string big = TempPath("jetvale_promises_much.bmp");
  {
    std::ofstream file(big, std::ios::binary);
    const std::vector<unsigned char> bytes = HandMadeBmp(4000, 4000, 24, {}, std::vector<unsigned char>(12000));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  BmpImage out;
  EXPECT_FALSE(ReadBmpFile(big, out, error));
  EXPECT_EQ(error, big + ": truncated: the pixel data ends before the file says");
  std::filesystem::remove(big);
  EXPECT_EQ(loaded.CreateSurface(TempPath("jetvale_no_such.bmp"), &error), kGapiFail);
  EXPECT_NE(error.find("jetvale_no_such.bmp: cannot be opened"), std::string::npos);
}

}  // namespace
}  // namespace jetvale
