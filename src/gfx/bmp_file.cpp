// BMP reading and writing: BITMAPFILEHEADER + BITMAPINFOHEADER, uncompressed, rows padded to 4 bytes.
#include "gfx/bmp_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace jetvale {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMinInfoHeaderSize = 40;
constexpr int kMaxDimension = 16384;  // far above any bitmap of the game; guards the allocation

std::uint32_t ReadU32(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t ReadU16(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void PutU32(std::vector<unsigned char>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void PutU16(std::vector<unsigned char>& b, std::uint16_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}

bool Fail(std::string& error, const std::string& name, const std::string& what) {
  error = name + ": " + what;
  return false;
}

}  // namespace

bool ParseBmp(const std::vector<unsigned char>& bytes, const std::string& name, BmpImage& image, std::string& error) {
  if (bytes.size() < kFileHeaderSize + kMinInfoHeaderSize) return Fail(error, name, "too short to be a BMP file");
  if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, name, "not a BMP file (no 'BM' signature)");
  const std::uint32_t dataOffset = ReadU32(bytes, 10);
  const std::uint32_t infoSize = ReadU32(bytes, 14);
  if (infoSize < kMinInfoHeaderSize) return Fail(error, name, "unsupported BMP header");
  const auto width = static_cast<std::int32_t>(ReadU32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(ReadU32(bytes, 22));
  const int bitsPerPixel = ReadU16(bytes, 28);
  const std::uint32_t compression = ReadU32(bytes, 30);
  if (width <= 0 || rawHeight == 0 || width > kMaxDimension || rawHeight > kMaxDimension ||
      rawHeight < -kMaxDimension) {
    return Fail(error, name, "impossible size " + std::to_string(width) + " x " + std::to_string(rawHeight));
  }
  if (bitsPerPixel != 24 && bitsPerPixel != 32) {
    return Fail(error, name, std::to_string(bitsPerPixel) + "-bit pixels are not supported (24 or 32 needed)");
  }
  // 32-bit files may say BI_BITFIELDS (3); we read them as B, G, R, unused like every common writer.
  if (compression != 0 && !(compression == 3 && bitsPerPixel == 32)) {
    return Fail(error, name, "compressed BMP files are not supported");
  }
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;
  const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel / 8);
  const std::size_t rowSize = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
  const std::size_t needed = static_cast<std::size_t>(dataOffset) + rowSize * static_cast<std::size_t>(height);
  if (dataOffset < kFileHeaderSize + infoSize || needed > bytes.size()) {
    return Fail(error, name, "truncated: the pixel data ends before the file says");
  }
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlack);
  for (int row = 0; row < height; ++row) {
    const int fileRow = bottomUp ? height - 1 - row : row;
    std::size_t at = dataOffset + rowSize * static_cast<std::size_t>(fileRow);
    for (int x = 0; x < width; ++x, at += bytesPerPixel) {
      image.pixels[static_cast<std::size_t>(row * width + x)] = MakeColor(bytes[at + 2], bytes[at + 1], bytes[at]);
    }
  }
  return true;
}

bool ReadBmpFile(const std::string& path, BmpImage& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, path, "cannot be opened (missing or unreadable)");
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseBmp(bytes, path, image, error);
}

bool WriteBmpFile(const std::string& path, const BmpImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    return false;
  }
  const std::size_t rowSize = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
  const std::size_t dataSize = rowSize * static_cast<std::size_t>(image.height);
  std::vector<unsigned char> out;
  out.reserve(kFileHeaderSize + kMinInfoHeaderSize + dataSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<std::uint32_t>(kFileHeaderSize + kMinInfoHeaderSize + dataSize));
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>(kFileHeaderSize + kMinInfoHeaderSize));
  PutU32(out, static_cast<std::uint32_t>(kMinInfoHeaderSize));
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(image.height));
  PutU16(out, 1);   // planes
  PutU16(out, 24);  // bits per pixel
  PutU32(out, 0);   // BI_RGB
  PutU32(out, static_cast<std::uint32_t>(dataSize));
  PutU32(out, 2835);  // 72 dpi, in pixels per metre
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int row = image.height - 1; row >= 0; --row) {
    const std::size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Color c = image.pixels[static_cast<std::size_t>(row * image.width + x)];
      out.push_back(static_cast<unsigned char>(BlueOf(c)));
      out.push_back(static_cast<unsigned char>(GreenOf(c)));
      out.push_back(static_cast<unsigned char>(RedOf(c)));
    }
    out.resize(start + rowSize, 0);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace jetvale
