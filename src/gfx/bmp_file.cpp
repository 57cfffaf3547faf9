// BMP reading and writing: BITMAPFILEHEADER + BITMAPINFOHEADER, uncompressed, rows padded to 4 bytes.
// The reader checks the headers before it reads any pixel data and reads no more than the headers promise.
#include "gfx/bmp_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <fstream>

namespace jetvale {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMinInfoHeaderSize = 40;
constexpr std::size_t kMaskBytes = 12;  // red, green and blue masks, right after a 40-byte info header
constexpr std::size_t kHeaderPrefix = kFileHeaderSize + kMinInfoHeaderSize + kMaskBytes;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kBitFields = 3;     // BI_BITFIELDS: 32-bit pixels with channel masks
// The largest bitmap of the game is the 1220 x 514 world map; anything beyond 4096 on a side is damage.
constexpr int kMaxDimension = 4096;
constexpr std::uint32_t kMaxDataOffset = 1024;

std::uint32_t ReadU32(const unsigned char* b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t ReadU16(const unsigned char* b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void PutU32(std::vector<unsigned char>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void PutU16(std::vector<unsigned char>& b, std::uint16_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}

// The bytes of a row of `width` pixels, padded to a multiple of 4.
std::size_t RowSize(int width, std::size_t bytesPerPixel) {
  return (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
}

bool Fail(std::string& error, const std::string& name, const std::string& what) {
  error = name + ": " + what;
  return false;
}

// One colour channel of a 32-bit pixel: where its bits sit and how many there are (1..8).
struct Channel {
  int shift = 0;
  int bits = 8;
  int Of(std::uint32_t pixel) const {
    const std::uint32_t top = (1u << bits) - 1;
    return static_cast<int>(((pixel >> shift) & top) * 255 / top);
  }
};

// A mask is usable when its bits form one run of 1 to 8 bits.
bool MakeChannel(std::uint32_t mask, Channel& channel) {
  if (mask == 0) return false;
  channel.shift = std::countr_zero(mask);
  channel.bits = std::popcount(mask);
  return channel.bits <= 8 && (mask >> channel.shift) == (1u << channel.bits) - 1;
}

// What the headers say: enough to know how many bytes the file must have before any pixel is read.
struct BmpLayout {
  int width = 0;
  int height = 0;
  bool bottomUp = true;
  std::size_t bytesPerPixel = 3;
  std::size_t rowSize = 0;
  std::size_t dataOffset = 0;
  std::array<Channel, 3> channels = {Channel{16, 8}, Channel{8, 8}, Channel{0, 8}};  // red, green, blue
  std::size_t FileSize() const { return dataOffset + rowSize * static_cast<std::size_t>(height); }
};

// `bytes` holds at least the first `available` bytes of the file (all of them when the file is shorter).
bool ReadLayout(const unsigned char* bytes, std::size_t available, const std::string& name, BmpLayout& layout,
                std::string& error) {
  if (available < kFileHeaderSize + kMinInfoHeaderSize) return Fail(error, name, "too short to be a BMP file");
  if (bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, name, "not a BMP file (no 'BM' signature)");
  const std::uint32_t dataOffset = ReadU32(bytes, 10);
  const std::uint32_t infoSize = ReadU32(bytes, 14);
  if (infoSize < kMinInfoHeaderSize || infoSize > kMaxDataOffset) return Fail(error, name, "unsupported BMP header");
  const auto width = static_cast<std::int32_t>(ReadU32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(ReadU32(bytes, 22));
  const std::size_t bitsPerPixel = ReadU16(bytes, 28);
  const std::uint32_t compression = ReadU32(bytes, 30);
  if (width <= 0 || rawHeight == 0 || width > kMaxDimension || rawHeight > kMaxDimension ||
      rawHeight < -kMaxDimension) {
    return Fail(error, name, "impossible size " + std::to_string(width) + " x " + std::to_string(rawHeight));
  }
  if (bitsPerPixel != 24 && bitsPerPixel != 32) {
    return Fail(error, name, std::to_string(bitsPerPixel) + "-bit pixels are not supported (24 or 32 needed)");
  }
  if (compression != kUncompressed && !(compression == kBitFields && bitsPerPixel == 32)) {
    return Fail(error, name, "compressed BMP files are not supported");
  }
  const std::size_t masksEnd = kFileHeaderSize + kMinInfoHeaderSize + kMaskBytes;
  if (compression == kBitFields) {
    if (available < masksEnd) return Fail(error, name, "too short for its channel masks");
    for (std::size_t c = 0; c < 3; ++c) {
      const std::uint32_t mask = ReadU32(bytes, kFileHeaderSize + kMinInfoHeaderSize + 4 * c);
      if (!MakeChannel(mask, layout.channels[c])) {
        return Fail(error, name, "channel mask " + std::to_string(mask) + " is not one run of 1 to 8 bits");
      }
    }
  }
  const std::size_t headersEnd =
      kFileHeaderSize + std::max<std::size_t>(infoSize, compression == kBitFields ? masksEnd - kFileHeaderSize : 0);
  if (dataOffset < headersEnd || dataOffset > kMaxDataOffset) {
    return Fail(error, name, "pixel data offset " + std::to_string(dataOffset) + " is impossible");
  }
  layout.width = width;
  layout.bottomUp = rawHeight > 0;
  layout.height = layout.bottomUp ? rawHeight : -rawHeight;
  layout.bytesPerPixel = bitsPerPixel / 8;
  layout.rowSize = RowSize(width, layout.bytesPerPixel);
  layout.dataOffset = dataOffset;
  return true;
}

// `bytes` holds at least layout.FileSize() bytes.
void Decode(const unsigned char* bytes, const BmpLayout& layout, BmpImage& image) {
  image.width = layout.width;
  image.height = layout.height;
  image.pixels.assign(PixelCount(layout.width, layout.height), kBlack);
  for (int row = 0; row < layout.height; ++row) {
    const int fileRow = layout.bottomUp ? layout.height - 1 - row : row;
    std::size_t at = layout.dataOffset + layout.rowSize * static_cast<std::size_t>(fileRow);
    Color* out = &image.pixels[PixelIndex(0, row, layout.width)];
    for (int x = 0; x < layout.width; ++x, at += layout.bytesPerPixel) {
      // Blue, green, red (and a fourth byte in 32-bit files) from the low byte up.
      std::uint32_t pixel = static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
                            static_cast<std::uint32_t>(bytes[at + 2]) << 16;
      if (layout.bytesPerPixel == 4) pixel |= static_cast<std::uint32_t>(bytes[at + 3]) << 24;
      out[x] = MakeColor(layout.channels[0].Of(pixel), layout.channels[1].Of(pixel), layout.channels[2].Of(pixel));
    }
  }
}

}  // namespace

bool ParseBmp(const std::vector<unsigned char>& bytes, const std::string& name, BmpImage& image, std::string& error) {
  BmpLayout layout;
  if (!ReadLayout(bytes.data(), bytes.size(), name, layout, error)) return false;
  if (layout.FileSize() > bytes.size()) return Fail(error, name, "truncated: the pixel data ends before the file says");
  Decode(bytes.data(), layout, image);
  return true;
}

bool ReadBmpFile(const std::string& path, BmpImage& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, path, "cannot be opened (missing or unreadable)");
  std::vector<unsigned char> bytes(kHeaderPrefix);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  BmpLayout layout;
  if (!ReadLayout(bytes.data(), static_cast<std::size_t>(in.gcount()), path, layout, error)) return false;
  // Only as many bytes as the headers promise are read, so an endless or huge file costs nothing more.
  const std::size_t size = layout.FileSize();
  if (size > bytes.size()) {
    const std::size_t have = bytes.size();
    bytes.resize(size);
    in.read(reinterpret_cast<char*>(bytes.data() + have), static_cast<std::streamsize>(size - have));
    if (static_cast<std::size_t>(in.gcount()) != size - have) {
      return Fail(error, path, "truncated: the pixel data ends before the file says");
    }
  }
  Decode(bytes.data(), layout, image);
  return true;
}

bool WriteBmpFile(const std::string& path, const BmpImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() != PixelCount(image.width, image.height)) {
    return false;
  }
  const std::size_t rowSize = RowSize(image.width, 3);
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
  PutU32(out, kUncompressed);
  PutU32(out, static_cast<std::uint32_t>(dataSize));
  PutU32(out, 2835);  // 72 dpi, in pixels per metre
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int row = image.height - 1; row >= 0; --row) {
    const std::size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Color c = image.pixels[PixelIndex(x, row, image.width)];
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
