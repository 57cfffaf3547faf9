// The game-drawn windows: rectangles of labels, buttons and choices drawn over the map and tapped with the stylus.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/gapi_surface.h"

namespace jetvale {

// Item kinds.
constexpr int kLabel = 1;
constexpr int kButton = 2;
constexpr int kChoice = 3;
constexpr int kValueCell = 30;  // drawn like a label; report screens write figures into it

constexpr int kInvisible = 30;  // visibility of a hotspot that is neither filled nor written (the toolbar)
constexpr int kVisible = 256;
constexpr int kCellVisibility = 1;  // value cells; drawn like any visible item

constexpr int kNoSelection = 99;
constexpr int kNoItem = -1;  // the item an action gets when no tap chose it
constexpr int kMaxItems = 99;
constexpr int kWindowSlots = 24;

// Item colours; the oranges of buttons, markers and Atlantic Air are in gfx/color.h.
constexpr Color kDarkGreen = 38400;  // choices, value rows, an unselected choice
constexpr Color kDarkRed = 150;      // expense rows
constexpr Color kSelectedRed = 200;  // a selected choice, the editors' labels

constexpr int kWindowFrameOpacity = 128;
constexpr int kItemOpacity = 192;

// One row of a window's table: the item's name, what it is and where it lies (relative to the window). Code and
// tests find an item by its name; the items of a repeated row share their names and are told apart by their row.
struct ItemSpec {
  std::string_view name;
  int kind = kLabel;
  std::string_view text;
  int command = 0;  // a button's command; a choice's, for the menu's "Ok" to take over
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  Color background = kBlack;
  int visibility = kVisible;
};

struct WindowItem {
  std::string_view name;
  int row = 0;  // how many items of the same name come before it in the window
  int x = 0;
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
  std::string title;
  std::array<WindowItem, kMaxItems> items;

  WindowItem& Item(int index) { return items[static_cast<std::size_t>(index)]; }
  const WindowItem& Item(int index) const { return items[static_cast<std::size_t>(index)]; }
  // The item at `index`, or null when the window has none there (an action no tap chose gets kNoItem).
  const WindowItem* ItemAt(int index) const { return index >= 0 && index < itemCount ? &Item(index) : nullptr; }
  // The index of the item called `name` in row `row`; kNoItem when there is none.
  int Find(std::string_view name, int row = 0) const;
  // The item called `name` in row `row`. Naming an item the window does not have is a fault of the program, which
  // stops there, so the first test that shows the window finds it.
  WindowItem& Named(std::string_view name, int row = 0) { return Item(IndexNamed(name, row)); }
  const WindowItem& Named(std::string_view name, int row = 0) const { return Item(IndexNamed(name, row)); }
  // A menu's "Ok": the command of the selected choice, or `otherwise` with none selected.
  int ChosenCommand(int otherwise) const {
    return selectedItem == kNoSelection ? otherwise : Item(selectedItem).command;
  }
  // Empties the window for a list builder: no items, nothing selected.
  void ResetItems() {
    itemCount = 0;
    selectedItem = kNoSelection;
  }
  // Appends an item, `dy` pixels below where its row says.
  void Add(const ItemSpec& spec, int dy = 0);

 private:
  int IndexNamed(std::string_view name, int row) const;
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

// What a tap hit: a button (whose command the tap runs) or a choice.
struct Hit {
  int item = kNoItem;
  bool button = false;
};

// Tests a landscape point against the window's items in index order; the first button or choice under the point
// wins. A tapped choice becomes the selected one (red) and the previous selection turns green again. Labels and
// value cells do not react.
std::optional<Hit> HitTest(GameWindow& window, int x, int y);

// The stylus reports portrait points (x across the short side): landscape X = 320 - py, Y = px.
constexpr int LandscapeX(int /*portraitX*/, int portraitY) { return 320 - portraitY; }
constexpr int LandscapeY(int portraitX, int /*portraitY*/) { return portraitX; }

}  // namespace jetvale
