// Glyph lookup over the generated font table (tools/make_font writes font_5x8.inc).
#include "gfx/font.h"

namespace jetvale {
namespace {

constexpr char32_t kFirstCode = 0x20;
constexpr char32_t kLastCode = 0x7E;

constexpr FontGlyph kGlyphs[] = {
#include "gfx/font_5x8.inc"
};
static_assert(std::size(kGlyphs) == kLastCode - kFirstCode + 1, "the font table holds printable ASCII in order");

}  // namespace

const FontGlyph& GlyphFor(char c) {
  const auto code = static_cast<char32_t>(static_cast<unsigned char>(c));
  if (c == '\t') return kGlyphs[0];  // the blank
  if (code < kFirstCode || code > kLastCode) return kGlyphs['?' - kFirstCode];
  return kGlyphs[code - kFirstCode];
}

}  // namespace jetvale
