// The dispatch step: screens drawn in every frame, actions run once with their tapped item and followed by their
// screen in the same frame, an action after an action in the next one, a quiet hand-over drawing nothing.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "ui/command_routes.h"

namespace jetvale {
namespace {

std::string ran;  // what the routes did, in order
void Did(const std::string& what, int item = kNoItem) { ran += what + (item == kNoItem ? "" : std::to_string(item)) + ";"; }

constexpr std::array kRoutes = {
    Screen(1, [](Ui&) { Did("screen 1"); }), Screen(2, [](Ui&) { Did("screen 2"); }),
    Action(10, [](Ui&, int item) { Did("action 10 on ", item); }, 1), Action(11, [](Ui&, int) { Did("action 11"); }, 12),
    Action(12, [](Ui&, int item) { Did("action 12", item); }, 2),
    Choosing(13, [](Ui&, int item) { return Did("choose 13"), item; }),
    Quietly(Choosing(14, [](Ui&, int) { return Did("choose 14"), 1; })),
};

TEST(CommandTable, ScreensDrawEveryFrameActionsRunOnceAndLeadToTheirScreen) {
  GameState game(1);
  CGapiSurface screen;
  Ui ui(game, screen);
  const CommandTable table({kRoutes});
  const struct { std::optional<Tapped> tap; const char* ran; int command; } frames[] = {
      {Tapped{10, 7}, "action 10 on 7;screen 1;", 1}, {std::nullopt, "screen 1;", 1},
      {Tapped{11, 3}, "action 11;screen 2;", 12},    // the next action's screen as it stands
      {std::nullopt, "action 12;screen 2;", 2},      // no tap chose it: no item
      {Tapped{13, 1}, "choose 13;screen 1;", 1}, {Tapped{14, 5}, "choose 14;", 1}, {std::nullopt, "screen 1;", 1},
      {Tapped{500, 2}, "", 500},  // no route: nothing to do
  };
  for (const auto& frame : frames) {
    ran.clear();
    table.Run(ui, frame.tap);
    EXPECT_EQ(ran, frame.ran);
    EXPECT_EQ(ui.command, frame.command);
  }
}

}  // namespace
}  // namespace jetvale
