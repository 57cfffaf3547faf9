// The game-drawn windows: rectangles of labels, buttons and choices drawn over the map and tapped with the stylus.
#pragma once

#include <array>
#include <string>

#include "gfx/gapi_surface.h"

namespace jetvale {

// Item kinds.
constexpr int kLabel = 1;
constexpr int kButton = 2;
constexpr int kChoice = 3;
constexpr int kValueCell = 30;  // drawn like a label; report screens write figures into it

constexpr int kInvisible = 30;  // visibility of a hotspot that is neither filled nor written (the toolbar)
constexpr int kVisible = 256;

constexpr int kNoSelection = 99;
constexpr int kMissedItem = 999;  // hit item after a tap whose last examined item was missed
constexpr int kMaxItems = 99;
constexpr int kWindowSlots = 24;

// Item colours; the oranges of buttons, markers and Atlantic Air are in gfx/color.h.
constexpr Color kDarkGreen = 38400;  // choices, value rows, an unselected choice
constexpr Color kDarkRed = 150;      // expense rows
constexpr Color kSelectedRed = 200;  // a selected choice, the editors' labels

constexpr int kWindowFrameOpacity = 128;
constexpr int kItemOpacity = 192;

struct WindowItem {
  int x = 0;  // relative to the window
  int y = 0;
  int height = 0;
  int width = 0;
  int kind = kLabel;
  std::string text;
  int command = 0;
  Color background = 0;
  Color textColor = kWhite;
  int visibility = kVisible;
};

struct GameWindow {
  int x = 0;
  int y = 0;
  int height = 0;
  int width = 0;
  int itemCount = 0;
  int selectedItem = kNoSelection;
  int hitItem = 0;
  std::string title;
  std::array<WindowItem, kMaxItems> items;

  WindowItem& Item(int index) { return items[static_cast<std::size_t>(index)]; }
  const WindowItem& Item(int index) const { return items[static_cast<std::size_t>(index)]; }
  // Empties the window for a list builder: no items, nothing selected.
  void ResetItems() {
    itemCount = 0;
    selectedItem = kNoSelection;
  }
  void AddItem(int itemX, int itemY, int itemWidth, int itemHeight, int kind, std::string text, int command,
               Color background, Color textColor = kWhite, int visibility = kVisible);
};

struct WindowTable {
  std::array<GameWindow, kWindowSlots> windows;
  int count = 0;

  GameWindow& operator[](int index) { return windows[static_cast<std::size_t>(index)]; }
  const GameWindow& operator[](int index) const { return windows[static_cast<std::size_t>(index)]; }
  // Writes the next free window and returns its index.
  int AddWindow(int x, int y, int width, int height, std::string title);
};

// Draws the window over whatever the screen holds: a blended frame and title bar, then every item in index order.
void DrawWindow(CGapiSurface& screen, const GameWindow& window);

// Tests a landscape point against the window's items in index order; true when a button or a choice was hit,
// the first under the point winning. A button sets `command` to its own; a tapped choice becomes the selected one
// (red) and the previous selection turns green again.
bool HitTest(GameWindow& window, int x, int y, int& command);

// The stylus reports portrait points (x across the short side): landscape X = 320 - py, Y = px.
constexpr int LandscapeX(int /*portraitX*/, int portraitY) { return 320 - portraitY; }
constexpr int LandscapeY(int portraitX, int /*portraitY*/) { return portraitX; }

}  // namespace jetvale
