// PNG encoding: zlib stream with fixed-Huffman deflate blocks and greedy LZ77 matching, CRC and Adler checksums.
#include "png/png_writer.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace jetvale {
namespace {

class BitWriter {
 public:
  explicit BitWriter(std::vector<unsigned char>& out) : out_(out) {}
  // Deflate packs bits from the least significant end.
  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  // Huffman codes go most significant bit first.
  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  void Flush() {
    if (used_ > 0) out_.push_back(static_cast<unsigned char>(current_));
    current_ = 0;
    used_ = 0;
  }

 private:
  void Bit(std::uint32_t bit) {
    current_ |= bit << used_;
    if (++used_ == 8) Flush();
  }
  std::vector<unsigned char>& out_;
  std::uint32_t current_ = 0;
  int used_ = 0;
};

void Literal(BitWriter& w, int symbol) {
  if (symbol < 144) w.Code(0x30 + symbol, 8);
  else if (symbol < 256) w.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) w.Code(symbol - 256, 7);
  else w.Code(0xC0 + symbol - 280, 8);
}

void Match(BitWriter& w, int length, int distance) {
  int code = 28;
  while (kLengthBase[static_cast<std::size_t>(code)] > length) --code;
  Literal(w, 257 + code);
  w.Bits(static_cast<std::uint32_t>(length - kLengthBase[static_cast<std::size_t>(code)]),
         kLengthExtra[static_cast<std::size_t>(code)]);
  int dcode = 29;
  while (kDistanceBase[static_cast<std::size_t>(dcode)] > distance) --dcode;
  w.Code(static_cast<std::uint32_t>(dcode), 5);
  w.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[static_cast<std::size_t>(dcode)]),
         dcode < 4 ? 0 : dcode / 2 - 1);
}

std::vector<unsigned char> Deflate(const std::vector<unsigned char>& data) {
  constexpr int kWindow = 32768;
  constexpr int kMaxLength = 258;
  constexpr int kHashSize = 1 << 15;
  std::vector<unsigned char> out;
  BitWriter w(out);
  w.Bits(1, 1);  // the only block
  w.Bits(1, 2);  // fixed Huffman codes
  std::vector<int> last(kHashSize, -1);
  const int size = static_cast<int>(data.size());
  auto hash = [&](int i) { return ((data[i] << 10) ^ (data[i + 1] << 5) ^ data[i + 2]) & (kHashSize - 1); };
  for (int i = 0; i < size;) {
    int length = 0;
    int distance = 0;
    if (i + 2 < size) {
      const int h = hash(i);
      const int candidate = last[static_cast<std::size_t>(h)];
      last[static_cast<std::size_t>(h)] = i;
      if (candidate >= 0 && i - candidate <= kWindow) {
        while (length < kMaxLength && i + length < size && data[candidate + length] == data[i + length]) ++length;
        distance = i - candidate;
      }
    }
    if (length >= 3) {
      Match(w, length, distance);
      for (int k = 1; k < length && i + k + 2 < size; ++k) last[static_cast<std::size_t>(hash(i + k))] = i + k;
      i += length;
    } else {
      Literal(w, data[static_cast<std::size_t>(i)]);
      ++i;
    }
  }
  Literal(w, 256);
  w.Flush();
  return out;
}

std::uint32_t Crc(const unsigned char* bytes, std::size_t count) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < count; ++i) {
    crc ^= bytes[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Put32(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

void Chunk(std::vector<unsigned char>& png, const char* type, const std::vector<unsigned char>& body) {
  Put32(png, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), body.begin(), body.end());
  Put32(png, Crc(png.data() + start, png.size() - start));
}

}  // namespace

std::vector<unsigned char> EncodePng(int width, int height, const std::vector<Color>& pixels,
                                     const std::vector<unsigned char>* alpha) {
  std::vector<unsigned char> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const auto at = static_cast<std::size_t>(y * width + x);
      const Color c = pixels[at];
      raw.insert(raw.end(), {static_cast<unsigned char>(RedOf(c)), static_cast<unsigned char>(GreenOf(c)),
                             static_cast<unsigned char>(BlueOf(c))});
      if (alpha != nullptr) raw.push_back((*alpha)[at]);
    }
  }
  std::vector<unsigned char> zlib = {0x78, 0x01};
  const std::vector<unsigned char> deflated = Deflate(raw);
  zlib.insert(zlib.end(), deflated.begin(), deflated.end());
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Put32(zlib, (b << 16) | a);

  std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  Put32(header, static_cast<std::uint32_t>(width));
  Put32(header, static_cast<std::uint32_t>(height));
  // 8 bits, truecolour (with alpha: 6), deflate, no filter choice, no interlace
  header.insert(header.end(), {8, static_cast<unsigned char>(alpha != nullptr ? 6 : 2), 0, 0, 0});
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", zlib);
  Chunk(png, "IEND", {});
  return png;
}

bool WritePngFile(const std::string& path, int width, int height, const std::vector<Color>& pixels,
                  const std::vector<unsigned char>* alpha) {
  const std::vector<unsigned char> png = EncodePng(width, height, pixels, alpha);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

}  // namespace jetvale
