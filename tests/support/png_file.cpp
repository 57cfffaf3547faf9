// PNG encoding: zlib stream with fixed-Huffman deflate blocks and greedy LZ77 matching, CRC and Adler checksums.
#include "png_file.h"

#include <array>
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

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                               33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

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

std::vector<unsigned char> EncodePng(int width, int height, const std::vector<Color>& pixels) {
  std::vector<unsigned char> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const Color c = pixels[static_cast<std::size_t>(y * width + x)];
      raw.insert(raw.end(), {static_cast<unsigned char>(RedOf(c)), static_cast<unsigned char>(GreenOf(c)),
                             static_cast<unsigned char>(BlueOf(c))});
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
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, truecolour, deflate, no filter choice, no interlace
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", zlib);
  Chunk(png, "IEND", {});
  return png;
}

bool WritePngFile(const std::string& path, int width, int height, const std::vector<Color>& pixels) {
  const std::vector<unsigned char> png = EncodePng(width, height, pixels);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

}  // namespace jetvale
