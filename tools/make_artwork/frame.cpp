// Frame layout tables; every rectangle here matches a place the game draws text into or takes taps from.
#include "frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "raster.h"
#include "toolbar_icons.h"

namespace jetvale::artwork {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

struct Box {
  int left;
  int top;
  int width;
  int height;
};

struct Gradient {
  Box box;
  Color top;
  Color bottom;
};
// Title and status strips, dark so the game's white text reads.
constexpr std::array kStrips{Gradient{{0, 0, 320, 9}, MakeColor(44, 58, 104), MakeColor(14, 20, 44)},
                             Gradient{{0, 231, 320, 9}, MakeColor(14, 20, 44), MakeColor(32, 40, 70)}};
// The game draws these lines itself; painting them here too shows the frame as it is seen.
constexpr std::array kWhiteLines{Box{0, 9, 320, 1}, Box{0, 230, 320, 1}, Box{29, 10, 1, 220}};

constexpr Box kToolbar{0, 10, 29, 220};
constexpr Color kPanelLight = MakeColor(122, 136, 158);
constexpr Color kPanelDark = MakeColor(78, 90, 112);

// Tap rectangles are 30 wide; the border line at x = 29 covers their last column.
constexpr std::array kButtons{Box{0, 20, 29, 30}, Box{0, 53, 29, 30}, Box{0, 87, 29, 30}, Box{0, 120, 29, 30}};
constexpr Color kButtonTop = MakeColor(150, 166, 190);
constexpr Color kButtonBottom = MakeColor(104, 118, 144);
constexpr Color kBevelLight = MakeColor(214, 224, 238);
constexpr Color kBevelDark = MakeColor(40, 48, 66);
// Clear pixels between a button's edges (bevel included) and its picture, outline included.
constexpr int kIconInset = 2;
constexpr double kIconShrinkStep = 0.96;

enum class Direction { kUp, kLeft, kRight, kDown };
struct Arrow {
  Box box;
  Direction direction;
};
constexpr std::array kArrows{Arrow{{8, 197, 12, 9}, Direction::kUp}, Arrow{{0, 207, 8, 13}, Direction::kLeft},
                             Arrow{{21, 207, 7, 12}, Direction::kRight}, Arrow{{8, 221, 12, 8}, Direction::kDown}};
// The game paints red over (12..15, 212..215) in fast-scroll mode, so the button itself stays grey.
constexpr Box kCentreButton{11, 210, 6, 7};
constexpr Box kPadWell{0, 195, 29, 35};
constexpr Color kPadWellColor = MakeColor(52, 60, 80);
constexpr Color kArrowColor = MakeColor(226, 232, 242);
constexpr Color kCentreColor = MakeColor(150, 150, 156);

Color& PixelAt(BmpImage& image, int x, int y) { return image.pixels[static_cast<std::size_t>(y * image.width + x)]; }

void FillGradient(BmpImage& image, const Gradient& gradient) {
  const Box& b = gradient.box;
  for (int y = 0; y < b.height; ++y) {
    const Color c = Mix(gradient.top, gradient.bottom, b.height > 1 ? static_cast<double>(y) / (b.height - 1) : 0);
    for (int x = 0; x < b.width; ++x) PixelAt(image, b.left + x, b.top + y) = c;
  }
}

void FillBox(BmpImage& image, const Box& b, Color color) { FillGradient(image, {b, color, color}); }

// Fixed pseudo-random streaks along each row give the panel a brushed look that is the same on every run.
double Streak(int y) {
  std::uint32_t h = static_cast<std::uint32_t>(y) * 2654435761u;
  h ^= h >> 15;
  return static_cast<double>(h % 1000) / 1000.0;
}

void DrawPanel(BmpImage& image) {
  for (int y = kToolbar.top; y < kToolbar.top + kToolbar.height; ++y) {
    for (int x = kToolbar.left; x < kToolbar.left + kToolbar.width; ++x) {
      const Color base = Mix(kPanelLight, kPanelDark, static_cast<double>(x) / (kToolbar.width - 1));
      PixelAt(image, x, y) = Mix(base, kWhite, 0.10 * Streak(y));
    }
  }
}

// The icon's layers, scaled by `scale` about `centre` and moved by `shift` (whole pixels), outlined and stacked.
BmpImage IconPicture(const Icon& icon, const Box& b, double scale, Point centre, Point shift) {
  BmpImage picture = BlankImage(b.width, b.height, kMagenta);
  for (const IconLayer& layer : icon) {
    const Layer atOrigin = Transformed(layer.shapes, 0, 1, {-centre.x, -centre.y});
    const Layer placed = Transformed(atOrigin, 0, scale, {centre.x + shift.x, centre.y + shift.y});
    Stamp(picture, OutlinedSprite(placed, b.width, b.height, layer.outline), 0, 0);
  }
  return picture;
}

// The smallest box holding every drawn pixel; empty pictures give an empty box.
Box InkBox(const BmpImage& picture) {
  int left = picture.width, top = picture.height, right = -1, bottom = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.pixels[static_cast<std::size_t>(y * picture.width + x)] == kMagenta) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// Shrinks the icon until it clears the button's edges by kIconInset, then centres it by whole pixels so the
// drawn shapes keep their crisp edges.
BmpImage FittedIcon(const Icon& icon, const Box& b) {
  const int roomX = b.width - 2 * kIconInset;
  const int roomY = b.height - 2 * kIconInset;
  const Point centre{b.width / 2.0, b.height / 2.0};
  double scale = 1;
  Box ink = InkBox(IconPicture(icon, b, scale, centre, {}));
  while (ink.width > roomX || ink.height > roomY) {
    scale *= kIconShrinkStep;
    ink = InkBox(IconPicture(icon, b, scale, centre, {}));
  }
  const Point shift{std::floor(kIconInset + (roomX - ink.width) / 2.0) - ink.left,
                    std::floor(kIconInset + (roomY - ink.height) / 2.0) - ink.top};
  return IconPicture(icon, b, scale, centre, shift);
}

void DrawButton(BmpImage& image, const Box& b, const Icon& icon) {
  FillGradient(image, {b, kButtonTop, kButtonBottom});
  FillBox(image, {b.left, b.top, b.width, 1}, kBevelLight);
  FillBox(image, {b.left, b.top, 1, b.height}, kBevelLight);
  FillBox(image, {b.left, b.top + b.height - 1, b.width, 1}, kBevelDark);
  FillBox(image, {b.left + b.width - 1, b.top, 1, b.height}, kBevelDark);
  Stamp(image, FittedIcon(icon, b), b.left, b.top);
}

// The base is inset by one pixel and the tip reaches the edge: with its outline the arrow fills the tap rectangle,
// except that it keeps kIconInset clear pixels at the toolbar's left edge, as the buttons do.
Polygon ArrowTriangle(const Arrow& arrow) {
  const double left = std::max(arrow.box.left, kIconInset + 1);
  const double top = arrow.box.top;
  const double right = arrow.box.left + arrow.box.width;
  const double bottom = top + arrow.box.height;
  const double midX = (left + right) / 2;
  const double midY = (top + bottom) / 2;
  switch (arrow.direction) {
    case Direction::kUp: return {{left + 1, bottom - 1}, {right - 1, bottom - 1}, {midX, top}};
    case Direction::kLeft: return {{right - 1, top + 1}, {right - 1, bottom - 1}, {left, midY}};
    case Direction::kRight: return {{left + 1, top + 1}, {left + 1, bottom - 1}, {right, midY}};
    case Direction::kDown: return {{left + 1, top + 1}, {right - 1, top + 1}, {midX, bottom}};
  }
  return {};
}

void DrawScrollPad(BmpImage& image) {
  FillBox(image, kPadWell, kPadWellColor);
  Layer pad;
  for (const Arrow& arrow : kArrows) pad.push_back({ArrowTriangle(arrow), kArrowColor});
  const Box& c = kCentreButton;
  pad.push_back({Rectangle(c.left + 1, c.top + 1, c.width - 2, c.height - 2), kCentreColor});
  Stamp(image, OutlinedSprite(pad, kWidth, kHeight, kBevelDark), 0, 0);
}

}  // namespace

BmpImage DrawFrame() {
  // Black is left only in the map viewport (29, 9, 291 x 222), which the map covers every frame.
  BmpImage frame = BlankImage(kWidth, kHeight, kBlack);
  for (const Gradient& strip : kStrips) FillGradient(frame, strip);
  DrawPanel(frame);
  const std::array icons{PlanesIcon(), FinanceIcon(), PassengersIcon(), ToolsIcon()};
  for (std::size_t i = 0; i < kButtons.size(); ++i) DrawButton(frame, kButtons[i], icons[i]);
  DrawScrollPad(frame);
  for (const Box& line : kWhiteLines) FillBox(frame, line, kWhite);
  return frame;
}

}  // namespace jetvale::artwork
