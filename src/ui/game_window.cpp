// Window drawing, the stylus hit test and finding items by name.
#include "ui/game_window.h"

#include <cstdio>
#include <cstdlib>

namespace jetvale {
namespace {

constexpr Color kTitleBarColor = kBlue;

void FillBlended(CGapiSurface& screen, int left, int top, int right, int bottom, Color color, int opacity) {
  const FillEffect effect{opacity};
  screen.FillRect(GapiRect{left, top, right, bottom}, color, kFillBlend, &effect);
}

}  // namespace

int GameWindow::Find(std::string_view name, int row) const {
  for (int i = 0; i < itemCount; ++i) {
    if (Item(i).row == row && Item(i).name == name) return i;
  }
  return kNoItem;
}

int GameWindow::IndexNamed(std::string_view name, int row) const {
  const int index = Find(name, row);
  if (index == kNoItem) {
    std::fprintf(stderr, "window \"%s\" has no item \"%.*s\" in row %d\n", title.c_str(),
                 static_cast<int>(name.size()), name.data(), row);
    std::abort();
  }
  return index;
}

void GameWindow::Add(const ItemSpec& spec, int dy) {
  WindowItem& item = Item(itemCount);
  item.name = spec.name;
  item.row = 0;
  for (int i = 0; i < itemCount; ++i) item.row += Item(i).name == spec.name ? 1 : 0;
  item.x = spec.x;
  item.y = spec.y + dy;
  item.width = spec.width;
  item.height = spec.height;
  item.kind = spec.kind;
  item.text = std::string(spec.text);
  item.command = spec.command;
  item.background = spec.background;
  item.textColor = spec.visibility == kInvisible ? kBlack : kWhite;
  item.visibility = spec.visibility;
  itemCount += 1;
}

int WindowTable::AddWindow(int x, int y, int width, int height, std::string title) {
  GameWindow& window = (*this)[count];
  window.x = x;
  window.y = y;
  window.width = width;
  window.height = height;
  window.title = std::move(title);
  window.ResetItems();
  return count++;
}

void DrawWindow(CGapiSurface& screen, const GameWindow& window) {
  // A window whose first item is an invisible hotspot (the toolbar) has no frame either.
  if (window.itemCount == 0 || window.Item(0).visibility != kInvisible) {
    FillBlended(screen, window.x, window.y, window.x + window.width, window.y + window.height, kBlack,
                kWindowFrameOpacity);
    if (!window.title.empty()) {
      FillBlended(screen, window.x + 2, window.y + 2, window.x + window.width - 2, window.y + 11, kTitleBarColor,
                  kWindowFrameOpacity);
      screen.DrawTextW(window.x + 4, window.y + 3, window.title, kWhite, kTextOutline);
    }
  }
  for (int i = 0; i < window.itemCount; ++i) {
    const WindowItem& item = window.Item(i);
    if (item.visibility == kInvisible) continue;
    const int left = window.x + item.x;
    const int top = window.y + item.y;
    FillBlended(screen, left, top, left + item.width, top + item.height, item.background, kItemOpacity);
    if (!item.text.empty()) screen.DrawTextW(left + 2, top + 1, item.text, item.textColor, kTextShadow);
  }
}

std::optional<Hit> HitTest(GameWindow& window, int x, int y) {
  for (int i = 0; i < window.itemCount; ++i) {
    WindowItem& item = window.Item(i);
    const int left = window.x + item.x;
    const int top = window.y + item.y;
    // Edges count: an item of 0 x 0 is hit on its exact point.
    if (x < left || x > left + item.width || y < top || y > top + item.height) continue;
    if (item.kind == kButton) return Hit{i, true};
    if (item.kind == kChoice) {
      if (window.selectedItem != i) {
        item.background = kSelectedRed;
        if (window.selectedItem != kNoSelection) window.Item(window.selectedItem).background = kDarkGreen;
        window.selectedItem = i;
      }
      return Hit{i, false};
    }
  }
  return std::nullopt;
}

}  // namespace jetvale
