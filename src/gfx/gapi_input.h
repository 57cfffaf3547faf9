// The device's hardware keys: the list of key codes that the window's key handler compares against.
#pragma once

#include <array>

#include "gfx/gapi_result.h"

namespace jetvale {

// Key codes the desktop window reports for the keys it passes on (virtual-key style values).
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyLeft = 0x25;
constexpr int kKeyUp = 0x26;
constexpr int kKeyRight = 0x27;
constexpr int kKeyDown = 0x28;
constexpr int kKeyQ = 0x51;
constexpr int kKeyF12 = 0x7B;

// Entries 0 and 5 close the program at once; entry 7 saves a screenshot. The others are the
// device's direction and action keys, which the game does not use.
struct KeyList {
  std::array<int, 8> keys{};
};
constexpr int kKeyListClose = 0;
constexpr int kKeyListCloseToo = 5;
constexpr int kKeyListScreenshot = 7;

class CGapiInput {
 public:
  GapiResult GetKeyList(KeyList& list) const {
    list.keys = {kKeyEscape, kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyQ, kKeyEnter, kKeyF12};
    return kGapiOk;
  }
};

}  // namespace jetvale
