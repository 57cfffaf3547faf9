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
  bad = good;
  bad[21] = 0x7F;  // width beyond two billion
  EXPECT_NE(refusal(bad).find("impossible size"), std::string::npos);
  EXPECT_EQ(refusal({good.begin(), good.begin() + 20}), "x.bmp: too short to be a BMP file");

  CGapiSurface missing;
  std::string error;
  EXPECT_EQ(missing.CreateSurface(TempPath("jetvale_no_such.bmp"), &error), kGapiFail);
  EXPECT_NE(error.find("jetvale_no_such.bmp: cannot be opened"), std::string::npos);
}

}  // namespace
}  // namespace jetvale
