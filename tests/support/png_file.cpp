// PNG decoding of what png_writer encodes: fixed-Huffman or stored deflate blocks, no row filters.
#include "png_file.h"

#include <cstdint>
#include <string>

namespace jetvale {
namespace {

class BitReader {
 public:
  BitReader(const std::vector<unsigned char>& data, std::size_t start) : data_(data), position_(start) {}
  bool Failed() const { return failed_; }
  std::uint32_t Bits(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value |= Bit() << i;
    return value;
  }
  std::uint32_t Bit() {
    if (position_ >= data_.size()) {
      failed_ = true;
      return 0;
    }
    const std::uint32_t bit = (data_[position_] >> used_) & 1u;
    if (++used_ == 8) {
      used_ = 0;
      ++position_;
    }
    return bit;
  }
  void SkipToByte() {
    if (used_ > 0) {
      used_ = 0;
      ++position_;
    }
  }

 private:
  const std::vector<unsigned char>& data_;
  std::size_t position_;
  int used_ = 0;
  bool failed_ = false;
};

// The fixed Huffman literal/length alphabet, read one code bit at a time, most significant first.
int FixedSymbol(BitReader& r) {
  std::uint32_t code = 0;
  for (int i = 0; i < 7; ++i) code = (code << 1) | r.Bit();
  if (code <= 23) return 256 + static_cast<int>(code);
  code = (code << 1) | r.Bit();
  if (code >= 48 && code <= 191) return static_cast<int>(code) - 48;
  if (code >= 192 && code <= 199) return 280 + static_cast<int>(code) - 192;
  code = (code << 1) | r.Bit();
  return 144 + static_cast<int>(code) - 400;
}

bool Inflate(const std::vector<unsigned char>& data, std::size_t start, std::vector<unsigned char>& out) {
  BitReader r(data, start);
  for (bool last = false; !last && !r.Failed();) {
    last = r.Bits(1) == 1;
    const std::uint32_t type = r.Bits(2);
    if (type == 0) {
      r.SkipToByte();
      const std::uint32_t length = r.Bits(16);
      r.Bits(16);
      for (std::uint32_t i = 0; i < length; ++i) out.push_back(static_cast<unsigned char>(r.Bits(8)));
      continue;
    }
    if (type != 1) return false;  // dynamic codes: not ours
    for (;;) {
      const int symbol = FixedSymbol(r);
      if (r.Failed() || symbol > 285) return false;
      if (symbol < 256) {
        out.push_back(static_cast<unsigned char>(symbol));
        continue;
      }
      if (symbol == 256) break;
      const auto code = static_cast<std::size_t>(symbol - 257);
      const int length = kLengthBase[code] + static_cast<int>(r.Bits(kLengthExtra[code]));
      std::uint32_t dcode = 0;
      for (int i = 0; i < 5; ++i) dcode = (dcode << 1) | r.Bit();
      if (dcode > 29) return false;
      const int distance = kDistanceBase[dcode] + static_cast<int>(r.Bits(dcode < 4 ? 0 : static_cast<int>(dcode) / 2 - 1));
      if (distance > static_cast<int>(out.size())) return false;
      for (int i = 0; i < length; ++i) out.push_back(out[out.size() - static_cast<std::size_t>(distance)]);
    }
  }
  return !r.Failed();
}

std::uint32_t Get32(const std::vector<unsigned char>& bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) | (std::uint32_t{bytes[at + 2]} << 8) |
         bytes[at + 3];
}

}  // namespace

bool DecodePng(const std::vector<unsigned char>& png, int width, int height, std::vector<Color>& pixels) {
  std::vector<unsigned char> zlib;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = Get32(png, at);
    if (at + 12 + length > png.size()) return false;
    const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    if (type == "IHDR" && (Get32(png, at + 8) != static_cast<std::uint32_t>(width) ||
                           Get32(png, at + 12) != static_cast<std::uint32_t>(height))) {
      return false;
    }
    if (type == "IDAT") zlib.insert(zlib.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                    png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    at += 12 + length;
  }
  std::vector<unsigned char> raw;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3 + 1;
  if (zlib.size() < 2 || !Inflate(zlib, 2, raw) || raw.size() != rowBytes * static_cast<std::size_t>(height)) return false;
  pixels.clear();
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = &raw[static_cast<std::size_t>(y) * rowBytes];
    if (row[0] != 0) return false;
    for (int x = 0; x < width; ++x) pixels.push_back(MakeColor(row[1 + 3 * x], row[2 + 3 * x], row[3 + 3 * x]));
  }
  return true;
}

}  // namespace jetvale
