// BMP files: what the game saves it can read back; damaged files are refused with a reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gfx/bmp_file.h"
#include "gfx/gapi_surface.h"

namespace jetvale {
namespace {

std::string TempPath(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BmpFile, SavedSurfaceReadsBackPixelForPixelWithPaddedRows) {
  CGapiSurface surface;
  surface.CreateSurface(5, 3);  // 15-byte rows padded to 16
  surface.SetPixel(0, 0, MakeColor(1, 2, 3));
  surface.SetPixel(4, 2, MakeColor(250, 128, 7));
  const std::string path = TempPath("jetvale_roundtrip.bmp");
  ASSERT_EQ(surface.SaveSurface(path), kGapiOk);
  EXPECT_EQ(FileBytes(path).size(), 54u + 16u * 3u);

  CGapiSurface loaded;
  std::string error;
  ASSERT_EQ(loaded.CreateSurface(path, &error), kGapiOk) << error;
  EXPECT_EQ(loaded.Pixels(), surface.Pixels());
  std::filesystem::remove(path);
}

// A BMP written out by hand: 14-byte file header, 40-byte info header, masks when given, then the pixel rows.
std::vector<unsigned char> HandMadeBmp(int width, int height, int bits, const std::vector<std::uint32_t>& masks,
                                       const std::vector<unsigned char>& rows) {
  std::vector<unsigned char> b;
  auto u32 = [&b](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  const auto offset = static_cast<std::uint32_t>(54 + 4 * masks.size());
  b = {'B', 'M'};
  u32(offset + static_cast<std::uint32_t>(rows.size()));
  u32(0);
  u32(offset);
  u32(40);
  u32(static_cast<std::uint32_t>(width));
  u32(static_cast<std::uint32_t>(height));
  u32(1 | static_cast<std::uint32_t>(bits) << 16);  // planes, bits per pixel
  u32(masks.empty() ? 0 : 3);
  for (int i = 0; i < 5; ++i) u32(0);
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
  // blue 0x22. A 5-bit mask is scaled: 0x1F in bits 24..28 reads as 255.
  const std::vector<unsigned char> pixel = {0x44, 0x33, 0x22, 0x11};
  ASSERT_TRUE(ParseBmp(HandMadeBmp(1, 1, 32, {0xFF, 0xFF00, 0xFF0000}, pixel), "rgb.bmp", image, error)) << error;
  EXPECT_EQ(image.pixels[0], MakeColor(0x44, 0x33, 0x22));
  ASSERT_TRUE(ParseBmp(HandMadeBmp(1, 1, 32, {0x1F000000, 0xFF00, 0xFF}, {0, 0x10, 0, 0x1F}), "565.bmp", image,
                       error)) << error;
  EXPECT_EQ(image.pixels[0], MakeColor(255, 0x10, 0));
  EXPECT_FALSE(ParseBmp(HandMadeBmp(1, 1, 32, {0xF0F, 0xFF00, 0xFF0000}, pixel), "odd.bmp", image, error));
  EXPECT_EQ(error, "odd.bmp: channel mask 3855 is not one run of 1 to 8 bits");
}

TEST(BmpFile, DamagedFilesAreRefusedWithTheFileNameAndTheFault) {
  BmpImage image{2, 2, {kRed, kGreen, kBlue, kWhite}};
  const std::string path = TempPath("jetvale_good.bmp");
  ASSERT_TRUE(WriteBmpFile(path, image));
  const std::vector<unsigned char> good = FileBytes(path);
  std::filesystem::remove(path);

  auto refusal = [](std::vector<unsigned char> bytes) {
    BmpImage out;
    std::string error;
    EXPECT_FALSE(ParseBmp(bytes, "x.bmp", out, error));
    return error;
  };
  std::vector<unsigned char> bad = good;
  bad[0] = 'X';
  EXPECT_EQ(refusal(bad), "x.bmp: not a BMP file (no 'BM' signature)");
  EXPECT_EQ(refusal({good.begin(), good.end() - 3}), "x.bmp: truncated: the pixel data ends before the file says");
  bad = good;
  bad[28] = 8;
  EXPECT_EQ(refusal(bad), "x.bmp: 8-bit pixels are not supported (24 or 32 needed)");
  bad[28] = 24;
  bad[29] = 1;  // the high byte of the pixel size: 24 + 256
  EXPECT_EQ(refusal(bad), "x.bmp: 280-bit pixels are not supported (24 or 32 needed)");
  bad = good;
  bad[21] = 0x7F;  // width beyond two billion
  EXPECT_NE(refusal(bad).find("impossible size"), std::string::npos);
  EXPECT_EQ(refusal({good.begin(), good.begin() + 20}), "x.bmp: too short to be a BMP file");
  EXPECT_EQ(refusal(HandMadeBmp(4097, 1, 24, {}, {})), "x.bmp: impossible size 4097 x 1");

  // A file that promises a 4000 x 4000 picture but holds one row is refused without reading further.
  const std::string big = TempPath("jetvale_promises_much.bmp");
  {
    std::ofstream out(big, std::ios::binary);
    const std::vector<unsigned char> bytes = HandMadeBmp(4000, 4000, 24, {}, std::vector<unsigned char>(12000));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  BmpImage unread;
  std::string why;
  EXPECT_FALSE(ReadBmpFile(big, unread, why));
  EXPECT_EQ(why, big + ": truncated: the pixel data ends before the file says");
  std::filesystem::remove(big);

  CGapiSurface missing;
  std::string error;
  EXPECT_EQ(missing.CreateSurface(TempPath("jetvale_no_such.bmp"), &error), kGapiFail);
  EXPECT_NE(error.find("jetvale_no_such.bmp: cannot be opened"), std::string::npos);
}

}  // namespace
}  // namespace jetvale
