// PCF parsing: the table of contents, then the accelerator, metrics, bitmap and encoding tables.
#include "pcf_font.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace make_font {
namespace {

constexpr std::uint32_t kMagic = 0x70636601;  // "\1fcp", read least significant byte first
constexpr std::uint32_t kMaxTables = 64;       // real fonts have about nine

// Table types in the table of contents.
constexpr std::uint32_t kAccelerators = 1u << 1;
constexpr std::uint32_t kMetrics = 1u << 2;
constexpr std::uint32_t kBitmaps = 1u << 3;
constexpr std::uint32_t kBdfEncodings = 1u << 5;
constexpr std::uint32_t kBdfAccelerators = 1u << 8;

// Bits of a table's format word.
constexpr std::uint32_t kLayoutMask = 0xFFFFFF00u;    // which variant of the table follows
constexpr std::uint32_t kCompressedMetrics = 0x100u;  // metrics as five offset bytes each
constexpr std::uint32_t kMostSignificantByteFirst = 1u << 2;
constexpr std::uint32_t kMostSignificantBitFirst = 1u << 3;

constexpr std::uint16_t kNoGlyph = 0xFFFF;  // an encoding slot without a glyph

// Reads integers from one stretch of the file, never past its end, in the byte order it was told.
class ByteReader {
 public:
  ByteReader(const std::vector<unsigned char>& bytes, std::size_t begin, std::size_t end, std::string what)
      : bytes_(bytes), pos_(begin), end_(end), what_(std::move(what)) {}

  void SetBigEndian(bool big_endian) { big_endian_ = big_endian; }
  std::size_t Position() const { return pos_; }

