// Sheet layout tables and the checks that keep the game's fixed source rectangles valid.
#include "sprite_sheet.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "aircraft.h"
#include "raster.h"

namespace jetvale::artwork {
namespace {

constexpr int kSheetWidth = 135;
constexpr int kSheetHeight = 72;
constexpr int kCellHeight = 16;
constexpr int kCentrePixel = 8;  // cell pixel (8,8) is where the game puts the plane's position
constexpr double kCentre = kCentrePixel + 0.5;
constexpr int kMargin = 4;  // room around a cell so that an aircraft too big for it shows up

struct Airline {
  int top;
  Color color;
};
constexpr std::array kAirlines{Airline{0, MakeColor(255, 150, 0)}, Airline{17, MakeColor(220, 30, 30)},
                               Airline{34, MakeColor(40, 90, 255)}, Airline{51, MakeColor(255, 230, 0)}};

// Every aircraft has the outline, dark enough to stand out on sea and land alike whatever the airline's colour.
constexpr Color kOutline = MakeColor(12, 12, 18);

struct Heading {
  std::string_view name;
  double degrees;  // counter-clockwise from east
  int left;
  int right;  // exclusive
  int shiftX;  // whole pixels the aircraft sits left of the cell's centre
};
// The SE cell is only 13 px wide: its aircraft keeps the others' size and sits one pixel left of the centre,
// a shift nobody sees at the game's speed, where a smaller aircraft would stand out.
constexpr std::array kHeadings{Heading{"E", 0, 0, 16, 0},      Heading{"NE", 45, 18, 34, 0},
                               Heading{"N", 90, 35, 51, 0},    Heading{"NW", 135, 54, 70, 0},
                               Heading{"W", 180, 70, 86, 0},   Heading{"SW", 225, 88, 104, 0},
                               Heading{"S", 270, 104, 120, 0}, Heading{"SE", 315, 120, 133, 1}};

// Written out separately from the tables above so that a wrong table entry is caught, not repeated.
constexpr std::array kEmptyColumns{16, 17, 34, 51, 52, 53, 86, 87, 133, 134};
constexpr std::array kEmptyRows{16, 33, 50, 67, 68, 69, 70, 71};
// Opposite headings, as indices into kHeadings, must be exact half turns of each other about their centres, which
// holds only while every heading draws the same aircraft at the same size.
constexpr std::array<std::array<std::size_t, 2>, 4> kOppositeHeadings{{{0, 4}, {1, 5}, {2, 6}, {3, 7}}};

Color At(const BmpImage& image, int x, int y) { return image.pixels[static_cast<std::size_t>(y * image.width + x)]; }

BmpImage AircraftSprite(const Heading& heading, Color color) {
  const AircraftColors colors{color, Mix(color, kWhite, 0.45)};
  const Layer plane = Transformed(AircraftSilhouette(colors), heading.degrees, 1,
                                  {kMargin + kCentre - heading.shiftX, kMargin + kCentre});
  const int width = heading.right - heading.left;
  return OutlinedSprite(plane, width + 2 * kMargin, kCellHeight + 2 * kMargin, kOutline);
}

bool InsideCell(const BmpImage& sprite, int x, int y) {
  return x >= kMargin && y >= kMargin && x < sprite.width - kMargin && y < sprite.height - kMargin;
}

bool FitsCell(const BmpImage& sprite) {
  for (int y = 0; y < sprite.height; ++y) {
    for (int x = 0; x < sprite.width; ++x) {
      if (At(sprite, x, y) != kMagenta && !InsideCell(sprite, x, y)) return false;
    }
  }
  return true;
}

// A cell's pixel by cell-local coordinates; outside the cell counts as empty.
Color CellPixel(const BmpImage& sheet, const Airline& airline, const Heading& heading, int x, int y) {
  const bool inside = x >= 0 && y >= 0 && x < heading.right - heading.left && y < kCellHeight;
  return inside ? At(sheet, heading.left + x, airline.top + y) : kMagenta;
}

bool HalfTurnsOfEachOther(const BmpImage& sheet, const Airline& airline, const Heading& a, const Heading& b) {
  for (int y = 0; y < kCellHeight; ++y) {
    for (int x = 0; x < a.right - a.left; ++x) {
      const int turnedX = 2 * kCentrePixel - a.shiftX - b.shiftX - x;
      const Color turned = CellPixel(sheet, airline, b, turnedX, 2 * kCentrePixel - y);
      if (CellPixel(sheet, airline, a, x, y) != turned) return false;
    }
  }
  return true;
}

// Messages are built by appending: concatenating temporaries trips a false -Wrestrict in GCC 12 at -O3.
bool Fail(std::string& error, std::initializer_list<std::string_view> parts) {
  error = "sprite sheet:";
  for (const std::string_view part : parts) error.append(" ").append(part);
  return false;
}

}  // namespace

bool DrawSpriteSheet(BmpImage& sheet, std::string& error) {
  sheet = BlankImage(kSheetWidth, kSheetHeight, kMagenta);
  for (const Airline& airline : kAirlines) {
    for (const Heading& heading : kHeadings) {
      const BmpImage sprite = AircraftSprite(heading, airline.color);
      if (!FitsCell(sprite)) return Fail(error, {"the", heading.name, "aircraft leaves its cell"});
      Stamp(sheet, sprite, heading.left - kMargin, airline.top - kMargin);
      if (CellPixel(sheet, airline, heading, kCentrePixel, kCentrePixel) == kMagenta) {
        return Fail(error, {"the", heading.name, "aircraft misses its cell's centre"});
      }
    }
    for (const auto& [a, b] : kOppositeHeadings) {
      if (!HalfTurnsOfEachOther(sheet, airline, kHeadings[a], kHeadings[b])) {
        return Fail(error, {"the", kHeadings[a].name, "and", kHeadings[b].name, "aircraft are not centred alike"});
      }
    }
  }
  for (int y = 0; y < kSheetHeight; ++y) {
    for (int x = 0; x < kSheetWidth; ++x) {
      const bool empty = std::ranges::count(kEmptyColumns, x) > 0 || std::ranges::count(kEmptyRows, y) > 0;
      if (empty && At(sheet, x, y) != kMagenta) {
        return Fail(error, {"pixel", std::to_string(x), std::to_string(y), "between cells is not magenta"});
      }
    }
  }
  return true;
}

}  // namespace jetvale::artwork
