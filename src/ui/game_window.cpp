// Window drawing and the stylus hit test.
#include "ui/game_window.h"

namespace jetvale {
namespace {

constexpr Color kTitleBarColor = kBlue;

void FillBlended(CGapiSurface& screen, int left, int top, int right, int bottom, Color color, int opacity) {
  const FillEffect effect{opacity};
  screen.FillRect(GapiRect{left, top, right, bottom}, color, kFillBlend, &effect);
}

}  // namespace

void GameWindow::AddItem(int itemX, int itemY, int itemWidth, int itemHeight, int itemKind, std::string itemText,
                         int itemCommand, Color itemBackground, Color itemTextColor, int itemVisibility) {
  WindowItem& item = Item(itemCount);
  item.x = itemX;
  item.y = itemY;
  item.width = itemWidth;
  item.height = itemHeight;
  item.kind = itemKind;
  item.text = std::move(itemText);
  item.command = itemCommand;
  item.background = itemBackground;
  item.textColor = itemTextColor;
  item.visibility = itemVisibility;
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

bool HitTest(GameWindow& window, int x, int y, int& command) {
  window.hitItem = 0;
  for (int i = 0; i < window.itemCount; ++i) {
    WindowItem& item = window.Item(i);
    const int left = window.x + item.x;
    const int top = window.y + item.y;
    // Edges count: an item of 0 x 0 is hit on its exact point.
    if (x < left || x > left + item.width || y < top || y > top + item.height) {
      window.hitItem = kMissedItem;
      continue;
    }
    window.hitItem = i;
    if (item.kind == kButton) {
      command = item.command;
      return true;
    }
    if (item.kind == kChoice) {
      if (window.selectedItem != i) {
        item.background = kSelectedRed;
        if (window.selectedItem != kNoSelection) window.Item(window.selectedItem).background = kDarkGreen;
        window.selectedItem = i;
      }
      return true;
    }
  }
  return false;
}

}  // namespace jetvale