  std::uint32_t Unsigned(int size) {
    if (end_ - pos_ < static_cast<std::size_t>(size)) throw std::runtime_error(what_ + " is cut short");
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
      const std::uint32_t byte = bytes_[pos_ + static_cast<std::size_t>(big_endian_ ? i : size - 1 - i)];
      value = (value << 8) | byte;
    }
    pos_ += static_cast<std::size_t>(size);
    return value;
  }
  std::uint8_t U8() { return static_cast<std::uint8_t>(Unsigned(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
  std::uint32_t U32() { return Unsigned(4); }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

  void Skip(std::size_t count) {
    if (end_ - pos_ < count) throw std::runtime_error(what_ + " is cut short");
    pos_ += count;
  }

 private:
  const std::vector<unsigned char>& bytes_;
  std::size_t pos_;
  std::size_t end_;
  std::string what_;
  bool big_endian_ = false;
};

struct TableEntry {
  std::uint32_t type = 0;
  std::uint32_t format = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

std::vector<TableEntry> ReadTableOfContents(const std::vector<unsigned char>& bytes) {
  ByteReader in(bytes, 0, bytes.size(), "the file header");
  if (bytes.size() < 4 || in.U32() != kMagic) {
    if (bytes.size() >= 2 && bytes[0] == 0x1F && bytes[1] == 0x8B) {
      throw std::runtime_error("this is gzip-compressed; decompress it first (zcat FONT.pcf.gz | make_font - ...)");
    }
    throw std::runtime_error("not a PCF font (it does not start with \"\\1fcp\")");
  }
  const std::uint32_t count = in.U32();
  if (count > kMaxTables) throw std::runtime_error("the table of contents claims " + std::to_string(count) + " tables");
  std::vector<TableEntry> tables(count);
  for (TableEntry& table : tables) {
    table.type = in.U32();
    table.format = in.U32();
    table.size = in.U32();
    table.offset = in.U32();
    if (table.offset > bytes.size()) {
      throw std::runtime_error("table type " + std::to_string(table.type) + " starts past the end of the file");
    }
    // X11's writer counts the last table's padding in its size but does not write it, so trim to the file.
    table.size = std::min<std::uint32_t>(table.size, static_cast<std::uint32_t>(bytes.size() - table.offset));
  }
  return tables;
}

const TableEntry* FindTable(const std::vector<TableEntry>& tables, std::uint32_t type) {
  for (const TableEntry& table : tables) {
    if (table.type == type) return &table;
  }
  return nullptr;
}

// Opens a table: checks its leading format word against the table of contents and adopts its byte order.
ByteReader OpenTable(const std::vector<unsigned char>& bytes, const TableEntry& table, const std::string& name) {
  ByteReader in(bytes, table.offset, std::size_t{table.offset} + table.size, "the " + name + " table");
  if (in.U32() != table.format) {
    throw std::runtime_error("the " + name + " table's format disagrees with the table of contents");
  }
  in.SetBigEndian((table.format & kMostSignificantByteFirst) != 0);
  return in;
}

void ReadFontExtent(const std::vector<unsigned char>& bytes, const std::vector<TableEntry>& tables, PcfFont& font) {
  const TableEntry* table = FindTable(tables, kBdfAccelerators);
  if (table == nullptr) table = FindTable(tables, kAccelerators);
  if (table == nullptr) throw std::runtime_error("no accelerator table, so no font ascent and descent");
  ByteReader in = OpenTable(bytes, *table, "accelerator");
  in.Skip(8);  // seven flag bytes and a pad byte
  font.ascent = in.I32();
  font.descent = in.I32();
}

std::vector<PcfGlyph> ReadMetrics(const std::vector<unsigned char>& bytes, const std::vector<TableEntry>& tables) {
  const TableEntry* table = FindTable(tables, kMetrics);
  if (table == nullptr) throw std::runtime_error("no metrics table");
  ByteReader in = OpenTable(bytes, *table, "metrics");
  const bool compressed = (table->format & kLayoutMask) == kCompressedMetrics;
  const std::size_t count = compressed ? in.U16() : in.U32();
  const std::size_t entry_size = compressed ? 5 : 12;
  if (count > (table->size - 4) / entry_size) throw std::runtime_error("the metrics table is cut short");
  std::vector<PcfGlyph> glyphs(count);
  for (PcfGlyph& glyph : glyphs) {
    if (compressed) {  // each value is stored plus 0x80
      glyph.left = in.U8() - 0x80;
      glyph.right = in.U8() - 0x80;
      glyph.advance = in.U8() - 0x80;
      glyph.ascent = in.U8() - 0x80;
      glyph.descent = in.U8() - 0x80;
    } else {
      glyph.left = in.I16();
      glyph.right = in.I16();
      glyph.advance = in.I16();
      glyph.ascent = in.I16();
      glyph.descent = in.I16();
      in.U16();  // attributes, unused
    }
    if (glyph.Width() < 0 || glyph.Height() < 0) throw std::runtime_error("a glyph's ink box is inside out");
  }
  return glyphs;
}

// Copies each glyph's pixels out of the bitmap table, undoing its row padding, bit order and byte order.
void ReadBitmaps(const std::vector<unsigned char>& bytes, const std::vector<TableEntry>& tables,
                 std::vector<PcfGlyph>& glyphs) {
  const TableEntry* table = FindTable(tables, kBitmaps);
  if (table == nullptr) throw std::runtime_error("no bitmap table");
  ByteReader in = OpenTable(bytes, *table, "bitmap");
  if (in.U32() != glyphs.size()) throw std::runtime_error("the bitmap and metrics tables count different glyphs");
  std::vector<std::uint32_t> offsets(glyphs.size());
  for (std::uint32_t& offset : offsets) offset = in.U32();
  std::uint32_t data_sizes[4] = {};
  for (std::uint32_t& size : data_sizes) size = in.U32();

  const std::uint32_t pad_index = table->format & 3;  // rows are padded to 1, 2, 4 or 8 bytes
  const std::size_t row_pad = std::size_t{1} << pad_index;
  const std::size_t scan_unit = std::size_t{1} << ((table->format >> 4) & 3);
  const bool msb_bit_first = (table->format & kMostSignificantBitFirst) != 0;
  const bool swap_bytes = msb_bit_first != ((table->format & kMostSignificantByteFirst) != 0);
  const std::size_t data_begin = in.Position();
  const std::size_t data_size = data_sizes[pad_index];
  in.Skip(data_size);

  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    PcfGlyph& glyph = glyphs[i];
    const auto width = static_cast<std::size_t>(glyph.Width());
    const auto height = static_cast<std::size_t>(glyph.Height());
    const std::size_t stride = (width + row_pad * 8 - 1) / (row_pad * 8) * row_pad;
    if (offsets[i] > data_size || stride * height > data_size - offsets[i]) {
      throw std::runtime_error("glyph " + std::to_string(i) + "'s bitmap lies past the end of the bitmap table");
    }
    glyph.ink.assign(width * height, false);
    for (std::size_t y = 0; y < height; ++y) {
      for (std::size_t x = 0; x < width; ++x) {
        // The byte order applies to scan units of the table's whole bitmap data, which can span rows.
        std::size_t byte = offsets[i] + y * stride + x / 8;
        if (swap_bytes) byte = byte / scan_unit * scan_unit + (scan_unit - 1 - byte % scan_unit);
        if (byte >= data_size) throw std::runtime_error("glyph " + std::to_string(i) + "'s bitmap is cut short");
        const unsigned bit = msb_bit_first ? 7 - x % 8 : x % 8;
        const unsigned char value = bytes[data_begin + byte];
        glyph.ink[y * width + x] = ((value >> bit) & 1) != 0;
      }
    }
  }
}

void ReadEncodings(const std::vector<unsigned char>& bytes, const std::vector<TableEntry>& tables,
                   const std::vector<PcfGlyph>& glyphs, PcfFont& font) {
  const TableEntry* table = FindTable(tables, kBdfEncodings);
  if (table == nullptr) throw std::runtime_error("no encoding table");
  ByteReader in = OpenTable(bytes, *table, "encoding");
  const int min_low = in.I16();  // the low byte of a code runs min_low..max_low
  const int max_low = in.I16();
  const int min_high = in.I16();  // and the high byte min_high..max_high
  const int max_high = in.I16();
  in.I16();  // the default character, unused
  if (min_low < 0 || min_low > max_low || max_low > 0xFF || min_high < 0 || min_high > max_high || max_high > 0xFF) {
    throw std::runtime_error("the encoding table's code ranges are garbled");
  }
  for (int high = min_high; high <= max_high; ++high) {
    for (int low = min_low; low <= max_low; ++low) {
      const std::uint16_t index = in.U16();
      if (index == kNoGlyph) continue;
      if (index >= glyphs.size()) {
        throw std::runtime_error("the encoding table names glyph " + std::to_string(index) + ", which does not exist");
      }
      font.glyphs[static_cast<char32_t>(high << 8 | low)] = glyphs[index];
    }
  }
}

}  // namespace

PcfFont ParsePcf(const std::vector<unsigned char>& bytes) {
  const std::vector<TableEntry> tables = ReadTableOfContents(bytes);
  PcfFont font;
  ReadFontExtent(bytes, tables, font);
  std::vector<PcfGlyph> glyphs = ReadMetrics(bytes, tables);
  ReadBitmaps(bytes, tables, glyphs);
  ReadEncodings(bytes, tables, glyphs, font);
  return font;
}

}  // namespace make_font
